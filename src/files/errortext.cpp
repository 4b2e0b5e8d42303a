#include "files/errortext.h"

#include <algorithm>
#include <array>
#include <string_view>
#include <utility>

#include "files/pathwalk.h"

namespace orv {
namespace {

// Sorted by code so a look-up can halve the table.
constexpr std::array<std::pair<int, std::string_view>, 94> kTexts{{
    {1, "Invalid function number"},
    {2, "File not found"},
    {3, "Path not found"},
    {4, "Too many open files"},
    {5, "Access denied"},
    {6, "Invalid handle"},
    {8, "Not enough memory"},
    {10, "Invalid environment"},
    {11, "Invalid format"},
    {12, "Invalid file access code"},
    {15, "Invalid drive number"},
    {16, "Cannot remove current directory"},
    {17, "Cannot rename across drives"},
    {18, "No more files"},
    {100, "Disk read error"},
    {101, "Disk write error"},
    {102, "File not assigned"},
    {103, "File not open"},
    {104, "File not open for input"},
    {105, "File not open for output"},
    {106, "Invalid numeric format"},
    {150, "Disk is write-protected"},
    {151, "Bad drive request struct length or unknown unit"},
    {152, "Drive not ready"},
    {153, "Unknown command"},
    {154, "CRC error in data"},
    {156, "Disk seek error"},
    {157, "Unknown media type"},
    {158, "Sector Not Found"},
    {159, "Printer out of paper"},
    {160, "Device write fault"},
    {161, "Device read fault"},
    {162, "Hardware failure"},
    {200, "Division by zero"},
    {201, "Range check error"},
    {202, "Stack overflow error"},
    {203, "Heap overflow error"},
    {204, "Invalid pointer operation"},
    {205, "Floating point overflow"},
    {206, "Floating point underflow"},
    {207, "Invalid floating point operation"},
    {208, "Overlay manager not installed"},
    {209, "Overlay file read error"},
    {210, "Object not initialized"},
    {211, "Call to abstract method"},
    {212, "Stream registration error"},
    {213, "Collection index out of range"},
    {214, "Collection overflow error"},
    {500, "x coordinate to low"},
    {501, "x coordinate to high"},
    {502, "Range check error (page to low)"},
    {503, "Range check error (page to high)"},
    {504, "y coordinate to low"},
    {505, "y coordinate to high"},
    {506, "x, y coordinate out of range"},
    {507, "Trying to make ((y - 1) * screen width) + x = < 1"},
    {510, "Pointer initialized"},
    {511, "Pointer not initialized"},
    {520, "Not enough heap memory for Getmem operation"},
    {521, "Trying to Free a nil pointer"},
    {522, "Buffer can't exceed 65535(a word) lines"},
    {523, "Trying to access a buffer element that is a nonentity"},
    {524, "Trying to access a buffer element that is a nonentity < 0"},
    {530, "Window not big enough"},
    {531, "Window not wide enough"},
    {532, "Window not deep enough"},
    {533, "Page not big enough"},
    {534, "Page not wide enough"},
    {535, "Page not deep enough"},
    {536, "Trying to create a window with right side off Page"},
    {537, "Trying to create a window with left side off Page"},
    {538, "Trying to create a window with top side off Page"},
    {539, "Trying to create a window with bottom side off Page"},
    {540, "Trying to access a page that is a nonentity"},
    {541, "Trying to access a window that is a nonentity"},
    {542, "Width * depth > than saved screen size"},
    {543, "Trying to create a window with a width of < 0"},
    {544, "Trying to create a window with a depth of < 0"},
    {560, "Trying to access an environment variable that is out of Range"},
    {561, "Out of environment variable memory."},
    {562, "Trying to access the environment''s Program Name of the first PSP"},
    {570, "Incomplete menu structure"},
    {571, "Error in menu format"},
    {572, "Menu file not found"},
    {590, "Pasword file not found"},
    {591, "User name all ready exist"},
    {600, "String value of '' not acceptable."},
    {601, "Error making dir."},
    {602, "Not a file but a device or a pipe"},
    {603, "File too large"},
    {604, "File locked by another program"},
    {605, "A link or special file stands where a file of a shared folder should be"},
    {700, "Start up file error"},
    {800, "No database found"},
}};

static_assert(std::is_sorted(kTexts.begin(), kTexts.end(),
                             [](const auto& a, const auto& b) { return a.first < b.first; }));

}  // namespace

std::string ErrorText(int code) {
  auto it = std::lower_bound(kTexts.begin(), kTexts.end(), code,
                             [](const auto& entry, int c) { return entry.first < c; });
  std::string_view text = (it != kTexts.end() && it->first == code) ? it->second : "Unknown error";
  return "Error num " + std::to_string(code) + ", " + std::string(text);
}

std::string ErrorTextAt(int code, std::string_view path) {
  if (code != kPlantedEntryCode) return ErrorText(code);
  const WalkedPath walked(path);
  return ErrorText(code) + ": " +
         (walked.Code() == kPlantedEntryCode ? walked.Refused() : walked.Native());
}

}  // namespace orv
