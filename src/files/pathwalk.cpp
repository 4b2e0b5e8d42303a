#include "files/pathwalk.h"

#include <fcntl.h>
#include <unistd.h>
#include <QString>
#include <algorithm>
#include <cerrno>
#include <climits>
#include <optional>
#include <vector>

#include "files/filelayer.h"
#include "files/folderlisting.h"

namespace orv {
namespace {

// The most links one walk follows, as the kernel's own resolution does.
constexpr int kMaxLinks = 40;

bool IsAscii(std::string_view s) {
  return std::all_of(s.begin(), s.end(),
                     [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

char AsciiLower(char c) {
  return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

bool SameIgnoringCase(std::string_view a, std::string_view b) {
  if (IsAscii(a) && IsAscii(b)) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
             return AsciiLower(x) == AsciiLower(y);
           });
  }
  QString qa = QString::fromUtf8(a.data(), static_cast<qsizetype>(a.size()));
  QString qb = QString::fromUtf8(b.data(), static_cast<qsizetype>(b.size()));
  return qa.compare(qb, Qt::CaseInsensitive) == 0;
}

// The entry of folder whose name equals name ignoring case. Among several
// (possible only on a case-sensitive file system) the first in byte order
// wins, so the choice does not depend on the order the folder lists them in.
std::optional<std::string> FindIgnoringCase(int folder, std::string_view name) {
  FolderListing listing(folder, ".");
  std::optional<std::string> best;
  while (const char* entry = listing.Next()) {
    std::string_view entryName(entry);
    if (SameIgnoringCase(entryName, name) && (!best || entryName < *best)) {
      best = std::string(entryName);
    }
  }
  return best;
}

// The parts of a path between its separators, empty ones included, so that
// joining them again gives the path back.
std::vector<std::string> PartsOf(std::string_view path) {
  std::vector<std::string> parts;
  std::size_t start = 0;
  for (;;) {
    const std::size_t slash = path.find('/', start);
    parts.emplace_back(path.substr(start, slash - start));
    if (slash == std::string_view::npos) return parts;
    start = slash + 1;
  }
}

std::string Joined(const std::vector<std::string>& parts) {
  std::string out;
  for (std::size_t i = 0; i < parts.size(); ++i) {
    if (i > 0) out += '/';
    out += parts[i];
  }
  return out;
}

// One entry still to be walked, and the part of the path as given that
// names it (none for an entry of a link's target).
struct Step {
  std::string name;
  std::size_t part;
};
constexpr std::size_t kInTarget = std::string::npos;

// Puts the entries that parts name on top of the steps, so that the first
// is walked next. Empty parts and "." name none.
void PushSteps(std::vector<Step>& steps, const std::vector<std::string>& parts, bool asGiven) {
  for (std::size_t i = parts.size(); i-- > 0;) {
    if (parts[i].empty() || parts[i] == ".") continue;
    steps.push_back({parts[i], asGiven ? i : kInTarget});
  }
}

bool ReadLink(int folder, const std::string& name, std::string& target) {
  std::string buffer(PATH_MAX, '\0');
  const ssize_t n = ::readlinkat(folder, name.c_str(), buffer.data(), buffer.size());
  if (n < 0) return false;
  if (static_cast<std::size_t>(n) >= buffer.size()) {
    errno = ENAMETOOLONG;
    return false;
  }
  target.assign(buffer.data(), static_cast<std::size_t>(n));
  return true;
}

}  // namespace

bool OthersMayWrite(const struct stat& folder) {
  const bool othersOwn = folder.st_uid != 0 && folder.st_uid != ::geteuid();
  return othersOwn || (folder.st_mode & (S_IWGRP | S_IWOTH)) != 0;
}

WalkedPath::WalkedPath(std::string_view path, LastLink last) {
  std::string given(path);
  std::replace(given.begin(), given.end(), '\\', '/');
  if (given.empty()) {
    code_ = 2;
    return;
  }
  std::vector<std::string> parts = PartsOf(given);
  std::vector<Step> steps;
  // A path that ends in a separator names a folder: the last entry is the
  // folder itself, reached as any folder on the way is.
  if (given.size() > 1 && given.back() == '/') steps.push_back({".", kInTarget});
  PushSteps(steps, parts, true);
  // Where the walk stands on disk, links followed: what a refusal names.
  std::string where = given.front() == '/' ? "" : ".";
  auto openStart = [&](const char* start) {
    folder_ = Descriptor(::open(start, O_PATH | O_DIRECTORY | O_CLOEXEC));
    if (!folder_ || ::fstat(Folder(), &folderStatus_) != 0) code_ = IoCodeFromErrno(errno);
  };
  openStart(where.empty() ? "/" : ".");
  int links = 0;
  while (code_ == 0 && !steps.empty()) {
    Step step = std::move(steps.back());
    steps.pop_back();
    const bool isLast = steps.empty();
    struct stat st {};
    bool exists = ::fstatat(Folder(), step.name.c_str(), &st, AT_SYMLINK_NOFOLLOW) == 0;
    if (!exists && errno == ENOENT && step.name != "..") {
      if (std::optional<std::string> found = FindIgnoringCase(Folder(), step.name)) {
        step.name = *found;
        exists = ::fstatat(Folder(), step.name.c_str(), &st, AT_SYMLINK_NOFOLLOW) == 0;
      } else {
        errno = ENOENT;
      }
    }
    if (!exists && errno != ENOENT) {
      code_ = IoCodeFromErrno(errno);
      break;
    }
    if (exists && step.part != kInTarget) parts[step.part] = step.name;
    if (!exists || (isLast && !S_ISLNK(st.st_mode))) {
      // A missing entry is made by the caller; missing on the way, the path is not there.
      if (isLast) {
        name_ = step.name;
      } else {
        code_ = 3;
      }
      break;
    }
    if (S_ISLNK(st.st_mode)) {
      if (isLast && last == LastLink::Keep) {
        name_ = step.name;
        break;
      }
      if (Shared()) {
        code_ = kPlantedEntryCode;
        refused_ = where + "/" + step.name;
        break;
      }
      std::string target;
      if (++links > kMaxLinks) {
        code_ = IoCodeFromErrno(ELOOP);
      } else if (!ReadLink(Folder(), step.name, target)) {
        code_ = IoCodeFromErrno(errno);
      } else if (target.empty()) {
        code_ = 2;
      }
      if (code_ != 0) break;
      // The target is walked from where the link lies, or from the root,
      // each of its entries judged by the folder it lies in.
      if (target.front() == '/') {
        where.clear();
        openStart("/");
      }
      PushSteps(steps, PartsOf(target), false);
      continue;
    }
    if (!S_ISDIR(st.st_mode)) {
      code_ = 3;
      break;
    }
    Descriptor next(
        ::openat(Folder(), step.name.c_str(), O_PATH | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC));
    struct stat nextStatus {};
    if (!next || ::fstat(next.Get(), &nextStatus) != 0) {
      // Replaced by a link or a file since it was looked at.
      code_ = errno == ENOTDIR || errno == ELOOP ? (Shared() ? kPlantedEntryCode : 3)
                                                 : IoCodeFromErrno(errno);
      if (code_ == kPlantedEntryCode) refused_ = where + "/" + step.name;
      break;
    }
    folder_ = std::move(next);
    folderStatus_ = nextStatus;
    where += "/" + step.name;
  }
  if (code_ == 0 && name_.empty()) name_ = ".";
  native_ = Joined(parts);
}

bool WalkedPath::Stat(struct stat& st) const {
  if (code_ != 0) {
    errno = ENOENT;
    return false;
  }
  return ::fstatat(Folder(), name_.c_str(), &st, AT_SYMLINK_NOFOLLOW) == 0;
}

int WalkedPath::Open(Descriptor& file) const {
  if (code_ != 0) return code_;
  struct stat st {};
  if (!Stat(st)) return IoCodeFromErrno(errno);
  if (Planted(st)) return kPlantedEntryCode;
  file =
      Descriptor(::openat(Folder(), name_.c_str(), O_RDONLY | O_NONBLOCK | O_NOFOLLOW | O_CLOEXEC));
  if (!file) return CodeOf(errno);
  if (Shared() && (::fstat(file.Get(), &st) != 0 || Planted(st))) {
    file = Descriptor();
    return kPlantedEntryCode;
  }
  return 0;
}

int WalkedPath::CodeOf(int err) const {
  return err == ELOOP && Shared() ? kPlantedEntryCode : IoCodeFromErrno(err);
}

}  // namespace orv
