#include "app/getuser.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

#include "app/programpaths.h"
#include "app/registry.h"
#include "base/errors.h"
#include "base/platform.h"
#include "scores/firebird/engineroot.h"
#include "support/fake_dialogs.h"
#include "support/temp_dir.h"
#include "support/test_users.h"
#include "users/password.h"

namespace orv {
namespace {

using test::FakeDialogs;
using test::TempDir;

struct Exited {
  int code;
};

const std::string kNoKeys =
    "Can't locate any compatible database keys in the registry, you probably need to install "
    "Firebird or InterBase";
const std::string kNoEngine =
    "Can't continue with out a compatible database. Orv will now terminate";
const std::string kCopyFailed = "Can not copy the database .dll file OUCH!! :\n\r";

class StartUpTest : public ::testing::Test {
 protected:
  void SetUp() override {
    unsetenv("ORV_HOME");
    test::WritePasswordFile(home, {{"Boss", "pw", 255}});
    engine = engineDir.Str();
    SetClientRootLookup([this]() -> std::optional<std::string> {
      ++lookups;
      return clientRoot;
    });
    clientRoot = engine;
    SetExitHandler([](int code) { throw Exited{code}; });
  }
  void TearDown() override {
    SetClientRootLookup({});
    SetExitHandler({});
    unsetenv("ORV_HOME");
  }

  void Ini(const std::string& text) { home.Write("orv.ini", text); }

