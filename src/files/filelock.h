#pragma once
// The lock that programs on one computer or on several take before they
// change a file they share: the password file, a user's start-up and
// position files. It is an fcntl lock on a lock file beside the file, named
// "." + the file's name + ".lock", which is never replaced or removed:
// - a lock file, because every save replaces the file itself by a rename,
//   and a lock on the file replaced would exclude nobody who opens the new one;
// - fcntl, because NFS and SMB carry fcntl locks to the server, so programs
//   on other computers honour them too (flock() stayed on one computer on
//   NFS before Linux 2.6.12 and on SMB before 5.5);
// - an open-file-description (OFD) lock, because it belongs to this opening
//   of the lock file, not to the process: two users of the lock in one
//   process exclude each other, and closing some other descriptor of the
//   file does not drop the lock as it would drop a process's fcntl lock.
#include <chrono>
#include <string>
#include <string_view>

#include "files/descriptor.h"
#include "files/safesave.h"

namespace orv {

// The I/O code of a lock that another program held for the whole wait.
inline constexpr int kFileLockedCode = 604;

// How long a change waits for a lock that another program holds; holders
// keep it only to read, change and write one file.
inline constexpr std::chrono::milliseconds kFileLockWait{30000};

class FileLock {
 public:
  // Takes the lock of the file at path, waiting up to wait while another
  // holds it. A new lock file gets the permissions of the file it guards,
  // or those of a new file of access while that file does not exist, so
  // every account that may write the file may lock it.
  explicit FileLock(std::string_view path, FileAccess access = FileAccess::Shared,
                    std::chrono::milliseconds wait = kFileLockWait);
  ~FileLock();
  FileLock(const FileLock&) = delete;
  FileLock& operator=(const FileLock&) = delete;

  // 0 while the lock is held, and where the file system keeps no locks at
  // all (the file is then written as before, unlocked); otherwise the I/O
  // code of the lock file, or kFileLockedCode.
  int Code() const { return code_; }

 private:
  Descriptor fd_;
  int code_ = 0;
};

}  // namespace orv
