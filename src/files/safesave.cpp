#include "files/safesave.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <string>

#include "base/strings.h"
#include "files/descriptor.h"
#include "files/filelayer.h"
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

}  // namespace

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

}  // namespace orv