  TempDir home;
  TempDir engineDir;
  std::string engine;
  std::optional<std::string> clientRoot;
  int lookups = 0;
  FakeDialogs dialogs;
};

TEST_F(StartUpTest, FixesThePathsAndOpensThePasswordFile) {
  const StartedProgram started = StartUp(dialogs, home.Str());
  const ProgramPaths& p = started.paths;
  EXPECT_EQ(p.programDir, home.Str());
  EXPECT_EQ(p.listRoot, home.Str() + "orv.orv\\");
  EXPECT_EQ(p.defaultDatabase, home.Str() + "scoredb.gdb");
  EXPECT_EQ(p.passwordFileName, "KVXS1.KVX");
  ASSERT_NE(started.users, nullptr);
  EXPECT_EQ(started.users->UserName(1), "Boss");
  EXPECT_EQ(p.engineRoot, engine);
  // No key, no value: both log flags on; no library, no warning.
  EXPECT_TRUE(p.LogMistakes);
  EXPECT_TRUE(p.LogAll);
  EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(StartUpTest, TheProgramDirectoryComesFromHomeThenTheEnvironmentThenTheProgram) {
  const std::string noSlash = home.Path().string();
  EXPECT_EQ(ProgramDirectory(noSlash), home.Str());
  setenv("ORV_HOME", noSlash.c_str(), 1);
  EXPECT_EQ(ProgramDirectory(std::nullopt), home.Str());
  EXPECT_EQ(ProgramDirectory(engineDir.Str()), engineDir.Str());
  unsetenv("ORV_HOME");
  const std::string own = ExecutableFolder();
  EXPECT_EQ(ProgramDirectory(std::nullopt), own);
  EXPECT_EQ(own.back(), '/');
  EXPECT_TRUE(std::filesystem::exists(own + "test_app"));

  setenv("ORV_HOME", noSlash.c_str(), 1);
  EXPECT_EQ(StartUp(dialogs, std::nullopt).paths.programDir, home.Str());
}

TEST_F(StartUpTest, PasswordFileNamedInTheIni) {
  Ini("[Software/Quenby/Orv/7.0/Data]\npasFile=OTHER.KVX\n");
  test::WritePasswordFile(home, {{"Other", "", 255}}, "OTHER.KVX");
  const StartedProgram started = StartUp(dialogs, home.Str());
  EXPECT_EQ(started.paths.passwordFileName, "OTHER.KVX");
  EXPECT_EQ(started.users->UserName(1), "Other");
}

TEST_F(StartUpTest, FirstStartCreatesASuperUserWhoGetsTheDefaultPassword) {
  std::filesystem::remove(home.Path() / "KVXS1.KVX");
  const StartedProgram started = StartUp(dialogs, home.Str());
  PasswordO& users = *started.users;
  ASSERT_EQ(dialogs.messages.size(), 1u);
  EXPECT_EQ(dialogs.messages[0].buttons, MsgButtons::YesNo);
  EXPECT_EQ(home.Read("KVXS1.KVX"), "ADMIN::1:255\r\n");

  dialogs.logins.push_back({"admin", "anything"});
  dialogs.newPasswords = {{"new-pw", "new-pw"}};
  EXPECT_EQ(users.Login(), 255);
  EXPECT_EQ(dialogs.messages[1].text, "NO PASWORD FOR SUPPER USER, reset to \"tamblore\"");
  // The default password is replaced by the one chosen before the log-in goes on.
  EXPECT_EQ(users.Authenticate("admin", "new-pw"), 255);
  EXPECT_EQ(users.Authenticate("admin", "tamblore"), -2);
  EXPECT_EQ(users.Authenticate("admin", "anything"), -2);
}

TEST_F(StartUpTest, DecliningANewPasswordFileEndsWithTheMissingFileError) {
  std::filesystem::remove(home.Path() / "KVXS1.KVX");
  dialogs.answers.push_back(MsgAnswer::No);
  try {
    StartUp(dialogs, home.Str());
    FAIL() << "start-up went on";
  } catch (const E_PasWord_Error& e) {
    EXPECT_EQ(std::string(e.what()),
              "Error in _PasWord.Begin:Error num 590, Pasword file not found");
  }
  EXPECT_FALSE(std::filesystem::exists(home.Path() / "KVXS1.KVX"));
}

TEST_F(StartUpTest, TheFirebirdKeyComesBeforeTheInterBaseKey) {
  Ini("[Software/Firebird Project/Firebird Server/Instances]\nDefaultInstance=/opt/fb\n"
      "[Software/Borland/InterBase/CurrentVersion]\nRootDirectory=/opt/ib/\n");
  EXPECT_EQ(StartUp(dialogs, home.Str()).paths.engineRoot, "/opt/fb/");
  EXPECT_EQ(lookups, 0);

  Ini("[Software/Borland/InterBase/CurrentVersion]\nRootDirectory=/opt/ib/\n");
  EXPECT_EQ(StartUp(dialogs, home.Str()).paths.engineRoot, "/opt/ib/");
  EXPECT_EQ(lookups, 0);

  Ini("");
  EXPECT_EQ(StartUp(dialogs, home.Str()).paths.engineRoot, engine);
  EXPECT_EQ(lookups, 1);
  EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(StartUpTest, WithoutAnyFirebirdClientTheProgramEndsWith800) {
  clientRoot.reset();
  try {
    StartUp(dialogs, home.Str());
    FAIL() << "start-up went on";
  } catch (const Exited& e) {
    EXPECT_EQ(e.code, 800);
  }
  ASSERT_EQ(dialogs.messages.size(), 2u);
  EXPECT_EQ(dialogs.messages[0].text, kNoKeys);
  EXPECT_EQ(dialogs.messages[0].kind, MsgKind::Warning);
  EXPECT_EQ(dialogs.messages[1].text, kNoEngine);
  EXPECT_EQ(dialogs.messages[1].kind, MsgKind::Information);
}

TEST_F(StartUpTest, TheLibraryIsCopiedOnlyWhenTheEngineLacksIt) {
  home.Write("sql_dll.dll", "library v2");
  std::filesystem::create_directories(engineDir.Path() / "UDF");
  EXPECT_EQ(StartUp(dialogs, home.Str()).paths.copyMessage, "");
  EXPECT_EQ(engineDir.Read("UDF/sql_dll.dll"), "library v2");
  EXPECT_TRUE(dialogs.messages.empty());

  // Present already: left alone, no warning.
  engineDir.Write("UDF/sql_dll.dll", "library v1");
  StartUp(dialogs, home.Str());
  EXPECT_EQ(engineDir.Read("UDF/sql_dll.dll"), "library v1");
  EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(StartUpTest, AFailedCopyIsReportedWithTheSystemsReason) {
  home.Write("sql_dll.dll", "library");  // the engine has no UDF folder
  const StartedProgram started = StartUp(dialogs, home.Str());
  EXPECT_FALSE(started.paths.copyMessage.empty());
  ASSERT_EQ(dialogs.messages.size(), 1u);
  EXPECT_EQ(dialogs.messages[0].text, kCopyFailed + started.paths.copyMessage);
  EXPECT_EQ(dialogs.messages[0].kind, MsgKind::Warning);
}

TEST_F(StartUpTest, LogFlagsFromTheIni) {
  Ini("[Software/Quenby/Orv/7.0/Data]\nLogMistakes=0\nLogAll=off\n");
  {
    const StartedProgram started = StartUp(dialogs, home.Str());
    EXPECT_FALSE(started.paths.LogMistakes);
    EXPECT_TRUE(started.paths.LogAll);  // stored as a string: true
    RegWriteBool(started.paths, kOrvKey, "LogAll", false);
  }
  EXPECT_FALSE(StartUp(dialogs, home.Str()).paths.LogAll);
}

TEST_F(StartUpTest, AnAccountTextTheEngineCannotTakeEndsTheStartWithItsName) {
  Ini("[Software/Quenby/Orv/7.0/Data]\ndbUser=" + std::string(40000, 'u') + "\n");
  try {
    StartUp(dialogs, home.Str());
    FAIL() << "start-up went on";
  } catch (const E_Orv_Error& e) {
    EXPECT_EQ(std::string(e.what()), "dbUser in " + home.Str() +
                                         "orv.ini is 40000 bytes long; the database engine "
                                         "takes at most 255");
  }
}

TEST(ClientRootDirectory, TheInstalledClientReportsAnExistingFolder) {
  const std::optional<std::string> root = ClientRootDirectory();
  ASSERT_TRUE(root.has_value());
  EXPECT_EQ(root->back(), '/');
  EXPECT_TRUE(std::filesystem::is_directory(*root)) << *root;
}

TEST(CopyWithMessage, CopiesOverAnExistingFileOrSaysWhyNot) {
  TempDir dir;
  const std::string source = dir.Write("a.bin", std::string("x\0y", 3));
  const std::string target = dir.Write("b.bin", "old and longer");
  EXPECT_EQ(CopyWithMessage(source, target), "");
  EXPECT_EQ(dir.Read("b.bin"), std::string("x\0y", 3));
  EXPECT_NE(CopyWithMessage(dir.Str() + "missing.bin", target), "");
  EXPECT_EQ(dir.Read("b.bin"), std::string("x\0y", 3));
}

TEST(LastUser, ProposesTheLastNameOrUser) {
  TempDir dir;
  ProgramPaths paths;
  SetProgramDirectory(paths, dir.Str());
  EXPECT_EQ(LastUserFile(paths), dir.Str() + "LastUser.Kvx");
  EXPECT_EQ(LastUserName(paths), "User");
  dir.Write("LastUser.Kvx", "");
  EXPECT_EQ(LastUserName(paths), "User");
  SaveLastUser(paths, "Ann");
  EXPECT_EQ(dir.Read("LastUser.Kvx"), "Ann\r\n");
  EXPECT_EQ(LastUserName(paths), "Ann");
}

}  // namespace
}  // namespace orv
