#include "files/filelock.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <memory>
#include <thread>

namespace orv {
namespace {

using std::chrono::milliseconds;
using std::chrono::steady_clock;

// The file a save replaces: a save follows links, so the lock does too.
std::string GuardedFile(std::string_view path) {
  const std::string native = NativePath(path);
  const std::unique_ptr<char, decltype(&std::free)> real(::realpath(native.c_str(), nullptr),
                                                         &std::free);
  return real ? std::string(real.get()) : native;
}

// "." + name + ".lock" beside the file, the name shortened as a temporary
// file's is so that it stays within the file system's limit.
std::string LockFileOf(const std::string& guarded) {
  const std::size_t slash = guarded.find_last_of('/');
  const std::size_t name = slash == std::string::npos ? 0 : slash + 1;
  return guarded.substr(0, name) + "." + guarded.substr(name, 200) + ".lock";
}

// Opens the lock file for writing, which an fcntl write lock needs; a new
// one is given the owner, group and permissions of the file it guards (the
// umask must not take from it what the file allows, and a lock file that
// root made must not shut out the file's own accounts).
int OpenLockFile(const std::string& lockPath, const std::string& guarded, FileAccess access) {
  for (;;) {
    int fd = ::open(lockPath.c_str(), O_RDWR | O_CLOEXEC | O_NOFOLLOW);
    if (fd >= 0 || errno != ENOENT) return fd;
    struct stat target {};
    const bool hasTarget = ::stat(guarded.c_str(), &target) == 0;
    const bool isPrivate = access == FileAccess::Private && !hasTarget;
    fd = ::open(lockPath.c_str(), O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW,
                isPrivate ? 0600 : 0666);
    if (fd < 0) {
      if (errno == EEXIST) continue;  // another program made it meanwhile
      return fd;
    }
    if (hasTarget) {
      if (::fchown(fd, target.st_uid, target.st_gid) != 0 &&
          ::fchown(fd, static_cast<uid_t>(-1), target.st_gid) != 0) {
        // Only a member of the file's group may give the lock file to it.
      }
      ::fchmod(fd, target.st_mode & 0666);
    } else if (isPrivate) {
      MakeFilePrivate(lockPath);
    }
    return fd;
  }
}

// True when the error says the file system keeps no locks (NFS mounted
// without a lock service, a file system without OFD locks).
bool NoLocksHere(int err) {
  return err == ENOLCK || err == EINVAL || err == EOPNOTSUPP || err == ENOSYS;
}

}  // namespace

FileLock::FileLock(std::string_view path, FileAccess access, milliseconds wait) {
  const std::string guarded = GuardedFile(path);
  const std::string lockPath = LockFileOf(guarded);
  fd_ = OpenLockFile(lockPath, guarded, access);
  if (fd_ < 0) {
    code_ = IoCodeForPath(errno, lockPath);
    return;
  }
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
    if (::fcntl(fd_, F_OFD_SETLK, &whole) == 0) return;
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
  ::close(fd_);
  fd_ = -1;
}

FileLock::~FileLock() {
  // Closing the only descriptor of this opening releases its lock.
  if (fd_ >= 0) ::close(fd_);
}

}  // namespace orv
