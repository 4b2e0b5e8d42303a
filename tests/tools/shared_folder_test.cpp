// A program directory shared by a group as the package shares it, with two
// real accounts of the computer in the group: what learner A plants in the
// shared folders (links, a pipe) makes learner B's program follow nothing,
// tell B, and leave every file of B's, and the password file, as they were.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>

#include "files/dos.h"
#include "files/errortext.h"
#include "files/filelock.h"
#include "files/pathwalk.h"
#include "files/safesave.h"
#include "files/userfolder.h"
#include "lists/buffers.h"
#include "support/program_directory.h"
#include "support/run_program.h"
#include "support/temp_dir.h"
#include "support/test_accounts.h"

namespace orv::test {
namespace {

namespace fs = std::filesystem;

constexpr std::size_t kA = 0;
constexpr std::size_t kB = 1;

// B's program's answer as an exit code: 0 refused with the planted entry's
// code (a raised error naming it too), 1 done, 2 any other code.
int Refusal(const std::function<int()>& use) {
  try {
    const int code = use();
    return code == kPlantedEntryCode ? 0 : code == 0 ? 1 : 2;
  } catch (const E_Dos_Error& e) {
    return std::string(e.what()).find(ErrorText(kPlantedEntryCode)) != std::string::npos ? 0 : 2;
  }
}

BufferO Lines(const char* line) {
  BufferO lines;
  lines.Add(line);
  return lines;
}

class SharedFolder : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!accounts.Problem().empty()) GTEST_SKIP() << accounts.Problem();
    fs::permissions(dir.Path(), fs::perms(0755));
    // As the package makes it: root's, the group may write it, and what is
    // made inside goes to the group.
    ASSERT_EQ(::mkdir(home.c_str(), 02770), 0);
    ASSERT_EQ(::chown(home.c_str(), 0, accounts.GroupId()), 0);
    ASSERT_EQ(::chmod(home.c_str(), 02770), 0);
    const mode_t mask = ::umask(007);
    const ProgramRun init = RunProgram(ORVC_PATH, InitArguments(home));
    ::umask(mask);
    ASSERT_EQ(init.exitCode, 0) << init.err;
    bHome = accounts.Home(kB);
    victim = bHome + "/.profile";
    bFolder = home + "User/" + accounts.Name(kB) + ".DIR/";
    // B's own file, and B's folder as B's first log-in makes it.
    ASSERT_EQ(accounts.As(kB,
                          [&] {
                            std::ofstream(victim) << "B's own profile\n";
                            MakeUsersFolder(home);
                            return MakeFile(bFolder + "ORV.CON");
                          }),
              0);
  }

  // What must not change: B's file, what B's home holds, the password file.
  std::string Untouchable() const {
    std::string all = FileContents(victim) + FileContents(home + "KVXS1.KVX");
    for (const auto& entry : fs::directory_iterator(bHome)) all += entry.path().string() + "\n";
    return all;
  }

  TempDir dir;
  TestAccounts accounts{{"a", "b"}, MadeFolder(dir.Str() + "homes")};
  const std::string home = dir.Str() + "home/";
  std::string bHome;
  std::string victim;
  std::string bFolder;
};

