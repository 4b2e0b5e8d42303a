#include "files/filelayer.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>
#include <algorithm>
#include <array>
#include <cerrno>
#include <cstdint>
#include <optional>
#include <string>

#include "base/strings.h"
#include "base/utf8.h"
#include "files/descriptor.h"
#include "files/folderlisting.h"
#include "files/pathwalk.h"

namespace orv {
namespace {

// A write that fails without a more precise reason is a disk write error.
int WriteCode(int err) {
  const int code = IoCodeFromErrno(err);
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

// Opens a new temporary file beside the file name in folder, locked while it
// is written; its name starts with "." so folder listings of the program do
// not show it while it exists.
Descriptor OpenTemporary(int folder, const std::string& name, std::string& tempName, mode_t mode) {
  static unsigned counter = 0;
  // The name is shortened so the temporary name stays within the file system's limit.
  const std::string stem = "." + name.substr(0, 200) + ".";
  for (int attempt = 0; attempt < 100; ++attempt) {
    tempName = stem + std::to_string(::getpid()) + "-" + std::to_string(++counter) + ".tmp";
    Descriptor fd(::openat(folder, tempName.c_str(),
                           O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, mode));
    if (!fd) {
      if (errno != EEXIST) return fd;
      continue;
    }
    if (LockTemporary(fd.Get())) return fd;
  }
  errno = EEXIST;
  return Descriptor();
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
void RemoveStaleTemporaries(int folder) {
  FolderListing listing(folder, ".");
  while (const char* entry = listing.Next()) {
    if (!IsTemporaryName(entry)) continue;
    const Descriptor file(::openat(folder, entry, O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC));
    if (!file || ::flock(file.Get(), LOCK_EX | LOCK_NB) != 0) continue;
    // The name must still be the file that was locked: a save may have
    // renamed it into place meanwhile.
    struct stat locked {};
    struct stat named {};
    if (::fstat(file.Get(), &locked) == 0 && S_ISREG(locked.st_mode) &&
        ::fstatat(folder, entry, &named, AT_SYMLINK_NOFOLLOW) == 0 &&
        named.st_dev == locked.st_dev && named.st_ino == locked.st_ino) {
      ::unlinkat(folder, entry, 0);
    }
  }
}

// A file the account may not write is not replaced by a rename either. A
// file without any write permission is write-protected for every account,
// as a read-only file is on Windows, the super user's included.
bool IsWriteProtected(const WalkedPath& file, const struct stat& st) {
  return (st.st_mode & 0222) == 0 ||
         ::faccessat(file.Folder(), file.Name().c_str(), W_OK, AT_EACCESS) != 0;
}

// Makes a file in a folder of status folder private, starting from mode:
// others lose the right to read and write it, and so does the group, unless
// the folder is shared by its group; then the file goes to that group. The
// other bits of mode stay.
void MakePrivate(int fd, const struct stat& folder, mode_t mode) {
  const bool shared = (folder.st_mode & (S_ISGID | S_IWGRP)) != 0;
  if (shared && ::fchown(fd, static_cast<uid_t>(-1), folder.st_gid) != 0) {
    // Only a member of the folder's group may give the file to it.
  }
  const mode_t denied = S_IROTH | S_IWOTH | (shared ? 0 : S_IRGRP | S_IWGRP);
  ::fchmod(fd, mode & 07777 & ~denied);
}

// What a new private file may be at most: read and write for its owner and group.
constexpr mode_t kNewPrivateMode = 0660;

void SyncFolder(int folder) {
  const Descriptor fd(::openat(folder, ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC));
  if (fd) ::fsync(fd.Get());
}

constexpr std::array<char16_t, 32> kCp1252High{
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

}  // namespace

std::string NativePath(std::string_view path) {
  return WalkedPath(path, WalkedPath::LastLink::Keep).Native();
}

int IoCodeFromErrno(int err) {
  switch (err) {
    case 0:
      return 0;
    case ENOENT:
      return 2;
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
  const WalkedPath walked(path);
  if (walked.Code() != 0) return walked.Code();
  // A device is not even opened: opening one may start it.
  struct stat st {};
  if (!walked.Stat(st)) return IoCodeFromErrno(errno);
  if (walked.Planted(st)) return kPlantedEntryCode;
  if (const int code = ReadableCode(st, limit); code != 0) return code;
  Descriptor file;
  if (const int code = walked.Open(file); code != 0) return code;
  if (::fstat(file.Get(), &st) != 0) return IoCodeFromErrno(errno);
  if (const int code = ReadableCode(st, limit); code != 0) return code;
  bytes.reserve(static_cast<std::size_t>(st.st_size));
  std::array<char, 65536> chunk{};
  for (;;) {
    ssize_t n = ::read(file.Get(), chunk.data(), chunk.size());
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
  // Saving through a link of a private folder replaces the file it points
  // to, not the link; in a shared folder a link is refused.
  const WalkedPath target(path);
  if (target.Code() != 0) return target.Code();
  struct stat old {};
  const bool hadOld = target.Stat(old);
  if (!hadOld && errno != ENOENT) return IoCodeFromErrno(errno);
  if (hadOld && target.Planted(old)) return kPlantedEntryCode;
  // A folder in the file's place is refused too; in a shared folder, as a planted one.
  if (hadOld && S_ISDIR(old.st_mode)) return target.Shared() ? kPlantedEntryCode : 5;
  if (hadOld && IsWriteProtected(target, old)) return 5;
  const int folder = target.Folder();
  RemoveStaleTemporaries(folder);

  std::string temp;
  const bool isPrivate = access == FileAccess::Private && !hadOld;
  Descriptor file = OpenTemporary(folder, target.Name(), temp, isPrivate ? 0600 : 0666);
  if (!file) return IoCodeFromErrno(errno);
  // A second descriptor keeps the temporary file's lock past the close below until the rename.
  const Descriptor lock(::fcntl(file.Get(), F_DUPFD_CLOEXEC, 0));
  if (isPrivate) MakePrivate(file.Get(), target.FolderStatus(), kNewPrivateMode);
  int code = 0;
  if (!WriteAll(file.Get(), bytes) || ::fsync(file.Get()) != 0) code = WriteCode(errno);
  if (code == 0 && hadOld) {
    // The new file keeps the old one's permissions and owner.
    ::fchmod(file.Get(), old.st_mode & 07777);
    // Only a privileged saver may give the file away; others keep it as
    // their own, but in the old file's group (a member may give it that),
    // so a file of the teachers' group does not fall to the folder's group.
    if ((old.st_uid != ::geteuid() || old.st_gid != ::getegid()) &&
        ::fchown(file.Get(), old.st_uid, old.st_gid) != 0 &&
        ::fchown(file.Get(), static_cast<uid_t>(-1), old.st_gid) != 0) {
      // Not a member of that group: the file keeps the folder's.
    }
    // A private file made readable by every account (by an older program,
    // say) becomes private with this save.
    if (access == FileAccess::Private) MakePrivate(file.Get(), target.FolderStatus(), old.st_mode);
  }
  if (file.Close() != 0 && code == 0) code = WriteCode(errno);
  // Renamed within the folder walked: a link put in the target's place
  // meanwhile is replaced, not followed.
  if (code == 0 && ::renameat(folder, temp.c_str(), folder, target.Name().c_str()) != 0) {
    code = IoCodeFromErrno(errno);
  }
  if (code != 0) {
    ::unlinkat(folder, temp.c_str(), 0);
    return code;
  }
  SyncFolder(folder);
  return 0;
}

int MakeFilePrivate(std::string_view path) {
  const WalkedPath walked(path);
  Descriptor file;
  if (const int code = walked.Open(file); code != 0) return code;
  MakePrivate(file.Get(), walked.FolderStatus(), kNewPrivateMode);
  return 0;
}

void MakeOpenFilePrivate(int fd, const struct stat& folder) {
  MakePrivate(fd, folder, kNewPrivateMode);
}

int KeepFilePrivate(std::string_view path) {
  const WalkedPath walked(path);
  Descriptor file;
  if (const int code = walked.Open(file); code != 0) return code;
  struct stat st {};
  if (::fstat(file.Get(), &st) != 0) return IoCodeFromErrno(errno);
  MakePrivate(file.Get(), walked.FolderStatus(), st.st_mode);
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
