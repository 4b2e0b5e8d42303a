#include "files/errortext.h"

#include <algorithm>
#include <array>
#include <string_view>
#include <utility>

#include "base/translate.h"
#include "files/pathwalk.h"

namespace orv {
namespace {

// Sorted by code so a look-up can halve the table.
constexpr std::array<std::pair<int, std::string_view>, 94> kTexts{{
    {1, QT_TRANSLATE_NOOP("ErrorText", "Invalid function number")},
    {2, QT_TRANSLATE_NOOP("ErrorText", "File not found")},
    {3, QT_TRANSLATE_NOOP("ErrorText", "Path not found")},
    {4, QT_TRANSLATE_NOOP("ErrorText", "Too many open files")},
    {5, QT_TRANSLATE_NOOP("ErrorText", "Access denied")},
    {6, QT_TRANSLATE_NOOP("ErrorText", "Invalid handle")},
    {8, QT_TRANSLATE_NOOP("ErrorText", "Not enough memory")},
    {10, QT_TRANSLATE_NOOP("ErrorText", "Invalid environment")},
    {11, QT_TRANSLATE_NOOP("ErrorText", "Invalid format")},
    {12, QT_TRANSLATE_NOOP("ErrorText", "Invalid file access code")},
    {15, QT_TRANSLATE_NOOP("ErrorText", "Invalid drive number")},
    {16, QT_TRANSLATE_NOOP("ErrorText", "Cannot remove current directory")},
    {17, QT_TRANSLATE_NOOP("ErrorText", "Cannot rename across drives")},
    {18, QT_TRANSLATE_NOOP("ErrorText", "No more files")},
    {100, QT_TRANSLATE_NOOP("ErrorText", "Disk read error")},
    {101, QT_TRANSLATE_NOOP("ErrorText", "Disk write error")},
    {102, QT_TRANSLATE_NOOP("ErrorText", "File not assigned")},
    {103, QT_TRANSLATE_NOOP("ErrorText", "File not open")},
    {104, QT_TRANSLATE_NOOP("ErrorText", "File not open for input")},
    {105, QT_TRANSLATE_NOOP("ErrorText", "File not open for output")},
    {106, QT_TRANSLATE_NOOP("ErrorText", "Invalid numeric format")},
    {150, QT_TRANSLATE_NOOP("ErrorText", "Disk is write-protected")},
    {151, QT_TRANSLATE_NOOP("ErrorText", "Bad drive request struct length or unknown unit")},
    {152, QT_TRANSLATE_NOOP("ErrorText", "Drive not ready")},
    {153, QT_TRANSLATE_NOOP("ErrorText", "Unknown command")},
    {154, QT_TRANSLATE_NOOP("ErrorText", "CRC error in data")},
    {156, QT_TRANSLATE_NOOP("ErrorText", "Disk seek error")},
    {157, QT_TRANSLATE_NOOP("ErrorText", "Unknown media type")},
    {158, QT_TRANSLATE_NOOP("ErrorText", "Sector Not Found")},
    {159, QT_TRANSLATE_NOOP("ErrorText", "Printer out of paper")},
    {160, QT_TRANSLATE_NOOP("ErrorText", "Device write fault")},
    {161, QT_TRANSLATE_NOOP("ErrorText", "Device read fault")},
    {162, QT_TRANSLATE_NOOP("ErrorText", "Hardware failure")},
    {200, QT_TRANSLATE_NOOP("ErrorText", "Division by zero")},
    {201, QT_TRANSLATE_NOOP("ErrorText", "Range check error")},
    {202, QT_TRANSLATE_NOOP("ErrorText", "Stack overflow error")},
    {203, QT_TRANSLATE_NOOP("ErrorText", "Heap overflow error")},
    {204, QT_TRANSLATE_NOOP("ErrorText", "Invalid pointer operation")},
    {205, QT_TRANSLATE_NOOP("ErrorText", "Floating point overflow")},
    {206, QT_TRANSLATE_NOOP("ErrorText", "Floating point underflow")},
    {207, QT_TRANSLATE_NOOP("ErrorText", "Invalid floating point operation")},
    {208, QT_TRANSLATE_NOOP("ErrorText", "Overlay manager not installed")},
    {209, QT_TRANSLATE_NOOP("ErrorText", "Overlay file read error")},
    {210, QT_TRANSLATE_NOOP("ErrorText", "Object not initialized")},
    {211, QT_TRANSLATE_NOOP("ErrorText", "Call to abstract method")},
    {212, QT_TRANSLATE_NOOP("ErrorText", "Stream registration error")},
    {213, QT_TRANSLATE_NOOP("ErrorText", "Collection index out of range")},
    {214, QT_TRANSLATE_NOOP("ErrorText", "Collection overflow error")},
    {500, QT_TRANSLATE_NOOP("ErrorText", "x coordinate to low")},
    {501, QT_TRANSLATE_NOOP("ErrorText", "x coordinate to high")},
    {502, QT_TRANSLATE_NOOP("ErrorText", "Range check error (page to low)")},
    {503, QT_TRANSLATE_NOOP("ErrorText", "Range check error (page to high)")},
    {504, QT_TRANSLATE_NOOP("ErrorText", "y coordinate to low")},
    {505, QT_TRANSLATE_NOOP("ErrorText", "y coordinate to high")},
    {506, QT_TRANSLATE_NOOP("ErrorText", "x, y coordinate out of range")},
    {507, QT_TRANSLATE_NOOP("ErrorText", "Trying to make ((y - 1) * screen width) + x = < 1")},
    {510, QT_TRANSLATE_NOOP("ErrorText", "Pointer initialized")},
    {511, QT_TRANSLATE_NOOP("ErrorText", "Pointer not initialized")},
    {520, QT_TRANSLATE_NOOP("ErrorText", "Not enough heap memory for Getmem operation")},
    {521, QT_TRANSLATE_NOOP("ErrorText", "Trying to Free a nil pointer")},
    {522, QT_TRANSLATE_NOOP("ErrorText", "Buffer can't exceed 65535(a word) lines")},
    {523, QT_TRANSLATE_NOOP("ErrorText", "Trying to access a buffer element that is a nonentity")},
    {524,
     QT_TRANSLATE_NOOP("ErrorText", "Trying to access a buffer element that is a nonentity < 0")},
    {530, QT_TRANSLATE_NOOP("ErrorText", "Window not big enough")},
    {531, QT_TRANSLATE_NOOP("ErrorText", "Window not wide enough")},
    {532, QT_TRANSLATE_NOOP("ErrorText", "Window not deep enough")},
    {533, QT_TRANSLATE_NOOP("ErrorText", "Page not big enough")},
    {534, QT_TRANSLATE_NOOP("ErrorText", "Page not wide enough")},
    {535, QT_TRANSLATE_NOOP("ErrorText", "Page not deep enough")},
    {536, QT_TRANSLATE_NOOP("ErrorText", "Trying to create a window with right side off Page")},
    {537, QT_TRANSLATE_NOOP("ErrorText", "Trying to create a window with left side off Page")},
    {538, QT_TRANSLATE_NOOP("ErrorText", "Trying to create a window with top side off Page")},
    {539, QT_TRANSLATE_NOOP("ErrorText", "Trying to create a window with bottom side off Page")},
    {540, QT_TRANSLATE_NOOP("ErrorText", "Trying to access a page that is a nonentity")},
    {541, QT_TRANSLATE_NOOP("ErrorText", "Trying to access a window that is a nonentity")},
    {542, QT_TRANSLATE_NOOP("ErrorText", "Width * depth > than saved screen size")},
    {543, QT_TRANSLATE_NOOP("ErrorText", "Trying to create a window with a width of < 0")},
    {544, QT_TRANSLATE_NOOP("ErrorText", "Trying to create a window with a depth of < 0")},
    {560, QT_TRANSLATE_NOOP("ErrorText",
                            "Trying to access an environment variable that is out of Range")},
    {561, QT_TRANSLATE_NOOP("ErrorText", "Out of environment variable memory.")},
    {562, QT_TRANSLATE_NOOP("ErrorText",
                            "Trying to access the environment''s Program Name of the first PSP")},
    {570, QT_TRANSLATE_NOOP("ErrorText", "Incomplete menu structure")},
    {571, QT_TRANSLATE_NOOP("ErrorText", "Error in menu format")},
    {572, QT_TRANSLATE_NOOP("ErrorText", "Menu file not found")},
    {590, QT_TRANSLATE_NOOP("ErrorText", "Pasword file not found")},
    {591, QT_TRANSLATE_NOOP("ErrorText", "User name all ready exist")},
    {600, QT_TRANSLATE_NOOP("ErrorText", "String value of '' not acceptable.")},
    {601, QT_TRANSLATE_NOOP("ErrorText", "Error making dir.")},
    {602, QT_TRANSLATE_NOOP("ErrorText", "Not a file but a device or a pipe")},
    {603, QT_TRANSLATE_NOOP("ErrorText", "File too large")},
    {604, QT_TRANSLATE_NOOP("ErrorText", "File locked by another program")},
    {605,
     QT_TRANSLATE_NOOP("ErrorText",
                       "A link or special file stands where a file of a shared folder should be")},
    {700, QT_TRANSLATE_NOOP("ErrorText", "Start up file error")},
    {800, QT_TRANSLATE_NOOP("ErrorText", "No database found")},
}};

static_assert(std::is_sorted(kTexts.begin(), kTexts.end(),
                             [](const auto& a, const auto& b) { return a.first < b.first; }));

}  // namespace

std::string ErrorText(int code) {
  auto it = std::lower_bound(kTexts.begin(), kTexts.end(), code,
                             [](const auto& entry, int c) { return entry.first < c; });
  // The table's texts are literals, so data() ends where the text does.
  const char* text = (it != kTexts.end() && it->first == code)
                         ? it->second.data()
                         : QT_TRANSLATE_NOOP("ErrorText", "Unknown error");
  return Filled(TrText("ErrorText", "Error num %1, %2"), std::to_string(code),
                TrText("ErrorText", text));
}

std::string ErrorTextAt(int code, std::string_view path) {
  if (code != kPlantedEntryCode) return ErrorText(code);
  const WalkedPath walked(path);
  return ErrorText(code) + ": " +
         (walked.Code() == kPlantedEntryCode ? walked.Refused() : walked.Native());
}

}  // namespace orv