TEST_F(SharedFolder, NothingAMemberPlantsIsFollowedByAnothersProgram) {
  const std::string kid = home + "User/kid.DIR";
  struct Door {
    const char* what;
    std::string planted;         // the entry A makes, removed after the case
    std::function<int()> plant;  // as A
    std::function<int()> use;    // as B: the program's call, its I/O code
  };
  const std::vector<Door> doors{
      {"the last user's file, a link to B's file", home + "LastUser.Kvx",
       [&] { return ::symlink(victim.c_str(), (home + "LastUser.Kvx").c_str()); },
       [&] { return SaveToFile(Lines("B"), home + "LastUser.Kvx"); }},
      {"the last user's file, a link to the password file", home + "LastUser.Kvx",
       [&] { return ::symlink((home + "KVXS1.KVX").c_str(), (home + "LastUser.Kvx").c_str()); },
       [&] { return SaveToFile(Lines("B"), home + "LastUser.Kvx"); }},
      {"a start-up file link in a user's folder that A made", kid,
       [&] {
         return ::mkdir(kid.c_str(), 0770) | ::symlink(victim.c_str(), (kid + "/ORV.CON").c_str());
       },
       [&] {
         return SaveToFileLocked(Lines("WORDS0.ORV"), kid + "/ORV.CON", FileAccess::Private);
       }},
      {"a position file link in B's folder", bFolder + "WORDS0.POS",
       [&] { return ::symlink(victim.c_str(), (bFolder + "WORDS0.POS").c_str()); },
       [&] { return SaveToFileLocked(Lines("1"), bFolder + "WORDS0.POS"); }},
      {"a user's folder, a link to B's home", kid,
       [&] { return ::symlink(bHome.c_str(), kid.c_str()); },
       [&] { return MakeFile(kid + "/ORV.CON"); }},
      {"a lock file link in B's folder", bFolder + ".WORDS1.POS.lock",
       [&] { return ::symlink(victim.c_str(), (bFolder + ".WORDS1.POS.lock").c_str()); },
       [&] { return SaveToFileLocked(Lines("1"), bFolder + "WORDS1.POS"); }},
      {"a pipe as a position file, erased under its lock", bFolder + "WORDS2.POS",
       [&] { return ::mkfifo((bFolder + "WORDS2.POS").c_str(), 0660); },
       [&] {
         const FileLock lock(bFolder + "WORDS2.POS");
         return lock.Code() != 0 ? lock.Code() : EraseFile(bFolder + "WORDS2.POS");
       }},
      {"an erase in a group folder linked to B's home", bFolder + "ann.orv",
       [&] { return ::symlink(bHome.c_str(), (bFolder + "ann.orv").c_str()); },
       [&] { return EraseFile(bFolder + "ann.orv/.profile"); }},
  };
  for (const Door& door : doors) {
    SCOPED_TRACE(door.what);
    const std::string before = Untouchable();
    ASSERT_EQ(accounts.As(kA, door.plant), 0) << "A could not plant it";
    EXPECT_EQ(accounts.As(kB, [&] { return Refusal(door.use); }), 0);
    EXPECT_EQ(Untouchable(), before);
    fs::remove_all(door.planted);
  }
}

TEST_F(SharedFolder, OrvcRefusesAPasswordFilePlantedAsALink) {
  const std::string passwords = home + "KVXS1.KVX";
  ASSERT_EQ(accounts.As(kA,
                        [&] {
                          return std::rename(passwords.c_str(), (home + "old.kvx").c_str()) |
                                 ::symlink(victim.c_str(), passwords.c_str());
                        }),
            0);
  const ProgramRun add = RunProgram(
      "/usr/bin/setpriv", {"--reuid=" + accounts.Name(kB), "--regid=" + accounts.Group(),
                           "--init-groups", ORVC_PATH, "--home", home, "users", "add", "kid"});
  EXPECT_NE(add.exitCode, 0);
  EXPECT_NE(add.err.find(ErrorText(kPlantedEntryCode)), std::string::npos) << add.err;
  EXPECT_NE(add.err.find(passwords), std::string::npos) << add.err;
  EXPECT_EQ(FileContents(victim), "B's own profile\n");
}

TEST_F(SharedFolder, NoMemberRemovesOrReplacesAnothersEntries) {
  for (const std::string& folder : {home + "User", bFolder}) {
    struct stat st {};
    ASSERT_EQ(::stat(folder.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & (S_ISGID | S_ISVTX), S_ISGID | S_ISVTX) << folder;
  }
  const std::string own = bFolder + "ORV.CON";
  EXPECT_EQ(accounts.As(kA,
                        [&] {
                          const std::string mine = bFolder + "mine";
                          std::ofstream(mine) << "A's";
                          const bool refused =
                              ::unlink(own.c_str()) != 0 && errno == EPERM &&
                              std::rename(mine.c_str(), own.c_str()) != 0 && errno == EPERM &&
                              std::rename(bFolder.c_str(), (home + "User/x").c_str()) != 0 &&
                              errno == EPERM;
                          return refused ? 0 : 1;
                        }),
            0);
  EXPECT_TRUE(fs::is_regular_file(own));
}

}  // namespace
}  // namespace orv::test
