#include "files/filelock.h"

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>
#include <chrono>
#include <memory>
#include <string>
#include <vector>

#include "files/safesave.h"
#include "support/temp_dir.h"

namespace orv {
namespace {

using std::chrono::milliseconds;

TEST(FileLock, TwoHoldersInOneProcessExcludeEachOther) {
  test::TempDir dir;
  const std::string path = dir.Write("KVXS1.KVX", "");
  auto first = std::make_unique<FileLock>(path, FileAccess::Private);
  ASSERT_EQ(first->Code(), 0);
  // Another spelling of the same file is the same lock.
  EXPECT_EQ(FileLock(dir.Str() + "kvxs1.kvx", FileAccess::Private, milliseconds{20}).Code(),
            kFileLockedCode);
  first.reset();
  EXPECT_EQ(FileLock(path, FileAccess::Private, milliseconds{20}).Code(), 0);
}

TEST(FileLock, EveryAccountThatMayWriteTheFileMayLockIt) {
  // An account's usual umask takes the group's writing from what it makes.
  const mode_t umask = ::umask(022);
  for (const mode_t mode : {0660, 0666}) {
    test::TempDir dir;
    const std::string path = dir.Write("ORV.CON", "x");
    ::chmod(path.c_str(), mode);
    ASSERT_EQ(FileLock(path, FileAccess::Private).Code(), 0);
    struct stat st {};
    ASSERT_EQ(::stat((dir.Str() + ".ORV.CON.lock").c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, mode) << std::oct << mode;
  }
  ::umask(umask);
}

TEST(FileLock, ALockFileRootMakesBelongsToTheFilesOwner) {
  if (::geteuid() != 0) GTEST_SKIP() << "only root may give a file to another account";
  test::TempDir dir;
  const std::string path = dir.Write("KVXS1.KVX", "x");
  ASSERT_EQ(::chown(path.c_str(), 4321, 4322), 0);
  ASSERT_EQ(FileLock(path, FileAccess::Private).Code(), 0);
  struct stat st {};
  ASSERT_EQ(::stat((dir.Str() + ".KVXS1.KVX.lock").c_str(), &st), 0);
  EXPECT_EQ(st.st_uid, 4321u);
  EXPECT_EQ(st.st_gid, 4322u);
}

}  // namespace
}  // namespace orv
