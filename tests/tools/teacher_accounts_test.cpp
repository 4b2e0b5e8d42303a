// The program directory as the package's set-up shares it, with a learner's
// and a teacher's real account of the computer: every way the learner had to
// change the users, the lists or orv.ini is refused with nothing changed;
// the teacher's changes are made and leave the files readable to the
// learners and no more; and the super user's orvc reads no password file
// that orv.ini names outside the folder.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>
#include <fstream>
#include <functional>

#include "files/dos.h"
#include "files/filelayer.h"
#include "files/safesave.h"
#include "files/userfolder.h"
#include "files/writefailure.h"
#include "lists/buffers.h"
#include "support/program_directory.h"
#include "support/run_program.h"
#include "support/temp_dir.h"
#include "support/test_accounts.h"

namespace orv::test {
namespace {

namespace fs = std::filesystem;

constexpr std::size_t kLearner = 0;
constexpr std::size_t kTeacher = 1;

// The owner's and the group's ids and the mode; the owner of a saved file is who saved it.
std::string Status(const std::string& path) {
  struct stat st {};
  ::lstat(path.c_str(), &st);
  return std::to_string(st.st_gid) + " " + std::to_string(st.st_mode) + "\n";
}

class TeacherAccounts : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!accounts.Problem().empty()) GTEST_SKIP() << accounts.Problem();
    if (!fs::exists("/usr/bin/setfacl"))
      GTEST_SKIP() << "the set-up's setfacl (package acl) is missing";
    fs::permissions(dir.Path(), fs::perms(0755));
    ASSERT_EQ(::mkdir(home.c_str(), 02770), 0);
    const mode_t mask = ::umask(007);
    const ProgramRun init = RunProgram(ORVC_PATH, InitArguments(home));
    ::umask(mask);
    ASSERT_EQ(init.exitCode, 0) << init.err;
    ASSERT_EQ(RunProgram(ORVC_PATH, {"--home", home, "users", "add", "ANN"}).exitCode, 0);
    const ProgramRun share =
        RunProgram("/bin/sh", {"-c", ". \"$0\"; share_home \"$1\" \"$2\" \"$3\"", ORV_POSTINST,
                               home, accounts.Group(), accounts.TeachersGroup()});
    ASSERT_EQ(share.exitCode, 0) << share.err;
    for (const auto& entry : fs::recursive_directory_iterator(home + "orv.orv")) {
      if (entry.is_regular_file()) list = entry.path().string();
    }
    ASSERT_FALSE(list.empty());
  }

  // orvc run by a member's account, input on its standard input.
  ProgramRun Orvc(std::size_t member, const std::vector<std::string>& args,
                  const std::string& input = "x") const {
    const std::string group = member == kTeacher ? accounts.TeachersGroup() : accounts.Group();
    const char* script =
        "u=$1 g=$2; shift 2; echo \"$0\" | exec setpriv --reuid=$u --regid=$g --init-groups \"$@\"";
    std::vector<std::string> all{"-c", script, input, accounts.Name(member), group};
    all.insert(all.end(), {ORVC_PATH, "--home", home});
    all.insert(all.end(), args.begin(), args.end());
    return RunProgram("/bin/sh", all);
  }

  // What a learner must not change: the users, the settings, a list, and
  // who owns them with which rights.
  std::string Untouchable() const {
    std::string all;
    for (const std::string& path : {passwords, ini, list, home}) {
      all += path + Status(path) + (path == home ? "" : FileContents(path));
    }
    return all;
  }

  TempDir dir;
  TestAccounts accounts{{"a", "t"}, MadeFolder(dir.Str() + "homes"), {"t"}};
  const std::string home = dir.Str() + "home/";
  const std::string passwords = home + "KVXS1.KVX";
  const std::string ini = home + "orv.ini";
  std::string list;
};

