#include "app/databaseuse.h"

#include <unistd.h>

#include <utility>

#include "app/dbaccountconfig.h"
#include "app/programpaths.h"
#include "app/registry.h"
#include "app/sharedhome.h"
#include "scores/firebird/engineroot.h"

namespace orv {

DatabaseUse::DatabaseUse(const ProgramPaths& paths) {
  const std::string& programDir = paths.programDir;
  JoinSharedHome(programDir);
  const std::string lock = SharedLockFolder(programDir);
  const EngineFolders folders = PrepareEngine(programDir, lock);
  if (::geteuid() == 0 && !lock.empty() && folders.lock == lock) {
    handBack_ = lock;
    // What a super user's process left before (one that crashed, say).
    HandLockFilesToFolder(lock);
  }
  account_ = ConfiguredDatabaseAccount(std::string(kMachineIni), RegistryFile(paths),
                                       std::string(kTeachersIni));
}

DatabaseUse::~DatabaseUse() {
  if (!handBack_.empty()) HandLockFilesToFolder(handBack_);
}

DatabaseUse::DatabaseUse(DatabaseUse&& other) noexcept
    : account_(std::move(other.account_)), handBack_(std::exchange(other.handBack_, {})) {}

}  // namespace orv
