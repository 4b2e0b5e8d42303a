// orvc init makes a program directory the program can start in, and never
// replaces one.
#include <gtest/gtest.h>

#include <QProcess>
#include <QProcessEnvironment>
#include <filesystem>
#include <set>

#include "app/getuser.h"
#include "app/programpaths.h"
#include "app/registry.h"
#include "app/startupfile.h"
#include "scores/score_db_fixture.h"
#include "support/fake_dialogs.h"
#include "support/program_directory.h"
#include "support/temp_dir.h"
#include "support/test_users.h"
#include "users/password.h"

namespace orv::test {
namespace {

struct Outcome {
  int code;
  std::string out;
  std::string err;
};

Outcome Orvc(const QStringList& arguments,
             const QProcessEnvironment& environment = QProcessEnvironment::systemEnvironment()) {
  QProcess p;
  p.setProcessEnvironment(environment);
  p.setStandardInputFile(QProcess::nullDevice());
  p.start(QStringLiteral(ORVC_PATH), arguments);
  EXPECT_TRUE(p.waitForFinished(120000));
  return {p.exitCode(), p.readAllStandardOutput().toStdString(),
          p.readAllStandardError().toStdString()};
}

// orvc init on home with the test password.
Outcome Init(const std::string& home,
             const QProcessEnvironment& environment = QProcessEnvironment::systemEnvironment()) {
  QStringList arguments;
  for (const std::string& a : InitArguments(home)) arguments << QString::fromStdString(a);
  return Orvc(arguments, environment);
}

std::set<std::string> EntriesOf(const std::filesystem::path& folder) {
  std::set<std::string> names;
  for (const auto& entry : std::filesystem::directory_iterator(folder)) {
    names.insert(entry.path().filename());
  }
  return names;
}

TEST(OrvcInit, MakesListsUsersSettingsAndAnEmptyScoreDatabase) {
  ASSERT_FALSE(TestEngineRoot().empty());
  TempDir home;
  const Outcome run = Init(home.Str());
  ASSERT_EQ(run.code, 0) << run.err;

  EXPECT_FALSE(home.Read("orv.orv/words0.orv").empty());
  FakeDialogs dialogs;
  PasswordO users(home.Str(), "KVXS1.KVX", dialogs);
  ASSERT_EQ(users.UserCount(), 1);
  EXPECT_EQ(users.UserName(1), "ADMIN");
  EXPECT_EQ(users.ReadUser(1).level, 255);
  EXPECT_EQ(users.Authenticate("ADMIN", std::string(kTestAdminPassword)), 255);

  ProgramPaths paths;
  SetProgramDirectory(paths, home.Str());
  const std::string database = RegReadString(paths, kOrvKey, "scoreDB");
  EXPECT_EQ(database, home.Str() + "scoredb.gdb");
  EXPECT_EQ(OneValue(database, "select count(*) from score_tab"), "0");
  EXPECT_EQ(OneValue(database, "select cdate('02/01/2004', '01/01/2004') from rdb$database"), "1");
  // Other accounts may read neither the users, the scores nor the settings.
  for (const char* file : {"KVXS1.KVX", "scoredb.gdb", "orv.ini"}) {
    EXPECT_EQ(std::filesystem::status(home.Path() / file).permissions(),
              std::filesystem::perms::owner_read | std::filesystem::perms::owner_write)
        << file;
  }
}

// A learner's first start-up file takes the program directory's level for
// adding users: the teachers' level in one made by orvc init, 0 in an older
// one (no such value in its orv.ini), whose learners could always add users.
TEST(OrvcInit, InANewProgramDirectoryOnlyTeachersAddUsers) {
  struct Case {
    bool older;
    int level;
    std::string shown;
  };
  for (const Case& c : {Case{false, 10, "Access denied"}, Case{true, 0, "Input a Name"}}) {
    TempDir home;
    ASSERT_EQ(Init(home.Str()).code, 0);
    if (c.older) {
      std::string ini = home.Read("orv.ini");
      ini.erase(ini.find("addUserPasLev=10"), std::string("addUserPasLev=10").size());
      home.Write("orv.ini", ini);
    }
    FakeDialogs dialogs;
    StartedProgram started = StartUp(dialogs, home.Str());
    PasswordO& users = *started.users;
    users.AppendUser({"ANN", "", 0, users.NextUserNumber()});
    dialogs.logins.push_back({"ANN", ""});
    ASSERT_EQ(users.Login(), 0);
    LoadStartUp(dialogs, started.settings, started.paths, users.CurrentUser());  // Yes: a new file
    EXPECT_NE(home.Read("User/ANN.DIR/ORV.CON").find("addUserPasLev=" + std::to_string(c.level)),
              std::string::npos)
        << c.level;
    users.AddUser(started.settings.addUserPasLev);
    std::vector<std::string> shown = dialogs.Texts();
    for (const ShownInput& input : dialogs.inputBoxes) shown.push_back(input.prompt);
    EXPECT_EQ(shown.back(), c.shown);
  }
}

TEST(OrvcInit, TheSuperUsersPasswordComesFromTheFileGiven) {
  ASSERT_FALSE(TestEngineRoot().empty());
  TempDir home;
  const std::string file = home.Write("admin.txt", "first-pw\nignored\n");
  const Outcome run = Orvc({"init", "--home", QString::fromStdString(home.Str()),
                            "--admin-password-file", QString::fromStdString(file)});
  ASSERT_EQ(run.code, 0) << run.err;
  FakeDialogs dialogs;
  PasswordO users(home.Str(), "KVXS1.KVX", dialogs);
  EXPECT_EQ(users.Authenticate("ADMIN", "first-pw"), 255);
  EXPECT_EQ(users.Authenticate("ADMIN", "tamblore"), -2);
  EXPECT_TRUE(dialogs.messages.empty()) << "no reset to the default password";
  // An empty first line makes nothing.
  TempDir other;
  const std::string empty = other.Write("admin.txt", "\n");
  EXPECT_EQ(Orvc({"init", "--home", QString::fromStdString(other.Str()), "--admin-password-file",
                  QString::fromStdString(empty)})
                .code,
            1);
  EXPECT_FALSE(std::filesystem::exists(other.Path() / "KVXS1.KVX"));
}

TEST(OrvcInit, WithoutATerminalOrAPasswordFileNothingIsMade) {
  TempDir home;
  const Outcome run = Orvc({"init", "--home", QString::fromStdString(home.Str())});
  EXPECT_EQ(run.code, 1);
  EXPECT_NE(run.err.find("--admin-password-file FILE"), std::string::npos) << run.err;
  EXPECT_TRUE(std::filesystem::is_empty(home.Path()));
}

TEST(OrvcInit, AFailedInitRemovesWhatItMadeSoTheNextOneWorks) {
  ASSERT_FALSE(TestEngineRoot().empty());
  TempDir home;
  // A folder where the password file should go: init fails after the database is made.
  std::filesystem::create_directory(home.Path() / "KVXS1.KVX");
  // Without a FIREBIRD of the user's, init makes the engine's root in the directory too.
  QProcessEnvironment ownEngine = QProcessEnvironment::systemEnvironment();
  ownEngine.remove("FIREBIRD");
  const Outcome failed = Init(home.Str(), ownEngine);
  EXPECT_EQ(failed.code, 1);
  EXPECT_NE(failed.err.find("KVXS1.KVX"), std::string::npos) << failed.err;
  const std::set<std::string> before{"KVXS1.KVX", "admin-password.txt"};
  EXPECT_EQ(EntriesOf(home.Path()), before);
  // An engine that cannot make its lock files fails in a program directory
  // that init made, with a folder above it.
  QProcessEnvironment noLocks = ownEngine;
  const QString passwordFile = QString::fromStdString(home.Str() + "admin-password.txt");
  noLocks.insert("FIREBIRD_LOCK", passwordFile);
  const QString deeper = QString::fromStdString(home.Str() + "a/b/");
  EXPECT_EQ(Orvc({"init", "--home", deeper, "--admin-password-file", passwordFile}, noLocks).code,
            1);
  EXPECT_EQ(EntriesOf(home.Path()), before);

  std::filesystem::remove(home.Path() / "KVXS1.KVX");
  const Outcome again = Init(home.Str(), ownEngine);
  EXPECT_EQ(again.code, 0) << again.err;
}

TEST(OrvcInit, RefusesADirectoryThatHoldsAnyOfItsFiles) {
  ASSERT_FALSE(TestEngineRoot().empty());
  TempDir home;
  ASSERT_EQ(Init(home.Str()).code, 0);
  const std::string database = home.Str() + "scoredb.gdb";
  Exec(database, "insert into log (name) values ('kept')");
  test::WritePasswordFile(home, {{"ANN", "", 255}});

  const Outcome again = Init(home.Str());
  EXPECT_EQ(again.code, 1);
  EXPECT_NE(again.err.find("is already a program directory"), std::string::npos) << again.err;
  EXPECT_EQ(home.Read("KVXS1.KVX"), "ANN::1:255\r\n");
  EXPECT_EQ(OneValue(database, "select name from log"), "kept");

  // One file of its own is enough to refuse.
  TempDir other;
  other.Write("orv.ini", "[x]\n");
  EXPECT_EQ(Init(other.Str()).code, 1);
  EXPECT_FALSE(std::filesystem::exists(other.Path() / "scoredb.gdb"));
}

}  // namespace
}  // namespace orv::test
