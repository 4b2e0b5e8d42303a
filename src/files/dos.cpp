#include "files/dos.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <algorithm>
#include <cerrno>
#include <chrono>
#include <ctime>

#include "base/delay.h"
#include "base/platform.h"
#include "base/strings.h"
#include "files/descriptor.h"
#include "files/errortext.h"
#include "files/filelayer.h"
#include "files/pathwalk.h"
#include "files/safesave.h"

namespace orv {
namespace {

constexpr std::string_view kSeparators = "\\/";

bool IsSeparator(char c) {
  return c == '\\' || c == '/';
}

std::size_t LastSeparator(std::string_view path) {
  return path.find_last_of(kSeparators);
}

// Trailing separators go, but a path of separators only keeps its first one
// (the root stays the root).
std::string WithoutTrailingSeparators(std::string_view path) {
  std::size_t end = path.size();
  while (end > 1 && IsSeparator(path[end - 1])) --end;
  return std::string(path.substr(0, end));
}

// A Windows drive prefix: one letter and ":" at the start.
bool HasDriveLetter(std::string_view path) {
  return path.size() >= 2 && path[1] == ':' &&
         ((path[0] >= 'A' && path[0] <= 'Z') || (path[0] >= 'a' && path[0] <= 'z'));
}

// The status of the entry at path. A link of a shared folder is taken as the
// link, which is no folder; one of a private folder as what it stands for.
bool StatOf(std::string_view path, struct stat& st) {
  const WalkedPath entry(path, WalkedPath::LastLink::Keep);
  if (!entry.Stat(st)) return false;
  if (!S_ISLNK(st.st_mode) || entry.Shared()) return true;
  return WalkedPath(path).Stat(st);
}

// A folder made in a shared folder whose entries only their owners may
// remove or replace (the sticky bit) keeps its entries apart too, as it
// takes the set-group-ID bit from it.
mode_t NewFolderMode(const WalkedPath& folder, Entries entries) {
  const struct stat& parent = folder.FolderStatus();
  const bool apart = entries == Entries::OwnersOnly || (parent.st_mode & S_ISVTX) != 0;
  return folder.Shared() && apart ? 01777 : 0777;
}

// The lines of a text: a line ends at LF, a CR before it belongs to the line
// end, and a last line without a line end is a line too.
template <typename Visit>
std::int32_t ForEachLine(std::string_view text, Visit visit) {
  std::int32_t count = 0;
  while (!text.empty()) {
    std::size_t lf = text.find('\n');
    std::string_view line = text.substr(0, lf);
    if (lf != std::string_view::npos && line.ends_with('\r')) line.remove_suffix(1);
    ++count;
    if (!visit(count, line)) break;
    text.remove_prefix(lf == std::string_view::npos ? text.size() : lf + 1);
  }
  return count;
}

std::tm LocalNow(int* milliseconds = nullptr) {
  auto now = std::chrono::system_clock::now();
  std::time_t seconds = std::chrono::system_clock::to_time_t(now);
  if (milliseconds != nullptr) {
    auto sinceEpoch = std::chrono::duration_cast<std::chrono::milliseconds>(now.time_since_epoch());
    *milliseconds = static_cast<int>(sinceEpoch.count() % 1000);
  }
  std::tm local{};
  ::localtime_r(&seconds, &local);
  return local;
}

}  // namespace

std::string FolderOf(std::string_view path) {
  std::size_t sep = LastSeparator(path);
  return sep == std::string_view::npos ? std::string() : std::string(path.substr(0, sep + 1));
}

std::string FolderNoDrive(std::string_view path) {
  std::string folder = FolderOf(path);
  std::size_t colon = folder.rfind(':');
  return colon == std::string::npos ? folder : folder.substr(colon + 1);
}

std::string DriveOf(std::string_view path) {
  std::size_t colon = path.rfind(':');
  return colon == std::string_view::npos ? std::string() : std::string(path.substr(0, colon + 1));
}

std::string FileNameOf(std::string_view path) {
  std::size_t sep = LastSeparator(path);
  if (sep != std::string_view::npos) path.remove_prefix(sep + 1);
  std::size_t colon = path.rfind(':');
  if (colon != std::string_view::npos) path.remove_prefix(colon + 1);
  return std::string(path);
}

std::string ExtOf(std::string_view path) {
  std::size_t dot = path.rfind('.');
  if (dot == std::string_view::npos) return {};
  if (dot >= 255) throw ERangeError();
  return std::string(path.substr(dot + 1));
}

std::string BaseName(std::string_view path) {
  std::size_t dot = path.rfind('.');
  if (dot != std::string_view::npos) path = path.substr(0, dot);
  std::size_t sep = LastSeparator(path);
  if (sep != std::string_view::npos) path.remove_prefix(sep + 1);
  std::size_t colon = path.rfind(':');
  if (colon != std::string_view::npos) path.remove_prefix(colon + 1);
  return std::string(path);
}

bool CanOpenFile(std::string_view name) {
  if (name.empty()) return false;
  Descriptor file;
  if (WalkedPath(name).Open(file) != 0) return false;
  struct stat st {};
  return ::fstat(file.Get(), &st) == 0 && !S_ISDIR(st.st_mode);
}

bool FileFound(std::string_view name) {
  struct stat st {};
  return StatOf(name, st) && !S_ISDIR(st.st_mode);
}

bool DirExists(std::string_view path) {
  std::string folder = WithoutTrailingSeparators(path);
  struct stat st {};
  return StatOf(folder, st) && S_ISDIR(st.st_mode);
}

// There are no drives here: a drive letter (alone, or as the prefix "X:")
// names nothing that exists. A ":" anywhere else is an ordinary character of
// a file name, so such a path lies on the one file system, which is always there.
bool DriveValid(std::string_view path) {
  if (path.find(':') == std::string_view::npos) return false;
  return !HasDriveLetter(DriveOf(path));
}

bool EnsureFile(std::string_view name) {
  return CreateFileCode(name) == 0;
}

int CreateFileCode(std::string_view name) {
  if (CanOpenFile(name)) return 0;
  return WriteFileSafely(name, "");
}

int EraseFile(std::string_view name) {
  const WalkedPath entry(name, WalkedPath::LastLink::Keep);
  if (entry.Code() == kPlantedEntryCode) return kPlantedEntryCode;
  struct stat st {};
  if (!entry.Stat(st)) return 0;
  if (entry.Planted(st)) return kPlantedEntryCode;
  if (!CanOpenFile(name)) return 0;
  // The entry walked is removed, never what a link put there meanwhile points to.
  return ::unlinkat(entry.Folder(), entry.Name().c_str(), 0) == 0 ? 0 : IoCodeFromErrno(errno);
}

int MakeFile(std::string_view name) {
  if (FileFound(name)) return 0;
  if (DirExists(name)) return CreateFileCode(name);
  if (name.find(':') == std::string_view::npos || DriveValid(name)) {
    int code = MakePath(name);
    return code == 0 ? CreateFileCode(name) : code;
  }
  return 15;
}

void MDir(std::string_view path, Entries entries) {
  const WalkedPath entry(WithoutTrailingSeparators(path), WalkedPath::LastLink::Keep);
  int code = entry.Code();
  if (code == 0 &&
      ::mkdirat(entry.Folder(), entry.Name().c_str(), NewFolderMode(entry, entries)) != 0) {
    const int err = errno;
    struct stat st {};
    code = err == EEXIST && entry.Stat(st) && entry.Planted(st) ? kPlantedEntryCode
                                                                : IoCodeFromErrno(err);
  }
  if (code != 0) throw E_Dos_Error("Error in _dos.MDir:" + ErrorTextAt(code, path));
}

int MakePath(std::string_view name) {
  std::string folder = FolderOf(name);
  if (DirExists(folder)) return 0;
  if (folder.find(':') != std::string::npos && !DriveValid(folder)) return 15;
  for (std::size_t i = 0; i < folder.size(); ++i) {
    if (!IsSeparator(folder[i])) continue;
    std::string sofar = folder.substr(0, i + 1);
    if (DirExists(sofar)) continue;
    MDir(sofar);
    if (!DirExists(sofar)) return 601;
  }
  return 0;
}

int RemoveDir(std::string_view path) {
  const WalkedPath entry(WithoutTrailingSeparators(path), WalkedPath::LastLink::Keep);
  if (entry.Code() != 0) return entry.Code();
  struct stat st {};
  if (entry.Stat(st) && entry.Planted(st)) return kPlantedEntryCode;
  return ::unlinkat(entry.Folder(), entry.Name().c_str(), AT_REMOVEDIR) == 0
             ? 0
             : IoCodeFromErrno(errno);
}

std::string ReadLineN(std::string_view fileName, std::uint16_t n) {
  std::string text;
  if (n == 0 || ReadTextFile(fileName, text) != 0) return {};
  std::string found;
  ForEachLine(text, [&](std::int32_t number, std::string_view line) {
    if (number < n) return true;
    found = line;
    return false;
  });
  return found;
}

std::int32_t LineCount(std::string_view fileName) {
  std::string text;
  if (ReadTextFile(fileName, text) != 0) return 0;
  return ForEachLine(text, [](std::int32_t, std::string_view) { return true; });
}

std::string TwoDigits(std::uint16_t n) {
  std::string text = std::to_string(n);
  return text.size() == 1 ? "0" + text : text;
}

std::string TodayText() {
  std::tm now = LocalNow();
  return DateText(now.tm_year + 1900, now.tm_mon + 1, now.tm_mday);
}

std::string NowTimeText() {
  std::tm now = LocalNow();
  return TwoDigits(static_cast<std::uint16_t>(now.tm_hour)) + ":" +
         TwoDigits(static_cast<std::uint16_t>(now.tm_min)) + ":" +
         TwoDigits(static_cast<std::uint16_t>(now.tm_sec));
}

std::string DateText(int year, int month, int day) {
  return TwoDigits(static_cast<std::uint16_t>(day)) + "/" +
         TwoDigits(static_cast<std::uint16_t>(month)) + "/" + std::to_string(year);
}

std::int32_t DayClock() {
  int ms = 0;
  std::tm now = LocalNow(&ms);
  return now.tm_hour * 360000 + now.tm_min * 6000 + now.tm_sec * 100 + ms;
}

void BeepWait(std::uint16_t /*unused*/, std::uint16_t ms) {
  Beep();
  Delay(ms);
}

std::string FolderNameOf(std::string_view name) {
  std::string out;
  for (const char c : name) {
    if (c == '\\') {
      out += "%5C";
    } else if (c == '/') {
      out += "%2F";
    } else if (c == '%') {
      out += "%25";
    } else {
      out += c;
    }
  }
  return out;
}

bool StaysInside(std::string_view relativePath) {
  if (!relativePath.empty() && (relativePath.front() == '\\' || relativePath.front() == '/')) {
    return false;
  }
  if (relativePath.find(':') != std::string_view::npos) return false;
  std::size_t start = 0;
  while (start <= relativePath.size()) {
    const std::size_t end = std::min(relativePath.find_first_of("\\/", start), relativePath.size());
    if (relativePath.substr(start, end - start) == "..") return false;
    start = end + 1;
  }
  return true;
}

}  // namespace orv
