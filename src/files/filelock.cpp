#include "files/filelock.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <algorithm>
#include <cerrno>
#include <thread>

#include "files/descriptor.h"
#include "files/filelayer.h"
#include "files/pathwalk.h"
#include "files/safesave.h"

namespace orv {
namespace {

using std::chrono::milliseconds;
using std::chrono::steady_clock;

// "." + name + ".lock", the name shortened as a temporary file's is so
// that it stays within the file system's limit.
std::string LockNameOf(const std::string& name) {
  return "." + name.substr(0, 200) + ".lock";
}

// Opens the lock file beside guarded (the file a save replaces, found as a
// save finds it) for writing, which an fcntl write lock needs; a new one is
// given the owner, group and permissions of the file it guards (the umask
// must not take from it what the file allows, and a lock file that root
// made must not shut out the file's own accounts). Returns the I/O code.
int OpenLockFile(const WalkedPath& guarded, FileAccess access, Descriptor& lock) {
  const int folder = guarded.Folder();
  const std::string name = LockNameOf(guarded.Name());
  for (;;) {
    lock = Descriptor(::openat(folder, name.c_str(), O_RDWR | O_NONBLOCK | O_CLOEXEC | O_NOFOLLOW));
    if (lock) {
      struct stat st {};
      if (guarded.Shared() && (::fstat(lock.Get(), &st) != 0 || !S_ISREG(st.st_mode))) {
        lock = Descriptor();
        return kPlantedEntryCode;
      }
      return 0;
    }
    if (errno != ENOENT) return guarded.CodeOf(errno);
    struct stat target {};
    const bool hasTarget = guarded.Stat(target);
    const bool isPrivate = access == FileAccess::Private && !hasTarget;
    lock = Descriptor(::openat(folder, name.c_str(),
                               O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW,
                               isPrivate ? 0600 : 0666));
    if (!lock) {
      if (errno == EEXIST) continue;  // another program made it meanwhile
      return IoCodeFromErrno(errno);
    }
    if (hasTarget) {
      if (::fchown(lock.Get(), target.st_uid, target.st_gid) != 0 &&
          ::fchown(lock.Get(), static_cast<uid_t>(-1), target.st_gid) != 0) {
        // Only a member of the file's group may give the lock file to it.
      }
      ::fchmod(lock.Get(), target.st_mode & 0666);
    } else if (isPrivate) {
      MakeOpenFilePrivate(lock.Get(), guarded.FolderStatus());
    }
    return 0;
  }
}

// True when the error says the file system keeps no locks (NFS mounted
// without a lock service, a file system without OFD locks).
bool NoLocksHere(int err) {
  return err == ENOLCK || err == EINVAL || err == EOPNOTSUPP || err == ENOSYS;
}

}  // namespace

FileLock::FileLock(std::string_view path, FileAccess access, milliseconds wait) {
  const WalkedPath guarded(path);
  code_ = guarded.Code();
  if (code_ == 0) code_ = OpenLockFile(guarded, access, fd_);
  if (code_ != 0) return;
  // The lock is asked for without blocking and asked again after a pause,
  // so that a program that never lets go ends the wait with a message. The
  // pauses are real time, not the program's clock: they wait for another
  // program, which a test's instant clock does not hurry.
  const steady_clock::time_point deadline = steady_clock::now() + wait;
  milliseconds pause{1};
  for (;;) {
    struct flock whole {};
    whole.l_type = F_WRLCK;
    whole.l_whence = SEEK_SET;
    if (::fcntl(fd_.Get(), F_OFD_SETLK, &whole) == 0) return;
    const int err = errno;
    if (err == EINTR) continue;
    if (err != EAGAIN && err != EACCES) {
      if (!NoLocksHere(err)) code_ = IoCodeFromErrno(err);
      break;
    }
    const steady_clock::time_point now = steady_clock::now();
    if (now >= deadline) {
      code_ = kFileLockedCode;
      break;
    }
    std::this_thread::sleep_for(std::min(
        pause, std::chrono::duration_cast<milliseconds>(deadline - now) + milliseconds{1}));
    pause = std::min(pause * 2, milliseconds{50});
  }
  fd_ = Descriptor();
}

// Closing the only descriptor of this opening releases its lock.
FileLock::~FileLock() = default;

}  // namespace orv
