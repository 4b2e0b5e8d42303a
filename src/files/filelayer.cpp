#include "files/filelayer.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>
#include <QString>
#include <algorithm>
#include <array>
#include <cerrno>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <optional>
#include <string>

#include "base/utf8.h"

namespace orv {
namespace {

bool Exists(const std::string& native) {
  struct stat st {};
  return ::lstat(native.c_str(), &st) == 0;
}

bool IsDir(const std::string& native) {
  struct stat st {};
  return ::stat(native.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

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

struct DirCloser {
  void operator()(DIR* d) const { ::closedir(d); }
};

// The entry of folder whose name equals name ignoring case. Among several
// (possible only on a case-sensitive file system) the first in byte order
// wins, so the choice does not depend on the order the folder lists them in.
std::optional<std::string> FindIgnoringCase(const std::string& folder, std::string_view name) {
  std::unique_ptr<DIR, DirCloser> dir(::opendir(folder.c_str()));
  if (!dir) return std::nullopt;
  std::optional<std::string> best;
  while (const dirent* entry = ::readdir(dir.get())) {
    std::string_view entryName(entry->d_name);
    if (SameIgnoringCase(entryName, name) && (!best || entryName < *best)) {
      best = std::string(entryName);
    }
  }
  return best;
}

std::string ParentOf(const std::string& native) {
  auto slash = native.find_last_of('/');
  if (slash == std::string::npos) return ".";
  if (slash == 0) return "/";
  return native.substr(0, slash);
}

std::string NameOf(const std::string& native) {
  auto slash = native.find_last_of('/');
  return slash == std::string::npos ? native : native.substr(slash + 1);
}

struct FdCloser {
  int fd;
  explicit FdCloser(int f) : fd(f) {}
  ~FdCloser() {
    if (fd >= 0) ::close(fd);
  }
  FdCloser(const FdCloser&) = delete;
  FdCloser& operator=(const FdCloser&) = delete;
  // Closes now and reports the error of the close itself.
  int Close() {
    int r = ::close(fd);
    fd = -1;
    return r;
  }
};

// A write that fails without a more precise reason is a disk write error.
int WriteCode(int err, const std::string& native) {
  int code = IoCodeForPath(err, native);
  return code == 100 ? 101 : code;
}

bool WriteAll(int fd, std::string_view bytes) {
  while (!bytes.empty()) {
    ssize_t n = ::write(fd, bytes.data(), bytes.size());
    if (n < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    bytes.remove_prefix(static_cast<std::size_t>(n));
  }
  return true;
}

// Takes the lock that marks a temporary file as being written. False when a
// save into the same folder removed the file as stale before the lock was
// taken. Where the file system has no locks, saves go on without them.
bool LockTemporary(int fd) {
  while (::flock(fd, LOCK_EX) != 0) {
    if (errno != EINTR) return true;
  }
  struct stat st {};
  return ::fstat(fd, &st) == 0 && st.st_nlink > 0;
}

// Opens a new temporary file beside target, locked while it is written; its
// name starts with "." so folder listings of the program do not show it
// while it exists.
int OpenTemporary(const std::string& target, std::string& tempPath, mode_t mode) {
  static unsigned counter = 0;
  // The name is shortened so the temporary name stays within the file system's limit.
  std::string stem = ParentOf(target) + "/." + NameOf(target).substr(0, 200) + ".";
  for (int attempt = 0; attempt < 100; ++attempt) {
    tempPath = stem + std::to_string(::getpid()) + "-" + std::to_string(++counter) + ".tmp";
    int fd = ::open(tempPath.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, mode);
    if (fd < 0) {
      if (errno != EEXIST) return fd;
      continue;
    }
    if (LockTemporary(fd)) return fd;
    ::close(fd);
  }
  errno = EEXIST;
  return -1;
}

bool AllDigits(std::string_view s) {
  return !s.empty() && std::all_of(s.begin(), s.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// Whether name has the form OpenTemporary gives: "." + file name + "." +
// process number + "-" + counter + ".tmp".
bool IsTemporaryName(std::string_view name) {
  constexpr std::string_view kTail = ".tmp";
  if (!name.starts_with('.') || !name.ends_with(kTail)) return false;
  name.remove_suffix(kTail.size());
  const std::size_t dot = name.find_last_of('.');
  if (dot == std::string_view::npos || dot < 2) return false;
  const std::string_view numbers = name.substr(dot + 1);
  const std::size_t dash = numbers.find('-');
  return dash != std::string_view::npos && AllDigits(numbers.substr(0, dash)) &&
         AllDigits(numbers.substr(dash + 1));
}

// Removes the temporary files that saves into folder left when they were
// ended half way. A save holds its temporary file's lock until the file has
// been renamed, so one whose lock can be taken is being written by nobody.
void RemoveStaleTemporaries(const std::string& folder) {
  std::unique_ptr<DIR, DirCloser> dir(::opendir(folder.c_str()));
  if (!dir) return;
  while (const dirent* entry = ::readdir(dir.get())) {
    if (!IsTemporaryName(entry->d_name)) continue;
    const std::string path = folder + "/" + entry->d_name;
    FdCloser file(::open(path.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC));
    if (file.fd < 0 || ::flock(file.fd, LOCK_EX | LOCK_NB) != 0) continue;
    // The name must still be the file that was locked: a save may have
    // renamed it into place meanwhile.
    struct stat locked {};
    struct stat named {};
    if (::fstat(file.fd, &locked) == 0 && S_ISREG(locked.st_mode) &&
        ::lstat(path.c_str(), &named) == 0 && named.st_dev == locked.st_dev &&
        named.st_ino == locked.st_ino) {
      ::unlink(path.c_str());
    }
  }
}

// A file the account may not write is not replaced by a rename either. A
// file without any write permission is write-protected for every account,
// as a read-only file is on Windows, the super user's included.
bool IsWriteProtected(const std::string& native, const struct stat& st) {
  return (st.st_mode & 0222) == 0 || ::faccessat(AT_FDCWD, native.c_str(), W_OK, AT_EACCESS) != 0;
}

// Makes a file in folder private, starting from mode: others lose the right
// to read and write it, and so does the group, unless the folder is shared by
// its group; then the file goes to that group. The other bits of mode stay.
void MakePrivate(int fd, const std::string& folder, mode_t mode) {
  struct stat dir {};
  const bool shared = ::stat(folder.c_str(), &dir) == 0 && (dir.st_mode & (S_ISGID | S_IWGRP)) != 0;
  if (shared && ::fchown(fd, static_cast<uid_t>(-1), dir.st_gid) != 0) {
    // Only a member of the folder's group may give the file to it.
  }
  const mode_t denied = S_IROTH | S_IWOTH | (shared ? 0 : S_IRGRP | S_IWGRP);
  ::fchmod(fd, mode & 07777 & ~denied);
}

// What a new private file may be at most: read and write for its owner and group.
constexpr mode_t kNewPrivateMode = 0660;

void SyncFolder(const std::string& folder) {
  int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return;
  ::fsync(fd);
  ::close(fd);
}

constexpr std::array<char16_t, 32> kCp1252High{
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

}  // namespace

std::string NativePath(std::string_view path) {
  std::string p(path);
  std::replace(p.begin(), p.end(), '\\', '/');
  if (p.empty() || Exists(p)) return p;

  std::string out;
  std::size_t i = 0;
  if (p[0] == '/') {
    out = "/";
    i = 1;
  }
  bool resolving = true;
  while (i <= p.size()) {
    std::size_t j = std::min(p.find('/', i), p.size());
    std::string_view part(p.data() + i, j - i);
    std::string candidate = out + std::string(part);
    if (resolving && !part.empty() && part != "." && part != ".." && !Exists(candidate)) {
      if (auto found = FindIgnoringCase(out.empty() ? "." : out, part)) {
        candidate = out + *found;
      } else {
        resolving = false;  // what follows does not exist yet: keep the spelling given
      }
    }
    out = std::move(candidate);
    if (j < p.size()) out += '/';
    i = j + 1;
  }
  return out;
}

int IoCodeFromErrno(int err, bool pathMissing) {
  switch (err) {
    case 0:
      return 0;
    case ENOENT:
      return pathMissing ? 3 : 2;
    case ENOTDIR:
    case ENAMETOOLONG:
    case ELOOP:
      return 3;
    case EMFILE:
    case ENFILE:
      return 4;
    case EACCES:
    case EPERM:
    case EEXIST:
    case EISDIR:
    case ENOTEMPTY:
    case ETXTBSY:
    case EINVAL:
      return 5;
    case EBADF:
      return 6;
    case ENOMEM:
      return 8;
    case EBUSY:
      return 16;
    case EXDEV:
      return 17;
    case EROFS:
      return 150;
    case ENODEV:
    case ENXIO:
      return 152;
    case ENOSPC:
    case EFBIG:
    case EDQUOT:
      return 101;
    default:
      return 100;
  }
}

int IoCodeForPath(int err, const std::string& native) {
  return IoCodeFromErrno(err, err == ENOENT && !IsDir(ParentOf(native)));
}

namespace {

// Why a file of this kind and size cannot be read whole, or 0 when it can.
int ReadableCode(const struct stat& st, std::size_t limit) {
  if (S_ISDIR(st.st_mode)) return 5;  // a folder cannot be opened as a file
  // A device or a pipe may never end, or never begin.
  if (!S_ISREG(st.st_mode)) return kNotAFileCode;
  return static_cast<std::uintmax_t>(st.st_size) > limit ? kFileTooLargeCode : 0;
}

}  // namespace

int ReadFileBytes(std::string_view path, std::string& bytes, std::size_t limit) {
  bytes.clear();
  std::string native = NativePath(path);
  // A device is not even opened: opening one may start it.
  struct stat named {};
  if (::stat(native.c_str(), &named) == 0 && !S_ISREG(named.st_mode)) {
    return ReadableCode(named, limit);
  }
  // Opening a pipe would wait for a writer; a regular file ignores O_NONBLOCK.
  FdCloser file(::open(native.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
  if (file.fd < 0) return IoCodeForPath(errno, native);
  struct stat st {};
  if (::fstat(file.fd, &st) != 0) return IoCodeFromErrno(errno);
  if (const int code = ReadableCode(st, limit); code != 0) return code;
  bytes.reserve(static_cast<std::size_t>(st.st_size));
  std::array<char, 65536> chunk{};
  for (;;) {
    ssize_t n = ::read(file.fd, chunk.data(), chunk.size());
    if (n < 0) {
      if (errno == EINTR) continue;
      int code = IoCodeFromErrno(errno);
      bytes.clear();
      return code;
    }
    if (n == 0) break;
    bytes.append(chunk.data(), static_cast<std::size_t>(n));
    // A file that grows while it is read, or whose size is not known
    // beforehand (those of /proc), is held to the limit too.
    if (bytes.size() > limit) {
      bytes.clear();
      return kFileTooLargeCode;
    }
  }
  return 0;
}

int ReadTextFile(std::string_view path, std::string& text) {
  std::string bytes;
  int code = ReadFileBytes(path, bytes);
  if (code != 0) {
    text.clear();
    return code;
  }
  if (IsValidUtf8(bytes)) {
    // A byte-order mark that Windows editors put first is not part of the text.
    if (bytes.starts_with("\xEF\xBB\xBF")) bytes.erase(0, 3);
    text = std::move(bytes);
  } else {
    text = Windows1252ToUtf8(bytes);
  }
  return 0;
}

int WriteFileSafely(std::string_view path, std::string_view bytes, FileAccess access) {
  std::string target = NativePath(path);
  if (target.empty()) return 2;
  // Saving through a link replaces the file it points to, not the link.
  std::unique_ptr<char, decltype(&std::free)> real(::realpath(target.c_str(), nullptr), &std::free);
  if (real) target = real.get();
  struct stat old {};
  bool hadOld = ::stat(target.c_str(), &old) == 0;
  if (hadOld && S_ISDIR(old.st_mode)) return 5;
  if (hadOld && IsWriteProtected(target, old)) return 5;
  std::string folder = ParentOf(target);
  if (!IsDir(folder)) return 3;
  RemoveStaleTemporaries(folder);

  std::string temp;
  const bool isPrivate = access == FileAccess::Private && !hadOld;
  FdCloser file(OpenTemporary(target, temp, isPrivate ? 0600 : 0666));
  if (file.fd < 0) return IoCodeForPath(errno, temp);
  // A second descriptor keeps the temporary file's lock past the close below until the rename.
  const FdCloser lock(::fcntl(file.fd, F_DUPFD_CLOEXEC, 0));
  if (isPrivate) MakePrivate(file.fd, folder, kNewPrivateMode);
  int code = 0;
  if (!WriteAll(file.fd, bytes) || ::fsync(file.fd) != 0) code = WriteCode(errno, temp);
  if (code == 0 && hadOld) {
    // The new file keeps the old one's permissions and owner.
    ::fchmod(file.fd, old.st_mode & 07777);
    if ((old.st_uid != ::geteuid() || old.st_gid != ::getegid()) &&
        ::fchown(file.fd, old.st_uid, old.st_gid) != 0) {
      // Only a privileged saver may give the file away; others keep it as their own.
    }
    // A private file made readable by every account (by an older program,
    // say) becomes private with this save.
    if (access == FileAccess::Private) MakePrivate(file.fd, folder, old.st_mode);
  }
  if (file.Close() != 0 && code == 0) code = WriteCode(errno, temp);
  if (code == 0 && ::rename(temp.c_str(), target.c_str()) != 0) code = IoCodeForPath(errno, target);
  if (code != 0) {
    ::unlink(temp.c_str());
    return code;
  }
  SyncFolder(folder);
  return 0;
}

int MakeFilePrivate(std::string_view path) {
  const std::string native = NativePath(path);
  FdCloser file(::open(native.c_str(), O_RDONLY | O_CLOEXEC));
  if (file.fd < 0) return IoCodeForPath(errno, native);
  MakePrivate(file.fd, ParentOf(native), kNewPrivateMode);
  return 0;
}

int KeepFilePrivate(std::string_view path) {
  const std::string native = NativePath(path);
  FdCloser file(::open(native.c_str(), O_RDONLY | O_CLOEXEC));
  struct stat st {};
  if (file.fd < 0 || ::fstat(file.fd, &st) != 0) return IoCodeForPath(errno, native);
  MakePrivate(file.fd, ParentOf(native), st.st_mode);
  return 0;
}

bool IsValidUtf8(std::string_view bytes) {
  char32_t cp = 0;
  for (std::size_t i = 0; i < bytes.size();) {
    // Plain ASCII, nearly every byte of a word list, needs no decoding.
    if (static_cast<unsigned char>(bytes[i]) < 0x80) {
      ++i;
      continue;
    }
    std::size_t len = DecodeUtf8(bytes, i, cp);
    if (len == 0) return false;
    i += len;
  }
  return true;
}

std::string Windows1252ToUtf8(std::string_view bytes) {
  std::string out;
  out.reserve(bytes.size() + bytes.size() / 4);
  for (char ch : bytes) {
    auto b = static_cast<unsigned char>(ch);
    if (b < 0x80) {
      out += ch;
    } else if (b < 0xA0) {
      AppendUtf8(out, kCp1252High[b - 0x80]);
    } else {
      AppendUtf8(out, b);
    }
  }
  return out;
}

std::optional<std::string> Utf8ToWindows1252(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  char32_t cp = 0;
  for (std::size_t i = 0; i < text.size();) {
    const std::size_t len = DecodeUtf8(text, i, cp);
    if (len == 0) return std::nullopt;
    i += len;
    if (cp < 0x80 || (cp >= 0xA0 && cp <= 0xFF)) {
      out += static_cast<char>(cp);
      continue;
    }
    const auto* found = std::find(kCp1252High.begin(), kCp1252High.end(), cp);
    if (found == kCp1252High.end()) return std::nullopt;
    out += static_cast<char>(0x80 + (found - kCp1252High.begin()));
  }
  return out;
}

}  // namespace orv
