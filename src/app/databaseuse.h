#pragma once
// The one start of every program and command that opens a score database:
// the shared folder joined, the engine given the program directory's root
// and lock folder before the client library is first used, and the account
// taken from the configuration. Every attachment checks that the engine was
// prepared, so no process can open a database of the program directory with
// a lock table of its own (two engines with separate lock tables writing one
// file corrupt it).
#include <string>

#include "scores/firebird/dbaccount.h"

namespace orv {

struct ProgramPaths;

class DatabaseUse {
 public:
  // For the paths' program directory. Raises E_Orv_Error for an
  // account outside the shared folder's group, a lock folder that cannot be
  // made, and an account text the engine cannot take.
  explicit DatabaseUse(const ProgramPaths& paths);
  // The super user's engine hands the lock files back to the folder.
  ~DatabaseUse();
  DatabaseUse(DatabaseUse&& other) noexcept;
  DatabaseUse& operator=(DatabaseUse&&) = delete;
  DatabaseUse(const DatabaseUse&) = delete;
  DatabaseUse& operator=(const DatabaseUse&) = delete;

  // The configured account, for everything this process attaches.
  const DbAccount& Account() const { return account_; }

 private:
  DbAccount account_;
  std::string handBack_;  // the lock folder to hand back at the end, if any
};

}  // namespace orv
