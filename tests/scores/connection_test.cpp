// Connecting: the engine's error, the retry box, choosing another database,
// creating a missing one, and giving up.
#include <gtest/gtest.h>

#include <QTcpServer>
#include <filesystem>

#include "app/programhost.h"
#include "app/programpaths.h"
#include "app/registry.h"
#include "app/startupfile.h"
#include "score_db_fixture.h"
#include "scores/scoredatabase.h"

namespace orv::test {
namespace {

const std::string kRetryTail = "\ndo you whant to try again click No to exit Orv6?";
const std::string kNotValid =
    "The current database file is not a valid database file please click yes to choose a new "
    "one.";
const std::string kEngine =
    "Cannot connect to the database engine. Are you sure firebird or another interbase "
    "compatible database is running? ";

bool StartsWith(const std::string& text, const std::string& head) {
  return text.compare(0, head.size(), head) == 0;
}

// A port on this machine where nothing listens.
int ClosedPort() {
  QTcpServer probe;
  EXPECT_TRUE(probe.listen(QHostAddress::LocalHost, 0));
  const int port = probe.serverPort();
  probe.close();
  return port;
}

class Connecting : public ScoreDbTest {
 protected:
  std::string Garbage(const std::string& name = "bad.gdb") {
    return dir.Write(name, std::string(40000, 'x'));
  }
};

TEST_F(Connecting, FileThatIsNotADatabaseShowsTheEngineErrorThenTheRetryBox) {
  host.path = Garbage();
  dialogs.answers = {MsgAnswer::Ok, MsgAnswer::No};
  ScoreDatabase su(dialogs, host);
  EXPECT_FALSE(su.ConectDB());

  ASSERT_EQ(dialogs.messages.size(), 2u);
  EXPECT_EQ(dialogs.messages[0].kind, MsgKind::Plain);
  EXPECT_EQ(dialogs.messages[0].text,
            "335544323-922file " + host.path + " is not a valid database");
  EXPECT_EQ(dialogs.messages[1].kind, MsgKind::Confirmation);
  EXPECT_EQ(dialogs.messages[1].buttons, MsgButtons::YesNo);
  EXPECT_EQ(dialogs.messages[1].text, "Database file:" + host.path + "\n" + kNotValid + kRetryTail);
  EXPECT_EQ(su.LastErrorCode(), 335544323);
  EXPECT_EQ(su.LastSqlCode(), -922);
  EXPECT_EQ(su.LastErrorMessage(), "file " + host.path + " is not a valid database");
  // No ends the program: nothing more is asked and nothing is written.
  EXPECT_TRUE(host.quitAllowed);
  EXPECT_EQ(quitRequests, 1);
  EXPECT_TRUE(dialogs.fileDialogs.empty());
  su.LogWord("ann", "W.ORV", "a", "b", 1, 0);
  EXPECT_EQ(dialogs.messages.size(), 2u);
}

TEST_F(Connecting, YesOnTheRetryBoxChoosesAnotherDatabase) {
  const std::string good = NewDatabase("good.gdb");
  host.path = Garbage();
  dialogs.answers = {MsgAnswer::Ok, MsgAnswer::Yes};
  dialogs.files = {{true, good}};
  ScoreDatabase su(dialogs, host);
  ASSERT_TRUE(su.ConectDB());

  ASSERT_EQ(dialogs.fileDialogs.size(), 1u);
  const FileDialogRequest& request = dialogs.fileDialogs[0];
  EXPECT_EQ(request.initialDir, dir.Str());
  EXPECT_EQ(request.fileName, "bad.gdb");
  EXPECT_EQ(request.filter, "Interbase compatible database files(*.gdb)|*.gdb");
  EXPECT_EQ(request.defaultExt, "gdb");
  // The chosen name can be edited; cancelling the box keeps it.
  ASSERT_EQ(dialogs.inputBoxes.size(), 1u);
  EXPECT_EQ(dialogs.inputBoxes[0].caption, "Data base");
  EXPECT_EQ(dialogs.inputBoxes[0].prompt, "Edit if wrong:");
  EXPECT_EQ(dialogs.inputBoxes[0].preset, good);
  EXPECT_EQ(host.path, good);
  EXPECT_FALSE(host.quitAllowed);
  su.LogWord("ann", "W.ORV", "a", "b", 1, 0);
  EXPECT_EQ(OneValue(good, "select count(*) from log"), "1");
}

TEST_F(Connecting, ServerThatIsNotRunningAsksToRetryWithoutChoosingAFile) {
  host.path = "127.0.0.1/" + std::to_string(ClosedPort()) + ":/tmp/orv-none.gdb";
  dialogs.answers = {MsgAnswer::Ok, MsgAnswer::Yes, MsgAnswer::Ok, MsgAnswer::No};
  ScoreDatabase su(dialogs, host);
  EXPECT_FALSE(su.ConectDB());

  ASSERT_EQ(dialogs.messages.size(), 4u);
  EXPECT_TRUE(StartsWith(dialogs.messages[0].text,
                         "335544721-902Unable to complete network request to host \"127.0.0.1\"."))
      << dialogs.messages[0].text;
  EXPECT_EQ(dialogs.messages[1].text, "Database file:" + host.path + "\n" + kEngine + kRetryTail);
  EXPECT_EQ(dialogs.messages[2].text, dialogs.messages[0].text);
  EXPECT_EQ(dialogs.messages[3].text, dialogs.messages[1].text);
  EXPECT_TRUE(dialogs.fileDialogs.empty());
  EXPECT_EQ(su.LastErrorCode(), 335544721);
  EXPECT_TRUE(host.quitAllowed);
}

TEST_F(Connecting, MissingFileCanBeLeftMissing) {
  host.path = dir.Str() + "nowhere/missing.gdb";
  dialogs.answers = {MsgAnswer::No, MsgAnswer::Ok, MsgAnswer::No};
  ScoreDatabase su(dialogs, host);
  EXPECT_FALSE(su.ConectDB());

  ASSERT_EQ(dialogs.messages.size(), 3u);
  EXPECT_EQ(dialogs.messages[0].text, "The database file " + host.path +
                                          " does not exist. Create a new score database there?");
  EXPECT_EQ(dialogs.messages[0].buttons, MsgButtons::YesNo);
  EXPECT_TRUE(
      StartsWith(dialogs.messages[1].text,
                 "335544344-902I/O error during \"open\" operation for file \"" + host.path + "\""))
      << dialogs.messages[1].text;
  EXPECT_EQ(dialogs.messages[2].text, "Database file:" + host.path + "\n" +
                                          "Can not open the database file for orv" + kRetryTail);
  EXPECT_FALSE(std::filesystem::exists(host.path));
}

TEST_F(Connecting, NewDatabaseThatCannotBeMadeShowsTheEngineError) {
  host.path = dir.Str() + "nowhere/new.gdb";
  dialogs.answers = {MsgAnswer::Yes, MsgAnswer::Ok, MsgAnswer::No};
  ScoreDatabase su(dialogs, host);
  EXPECT_FALSE(su.ConectDB());
  auto texts = dialogs.Texts();
  ASSERT_EQ(texts.size(), 3u);
  EXPECT_TRUE(StartsWith(texts[1], "335544344-902I/O error during \"open O_CREAT\" operation"))
      << texts[1];
  EXPECT_EQ(texts[2],
            "Database file:" + host.path + "\nCan not open the database file for orv" + kRetryTail);
  EXPECT_EQ(su.LastErrorCode(), 335544344);
}

TEST_F(Connecting, MissingFileIsMadeFromTheSchemaOnYes) {
  host.path = dir.Str() + "fresh.gdb";
  ScoreDatabase su(dialogs, host);
  ASSERT_TRUE(su.ConectDB());
  ASSERT_EQ(dialogs.messages.size(), 1u);
  EXPECT_GT(su.NextLogGroup(), 0);
  su.LogScore("W.ORV", {"ann", 1, 0, 0, 1}, 5);
  EXPECT_EQ(OneValue(host.path, "select ratio from score_tab"), "1/1");
}

TEST_F(Connecting, OnlyAUserWhoMayChangeTheDatabaseIsOfferedANewOne) {
  for (const int level : {-1, 0, 249, 250}) {
    const bool may = level >= host.changeDbLevel;
    host.path = dir.Str() + "new" + std::to_string(level) + ".gdb";
    host.level = level;
    host.quitAllowed = false;
    dialogs.messages.clear();
    dialogs.answers = may ? std::deque{MsgAnswer::Yes} : std::deque{MsgAnswer::Ok, MsgAnswer::No};
    EXPECT_EQ(ScoreDatabase(dialogs, host).ConectDB(), may) << level;
    EXPECT_EQ(dialogs.Texts().at(0).find("does not exist. Create") != std::string::npos, may);
    EXPECT_EQ(std::filesystem::exists(host.path), may) << level;
  }
}

TEST_F(Connecting, EmptyPathAsksForTheFilePresetToTheProgramFolder) {
  dialogs.files = {{false, dir.Str() + "scoredb.gdb"}};
  ScoreDatabase su(dialogs, host);
  ASSERT_TRUE(su.ConectDB());
  ASSERT_EQ(dialogs.fileDialogs.size(), 1u);
  EXPECT_EQ(dialogs.fileDialogs[0].fileName, dir.Str() + "scoredb.gdb");
  EXPECT_EQ(dialogs.fileDialogs[0].filter, "Interbase compatible database files(*.gdb)|*.gdb");
  EXPECT_EQ(host.pathsWritten, (std::vector<std::string>{dir.Str() + "scoredb.gdb"}));
  EXPECT_TRUE(std::filesystem::exists(dir.Path() / "scoredb.gdb"));
}

TEST_F(Connecting, UserBelowTheLevelCannotChooseAndIsAskedAgain) {
  host.path = Garbage();
  host.level = 100;
  dialogs.answers = {MsgAnswer::Ok, MsgAnswer::Yes, MsgAnswer::Ok, MsgAnswer::Ok, MsgAnswer::No};
  ScoreDatabase su(dialogs, host);
  EXPECT_FALSE(su.ConectDB());
  auto texts = dialogs.Texts();
  ASSERT_EQ(texts.size(), 5u);
  // Not "Access denied" alone: the file, the level it takes and why it failed.
  EXPECT_EQ(texts[2].rfind("Access denied: choosing another score database than " + host.path +
                               " needs level 250 (Change Database). The database could not be "
                               "opened: ",
                           0),
            0u)
      << texts[2];
  EXPECT_NE(texts[2].find(host.path, texts[2].find("opened: ")), std::string::npos) << texts[2];
  EXPECT_EQ(dialogs.messages[2].kind, MsgKind::Warning);
  EXPECT_EQ(texts[3], texts[0]);
  EXPECT_EQ(texts[4], texts[1]);
  EXPECT_TRUE(dialogs.fileDialogs.empty());
}

TEST_F(Connecting, ChooseDatabaseSwitchesToTheEditedPath) {
  const std::string first = NewDatabase("first.gdb");
  const std::string second = dir.Str() + "second.gdb";
  CreateScoreDatabase(second, host.account);
  ScoreDatabase su(dialogs, host);
  ASSERT_TRUE(su.ConectDB());
  su.LogWord("ann", "W.ORV", "a", "b", 1, 0);

  // Cancelling the file dialog changes nothing.
  dialogs.files = {{false, "ignored"}};
  su.ChooseDatabase();
  EXPECT_EQ(host.path, first);
  EXPECT_TRUE(dialogs.inputBoxes.empty());

  dialogs.files = {{true, dir.Str() + "typo.gdb"}};
  dialogs.inputs = {second};
  su.ChooseDatabase();
  EXPECT_EQ(dialogs.fileDialogs.back().fileName, "first.gdb");
  EXPECT_EQ(host.path, second);
  ASSERT_TRUE(su.Connected());
  EXPECT_EQ(su.DatabaseName(), second);
  su.LogWord("bob", "W.ORV", "c", "d", 2, 0);
  EXPECT_EQ(OneValue(first, "select name from log"), "ann");
  EXPECT_EQ(OneValue(second, "select name from log"), "bob");
}

TEST_F(Connecting, ProgramHostKeepsThePathInOrvIniAndTheLevelInTheSettings) {
  ProgramPaths paths;
  SetProgramDirectory(paths, dir.Str());
  const std::string first = NewDatabase("first.gdb");
  const std::string second = dir.Str() + "second.gdb";
  CreateScoreDatabase(second, host.account);
  RegWriteString(paths, kOrvKey, "scoreDB", first);
  StartUpSettings settings;
  settings.CurrentDir = "ann.orv\\";
  // Nobody is logged in: no password file.
  ProgramScoreDbHost program(host.account, paths, settings, nullptr);
  {
    ScoreDatabase su(dialogs, program);
    su.LogWord("ann", "W.ORV", "a", "b", 1, 0);
    EXPECT_EQ(OneValue(first, "select file1 from log"), "ann.orv\\W");
    // Nobody is logged in: below any level that guards the choice.
    su.ChooseDatabase();
    EXPECT_EQ(dialogs.Texts().back(), "Access denied");
    settings.ChangeDBPasLev = -1;
    dialogs.files = {{true, second}};
    su.ChooseDatabase();
    EXPECT_EQ(RegReadString(paths, kOrvKey, "scoreDB"), second);
    EXPECT_EQ(su.DatabaseName(), second);
  }
  EXPECT_FALSE(paths.QuitAllowed);
}

}  // namespace
}  // namespace orv::test