TEST_F(TeacherAccounts, EveryDoorOfALearnersAccountIsShut) {
  const std::string toldTeacher = "Only a teacher's account of this computer can change";
  struct Door {
    const char* what;
    std::function<bool()> refused;  // in the learner's account, unless it starts orvc as it
    bool startsOrvc = false;
  };
  auto orvc = [&](const std::vector<std::string>& args, const std::string& told) {
    const ProgramRun run = Orvc(kLearner, args);
    return run.exitCode != 0 && run.err.find(told) != std::string::npos;
  };
  auto denied = [](bool failed) { return failed && (errno == EACCES || errno == EPERM); };
  const std::vector<Door> doors{
      {"orvc users set-level",
       [&] {
         return orvc({"users", "set-level", "ANN", "255"}, toldTeacher);
       },
       true},
      {"orvc users set-password ADMIN",
       [&] {
         return orvc({"users", "set-password", "ADMIN"}, toldTeacher);
       },
       true},
      {"orvc users add after a level-0 log-in",
       [&] {
         return orvc({"users", "add", "EVE", "--login", "ANN"}, "do not give level");
       },
       true},
      {"the password file written in place (blanking ADMIN's code)",
       [&] { return denied(::open(passwords.c_str(), O_WRONLY) < 0); }},
      {"orv.ini written (pasFile=/etc/shadow)",
       [&] { return denied(::open(ini.c_str(), O_WRONLY) < 0); }},
      {"a word list written", [&] { return denied(::open(list.c_str(), O_WRONLY) < 0); }},
      {"a file made to be renamed over the password file",
       [&] { return denied(::open((home + "mine").c_str(), O_CREAT | O_WRONLY, 0600) < 0); }},
      {"chmod 600 on the password file",
       [&] { return denied(::chmod(passwords.c_str(), 0600) != 0); }},
      {"the program's save of orv.ini, told as its windows tell it",
       [&] {
         const int code = WriteFileSafely(ini, "[x]\n", FileAccess::Private);
         return ChangeFailureText(ini, code, "the settings") ==
                toldTeacher + std::string(" the settings.");
       }},
  };
  for (const Door& door : doors) {
    SCOPED_TRACE(door.what);
    const std::string before = Untouchable();
    if (door.startsOrvc) {
      EXPECT_TRUE(door.refused());
    } else {
      EXPECT_EQ(accounts.As(kLearner, [&] { return door.refused() ? 0 : 1; }), 0);
    }
    EXPECT_EQ(Untouchable(), before);
  }
  // What the learner's account still does: read the users, and keep its
  // own files in its own folder.
  EXPECT_NE(Orvc(kLearner, {"users", "list"}).out.find("ANN"), std::string::npos);
  EXPECT_EQ(accounts.As(kLearner,
                        [&] {
                          MakeUsersFolder(home);
                          const std::string own = UserFolder(home, "ANN") + "ORV.CON";
                          BufferO start;
                          start.Add("WORDS0.ORV");
                          return MakePath(own) | SaveToFileLocked(start, own, FileAccess::Private);
                        }),
            0);
  // and leave its wrong log-ins in the record, where a teacher reads them.
  const ProgramRun guess = Orvc(kLearner, {"users", "check", "ADMIN"}, "guess");
  EXPECT_NE(guess.err.find("wrong user name"), std::string::npos) << guess.err << guess.out;
  EXPECT_EQ(accounts.As(kTeacher,
                        [&] {
                          const std::string record = FileContents(home + "Logins/LOGINS.LOG");
                          return record.find(accounts.Name(kLearner)) != std::string::npos &&
                                         record.find("\tADMIN") != std::string::npos
                                     ? 0
                                     : 1;
                        }),
            0);
}

// A teacher's save leaves the password file the teachers' group's, readable
// by the learners; orv.ini's pasFile, which a teacher may set, names no file
// outside the folder for root's orvc.
TEST_F(TeacherAccounts, ATeachersChangesKeepTheSetUpAndReachNoOtherFile) {
  const std::string before = Status(passwords);
  ASSERT_EQ(Orvc(kTeacher, {"users", "add", "KID"}).exitCode, 0);
  EXPECT_EQ(Orvc(kTeacher, {"users", "set-level", "KID", "10"}).exitCode, 0);
  EXPECT_EQ(Status(passwords), before);
  EXPECT_NE(Orvc(kLearner, {"users", "list"}).out.find("KID\t10"), std::string::npos);
  ASSERT_EQ(accounts.As(kTeacher,
                        [&] {
                          std::ofstream(ini, std::ios::app)
                              << "[Software/Quenby/Orv/7.0/Data]\npasFile=/etc/shadow\n";
                          return 0;
                        }),
            0);
  const ProgramRun run = RunProgram(ORVC_PATH, {"--home", home, "users", "list"});
  EXPECT_NE(run.exitCode, 0);
  EXPECT_EQ(run.out.find("root"), std::string::npos) << run.out;
  EXPECT_NE(run.err.find("does not name a file inside the program directory"), std::string::npos)
      << run.err;
}

}  // namespace
}  // namespace orv::test
