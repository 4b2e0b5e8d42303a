#include "app/sharedhome.h"

#include <fcntl.h>
#include <grp.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <utility>

#include "app/databaseuse.h"
#include "app/programpaths.h"
#include "base/errors.h"
#include "support/temp_dir.h"

namespace orv {
namespace {

namespace fs = std::filesystem;

TEST(SharedHome, OnlyTheInstalledProgramUsesTheMachinesFolder) {
  const struct {
    std::string exeFolder;
    std::string home;
  } cases[] = {
      {"/usr/bin/", "/var/lib/orv/"},
      {"/usr/local/bin/", "/usr/local/bin/"},
      {"/home/ann/orv/build/src/", "/home/ann/orv/build/src/"},
      {"/usr/bin/orv/", "/usr/bin/orv/"},
  };
  for (const auto& c : cases)
    EXPECT_EQ(DefaultProgramDirectory(c.exeFolder), c.home) << c.exeFolder;
}

constexpr uid_t kNobody = 65534;
constexpr gid_t kNoGroup = 65534;

// Runs what in a child process that is the account nobody (group nogroup)
// with the umask 022, and hands back the text it writes.
template <typename What>
std::string AsNobody(What what) {
  int out[2];
  if (::pipe(out) != 0) return "no pipe";
  const pid_t child = ::fork();
  if (child == 0) {
    ::close(out[0]);
    ::umask(022);
    if (::setgroups(0, nullptr) != 0 || ::setgid(kNoGroup) != 0 || ::setuid(kNobody) != 0) {
      ::_exit(2);
    }
    const std::string text = what();
    const bool written = ::write(out[1], text.data(), text.size()) == ssize_t(text.size());
    ::_exit(written ? 0 : 3);
  }
  ::close(out[1]);
  std::string text;
  char chunk[512];
  for (ssize_t n; (n = ::read(out[0], chunk, sizeof chunk)) > 0;) text.append(chunk, n);
  ::close(out[0]);
  int status = 0;
  ::waitpid(child, &status, 0);
  EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "the child failed";
  return text;
}

class SharedHomeAccount : public ::testing::Test {
 protected:
  void SetUp() override {
    if (::geteuid() != 0) GTEST_SKIP() << "changing accounts needs the super user";
    fs::permissions(dir.Path(), fs::perms(0755));
    fs::create_directory(home());
  }
  // The shared folder: the group's members may write, the set-group-ID bit
  // hands what is made to the group.
  void Share(gid_t group, mode_t mode = 02775) const {
    ASSERT_EQ(::chown(home().c_str(), 0, group), 0);
    ASSERT_EQ(::chmod(home().c_str(), mode), 0);
  }
  std::string home() const { return dir.Str() + "orv/"; }
  test::TempDir dir;
};

TEST_F(SharedHomeAccount, AnAccountOutsideTheGroupIsToldWhatToAsk) {
  Share(0);
  const std::string problem = AsNobody([this] {
    try {
      JoinSharedHome(home());
      return std::string("let in");
    } catch (const E_Orv_Error& e) {
      return std::string(e.what());
    }
  });
  EXPECT_EQ(problem, "You (nobody) are not in the group \"root\" that shares Orv's folder " +
                         home() +
                         " among the accounts of this computer. Ask the computer's administrator "
                         "to add you (sudo adduser nobody root); it counts from your next log-in "
                         "to the computer.");
}

TEST_F(SharedHomeAccount, TheGroupsMembersAndUnsharedFoldersAreLetIn) {
  const struct {
    gid_t group;
    mode_t mode;
  } cases[] = {{kNoGroup, 02775}, {0, 0777}};
  for (const auto& c : cases) {
    Share(c.group, c.mode);
    EXPECT_EQ(AsNobody([this] { return SharedHomeProblem(home()); }), "") << c.mode;
  }
}

TEST_F(SharedHomeAccount, WhatAMemberMakesThereTheNextMemberMayWrite) {
  Share(kNoGroup);
  const std::string made = home() + "LastUser.Kvx";
  EXPECT_EQ(AsNobody([&] {
              ::unsetenv("FIREBIRD_LOCK");
              ProgramPaths paths;
              SetProgramDirectory(paths, home());
              const DatabaseUse databases(paths);
              const int fd = ::open(made.c_str(), O_CREAT | O_WRONLY, 0666);
              const char* lock = std::getenv("FIREBIRD_LOCK");
              return std::string(fd >= 0 && ::close(fd) == 0 ? "" : "not made ") +
                     (lock != nullptr ? lock : "no lock folder");
            }),
            home() + "firebird/lock");
  for (const auto& [path, mode] :
       {std::pair{made, 0100664u}, {home() + "firebird/lock", 042775u}}) {
    struct stat info {};
    ASSERT_EQ(::stat(path.c_str(), &info), 0) << path;
    EXPECT_EQ(info.st_mode & 0177777, mode) << path;
    EXPECT_EQ(info.st_gid, kNoGroup) << path;
  }
}

TEST_F(SharedHomeAccount, TheSuperUserHandsTheLockFilesBackButFollowsNoLink) {
  Share(kNoGroup, 02770);
  const std::string lock = home() + "lock/";
  fs::create_directory(lock);
  ASSERT_EQ(::chown(lock.c_str(), 0, kNoGroup), 0);
  // As the engine leaves them for the super user: another account's and
  // group's (daemon's here), closed to the folder's group.
  constexpr gid_t kDaemon = 1;
  const std::string outside = dir.Write("outside", "x");
  const std::string lockFile = dir.Write("orv/lock/fb_init", "");
  ASSERT_EQ(::mkfifo((lock + "fifo").c_str(), 0600), 0);
  fs::create_symlink(outside, lock + "link");
  for (const std::string& path : {outside, lockFile, lock + "fifo"}) {
    ASSERT_EQ(::chown(path.c_str(), kNobody, kDaemon), 0);
    ASSERT_EQ(::chmod(path.c_str(), 0600), 0);
  }
  HandLockFilesToFolder(lock);
  const struct {
    std::string path;
    uid_t owner;
    gid_t group;
    mode_t mode;
  } cases[] = {
      {lockFile, 0, kNoGroup, 0660},
      {outside, kNobody, kDaemon, 0600},
      {lock + "fifo", kNobody, kDaemon, 0600},
  };
  for (const auto& c : cases) {
    struct stat info {};
    ASSERT_EQ(::stat(c.path.c_str(), &info), 0) << c.path;
    EXPECT_EQ(info.st_uid, c.owner) << c.path;
    EXPECT_EQ(info.st_gid, c.group) << c.path;
    EXPECT_EQ(info.st_mode & 07777, c.mode) << c.path;
  }
}

}  // namespace
}  // namespace orv
