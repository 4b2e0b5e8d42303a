#include "app/startupfile.h"

#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>
#include <chrono>
#include <filesystem>
#include <functional>
#include <thread>
#include <utility>
#include <vector>

#include "app/getuser.h"
#include "app/programpaths.h"
#include "base/platform.h"
#include "files/filelayer.h"
#include "files/filelock.h"
#include "files/safesave.h"
#include "files/userfolder.h"
#include "session/positions.h"
#include "support/buffer_lines.h"
#include "support/fake_dialogs.h"
#include "support/file_size_limit.h"
#include "support/temp_dir.h"
#include "support/test_users.h"
#include "users/password.h"

namespace orv {
namespace {

using test::FakeDialogs;
using test::TempDir;

const std::string kCreateQuestion = "Can not fined the start up file create new?";
const std::string kCannotContinue = "Can not continue with out start up file";
const std::string kStartUpError = "Error in _PasWord.Begin:Error num 700, Start up file error";

const std::string kCreationLines =
    "WORDS0.ORV\r\nYour name\r\n0\r\n1\r\n\r\n1\r\n1\r\n"
    "optionMenuPasLev=10\r\nsoundMenuPasLev=0\r\nlistSoundsPasLev=0\r\n"
    "soundDelPasLev=250\r\nChangeDBPasLev=250\r\ndelFilePasLev=100\r\n"
    "lookOtherUsersPasLev=200\r\nMakeWrongWordFileForOthers=210\r\naddUserPasLev=0\r\n"
    "SpeakWords=1\r\nSpeakSums=0\r\nSpeakVoice=\r\n"
    "TextSize=100\r\nReadingFont=\r\nHighContrast=0\r\nFlashTime=100\r\nKindWord=1\r\n"
    "RightSound=0\r\nLanguage=\r\n";

class StartUpFileTest : public ::testing::Test {
 protected:
  void SetUp() override {
    SetProgramDirectory(paths, home.Str());
    test::WritePasswordFile(home, {{"Boss", "", 255}, {"Ann", "", 10}});
    users = std::make_unique<PasswordO>(home.Str(), "KVXS1.KVX", dialogs);
    dialogs.logins.push_back({"ann", ""});
    dialogs.newPasswords = {{"boss-pw", "boss-pw"}};
    // The super user's missing password is reset, then replaced at once.
    EXPECT_EQ(users->Login(), 255);
    dialogs.messages.clear();
    ResetQuitRequest();
    SetQuitHandler([this] { ++quits; });
  }
  void TearDown() override {
    SetQuitHandler({});
    ResetQuitRequest();
  }

  // Writes Ann's start-up file from lines ended by CR LF.
  void Lines(std::initializer_list<std::string> lines) {
    std::string text;
    for (const auto& l : lines) text += l + "\r\n";
    home.Write("User/Ann.DIR/ORV.CON", text);
  }
  std::string FileText() const { return home.Read("User/Ann.DIR/ORV.CON"); }

  // Ann's start-up file as the program reads and writes it.
  std::string Path() const { return StartUpFilePathOf(paths.programDir, users->CurrentUser()); }
  void Load() { LoadStartUp(dialogs, settings, paths, users->CurrentUser()); }
  void Save() { SaveStartUp(dialogs, settings, paths, users->CurrentUser()); }

  TempDir home;
  FakeDialogs dialogs;
  StartUpSettings settings;
  ProgramPaths paths;
  std::unique_ptr<PasswordO> users;
  int quits = 0;
};

TEST(UserFolder, NamesSharingThePartBeforeADotGetFoldersOfTheirOwn) {
  TempDir home;
  // A folder made the older way, last saved by J.SMITH.
  home.Write("User/J.DIR/ORV.CON", "WORDS0.ORV\r\nJ.SMITH\r\n");
  const std::vector<std::pair<std::string, std::string>> cases{
      {"J.SMITH", "User\\J.DIR\\"},        // the older folder's owner keeps it
      {"j.smith", "User\\j.DIR\\"},        // whatever the letter case: the file layer ignores it
      {"J.JONES", "User\\J.JONES.DIR\\"},  // another user gets a folder of his own
      {"ANN", "User\\ANN.DIR\\"},
      // Separators and dots stay inside the name's own folder.
      {"x\\ann", "User\\x%5Cann.DIR\\"},
      {"../ann", "User\\..%2Fann.DIR\\"},
      {"50%", "User\\50%25.DIR\\"},
  };
  home.Write("User/ann.DIR/ORV.CON", "WORDS0.ORV\r\nann\r\n");
  for (const auto& [name, folder] : cases) {
    EXPECT_EQ(UserFolder(home.Str(), name), home.Str() + folder) << name;
  }
  // Once the user's own folder exists it is used.
  home.Write("User/J.SMITH.DIR/ORV.CON", "");
  EXPECT_EQ(UserFolder(home.Str(), "J.SMITH"), home.Str() + "User\\J.SMITH.DIR\\");
}

TEST_F(StartUpFileTest, ANewUserGetsTheFifteenCreationLines) {
  EXPECT_EQ(Path(), home.Str() + "User\\Ann.DIR\\ORV.CON");
  Load();
  ASSERT_EQ(dialogs.messages.size(), 1u);
  EXPECT_EQ(dialogs.messages[0].text, kCreateQuestion);
  EXPECT_EQ(dialogs.messages[0].kind, MsgKind::Error);
  EXPECT_EQ(dialogs.messages[0].buttons, MsgButtons::YesNo);
  EXPECT_EQ(FileText(), kCreationLines);
  EXPECT_EQ(std::filesystem::status(home.Path() / "User/Ann.DIR/ORV.CON").permissions(),
            std::filesystem::perms::owner_read | std::filesystem::perms::owner_write);
  const StartUpSettings& s = settings;
  EXPECT_EQ(s.CurrentFile, "WORDS0.ORV");
  EXPECT_EQ(s.CurrentDir, "");
  EXPECT_FALSE(s.InOrder);
  EXPECT_TRUE(s.WholeFile);
  EXPECT_TRUE(s.ReshowWord);
  EXPECT_TRUE(s.ShowWord);
  EXPECT_EQ(s.optionMenuPasLev, 10);
  EXPECT_EQ(s.MakeWrongWordFileForOthers, 210);
  EXPECT_EQ(quits, 0);
}

TEST_F(StartUpFileTest, RefusingANewFileEndsTheProgram) {
  dialogs.answers.push_back(MsgAnswer::No);
  try {
    Load();
    FAIL() << "no exception";
  } catch (const E_LoadUser_Error& e) {
    EXPECT_EQ(std::string(e.what()), kStartUpError);
  }
  EXPECT_EQ(dialogs.Texts(), (std::vector<std::string>{kCreateQuestion, kCannotContinue}));
  EXPECT_EQ(dialogs.messages[1].kind, MsgKind::Error);
  EXPECT_EQ(quits, 1);
  EXPECT_TRUE(QuitRequested());
  EXPECT_FALSE(std::filesystem::exists(home.Path() / "User/Ann.DIR/ORV.CON"));
}

TEST_F(StartUpFileTest, ReadsTheSettingLinesAndTheKeysAnywhere) {
  Lines({"C:\\old\\lists\\maths.txt", "OPTIONMENUPASLEV=5", "1", "0", "ann.orv\\", "0", "1",
         "soundDelPasLev=-5", "delfilepaslev=1a2"});
  Load();
  const StartUpSettings& s = settings;
  EXPECT_EQ(s.CurrentFile, "maths.ORV");
  EXPECT_TRUE(s.InOrder);
  EXPECT_FALSE(s.WholeFile);
  EXPECT_EQ(s.CurrentDir, "ann.orv\\");
  EXPECT_FALSE(s.ReshowWord);
  EXPECT_TRUE(s.ShowWord);
  EXPECT_EQ(s.optionMenuPasLev, 5);
  EXPECT_EQ(s.soundDelPasLev, 5);
  EXPECT_EQ(s.delFilePasLev, 12);
  EXPECT_EQ(s.ChangeDBPasLev, 250);  // no key: unchanged
  EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(StartUpFileTest, OnlyTheExactTextOneIsTrue) {
  Lines({"a.orv", "x", "yes", " 1", "", "1 ", "TRUE"});
  settings.InOrder = true;
  Load();
  EXPECT_FALSE(settings.InOrder);
  EXPECT_FALSE(settings.WholeFile);
  EXPECT_FALSE(settings.ReshowWord);
  EXPECT_FALSE(settings.ShowWord);
}

TEST_F(StartUpFileTest, AShortFileLeavesTheRestAsItWas) {
  Lines({"short.orv", "x", "1"});
  StartUpSettings& s = settings;
  s.CurrentDir = "kept.orv\\";
  s.optionMenuPasLev = 77;
  s.lookOtherUsersPasLev = 3;
  s.ReshowWord = true;
  Load();
  EXPECT_EQ(s.CurrentFile, "short.ORV");
  EXPECT_TRUE(s.InOrder);
  EXPECT_FALSE(s.WholeFile);
  EXPECT_FALSE(s.ReshowWord);
  EXPECT_FALSE(s.ShowWord);
  EXPECT_EQ(s.CurrentDir, "kept.orv\\");
  EXPECT_EQ(s.optionMenuPasLev, 77);
  EXPECT_EQ(s.lookOtherUsersPasLev, 3);
}

TEST_F(StartUpFileTest, AGroupOutsideTheWordListsIsNotTaken) {
  // the file's line 5, the group in force after reading it
  const std::vector<std::pair<std::string, std::string>> cases{
      {"..\\..\\outside\\", ""},
      {"ann.orv\\..\\..\\", ""},
      {"/etc/", ""},
      {"C:\\lists\\", ""},
      {"ann.orv\\sums.orv\\", "ann.orv\\sums.orv\\"}};
  for (const auto& [line, group] : cases) {
    Lines({"a.orv", "x", "0", "1", line, "1", "1"});
    dialogs.messages.clear();
    Load();
    EXPECT_EQ(settings.CurrentDir, group) << line;
    EXPECT_EQ(dialogs.messages.size(), group.empty() ? 1u : 0u) << line;
  }
}

TEST_F(StartUpFileTest, TheLevelForAddingUsersIsReadWhereThereIsOne) {
  settings.addUserPasLev = 30;
  Lines({"a.orv", "x", "0", "1", "", "1", "1", "optionMenuPasLev=3"});  // an older file
  Load();
  EXPECT_EQ(settings.addUserPasLev, 30);
  Lines({"a.orv", "x", "0", "1", "", "1", "1", "addUserPasLev=120"});
  Load();
  EXPECT_EQ(settings.addUserPasLev, 120);
}

// The speech settings are key lines behind the ones an older reader knows,
// so its positional lines and level keys stay where it looks for them.
TEST_F(StartUpFileTest, SpeechSettingsAreKeptPerUserAndAnOlderFileGivesTheDefaults) {
  const struct {
    std::vector<std::string> keys;
    bool speakWords;
    bool speakSums;
    std::string voice;
  } cases[] = {
      {{"optionMenuPasLev=3"}, true, false, ""},
      {{"speakvoice=de", "SPEAKWORDS=0", "optionMenuPasLev=3", "SpeakSums=1"}, false, true, "de"},
      {{"SpeakWords=yes", "SpeakVoice="}, false, false, ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.keys.front());
    std::string text = "a.orv\r\nx\r\n0\r\n1\r\n\r\n1\r\n1\r\n";
    for (const std::string& key : c.keys) text += key + "\r\n";
    home.Write("User/Ann.DIR/ORV.CON", text);
    // What the previous user chose is not carried over.
    settings.SpeakWords = !c.speakWords;
    settings.SpeakSums = !c.speakSums;
    settings.SpeakVoice = "fr";
    Load();
    EXPECT_EQ(settings.SpeakWords, c.speakWords);
    EXPECT_EQ(settings.SpeakSums, c.speakSums);
    EXPECT_EQ(settings.SpeakVoice, c.voice);
  }
  settings.SpeakWords = false;
  settings.SpeakVoice = "en-gb";
  Save();
  const std::string saved = FileText();
  EXPECT_NE(saved.find("\r\nSpeakWords=0\r\nSpeakSums=0\r\nSpeakVoice=en-gb\r\n"),
            std::string::npos)
      << saved;
  settings = StartUpSettings{};
  Load();
  EXPECT_FALSE(settings.SpeakWords);
  EXPECT_EQ(settings.SpeakVoice, "en-gb");
  EXPECT_TRUE(dialogs.messages.empty());
}

// The reading keys stand behind the speech keys as they do; a size out of
// its range is brought into it, one that is no number gives the default.
TEST_F(StartUpFileTest, ReadingSettingsAreKeptPerUserWithinTheirRanges) {
  const struct {
    std::vector<std::string> keys;
    std::int32_t textSize;
    std::string font;
    bool highContrast;
    std::int32_t flash;
    bool kindWord;
    bool rightSound;
  } cases[] = {
      {{"SpeakWords=1"}, 100, "", false, 100, true, false},
      {{"textsize=200", "ReadingFont=Andika", "HIGHCONTRAST=1", "FlashTime=300", "KindWord=0",
        "RightSound=1"},
       200,
       "Andika",
       true,
       300,
       false,
       true},
      {{"TextSize=900", "FlashTime=50"}, 300, "", false, 100, true, false},
      {{"TextSize=big", "FlashTime="}, 100, "", false, 100, true, false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.keys.front());
    std::string text = "a.orv\r\nx\r\n0\r\n1\r\n\r\n1\r\n1\r\n";
    for (const std::string& key : c.keys) text += key + "\r\n";
    home.Write("User/Ann.DIR/ORV.CON", text);
    // What the previous user chose is not carried over.
    settings.TextSize = 250;
    settings.ReadingFont = "OpenDyslexic";
    settings.HighContrast = !c.highContrast;
    settings.KindWord = !c.kindWord;
    settings.RightSound = !c.rightSound;
    Load();
    const StartUpSettings& s = settings;
    EXPECT_EQ(s.TextSize, c.textSize);
    EXPECT_EQ(s.ReadingFont, c.font);
    EXPECT_EQ(s.HighContrast, c.highContrast);
    EXPECT_EQ(s.FlashTime, c.flash);
    EXPECT_EQ(s.KindWord, c.kindWord);
    EXPECT_EQ(s.RightSound, c.rightSound);
  }
  settings.TextSize = 175;
  settings.ReadingFont = "Andika";
  Save();
  settings = StartUpSettings{};
  Load();
  EXPECT_EQ(settings.TextSize, 175);
  EXPECT_EQ(settings.ReadingFont, "Andika");
  EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(StartUpFileTest, AKeyWithoutDigitsFallsBackToItsDefaultAndIsToldOnce) {
  for (const std::string bad : {"ChangeDBPasLev=", "changedbpaslev=high"}) {
    Lines({"a.orv", "x", "0", "1", "", "1", "1", "optionMenuPasLev=3", bad});
    settings.ChangeDBPasLev = 7;
    dialogs.messages.clear();
    Load();
    EXPECT_EQ(settings.ChangeDBPasLev, 250) << bad;
    EXPECT_EQ(settings.optionMenuPasLev, 3);
    ASSERT_EQ(dialogs.messages.size(), 1u) << bad;
    const std::string& text = dialogs.messages[0].text;
    EXPECT_EQ(text.rfind("Line 9 of the start-up file " + Path(), 0), 0u) << text;
    Save();
    EXPECT_NE(FileText().find("\r\nChangeDBPasLev=250\r\n"), std::string::npos);
  }
}

TEST_F(StartUpFileTest, SavingWritesTheSettingsInForce) {
  Lines({"a.orv"});
  StartUpSettings& s = settings;
  s.CurrentFile = "SUMS.ORV";
  s.CurrentDir = "maths.orv\\";
  s.InOrder = true;
  s.WholeFile = false;
  s.ReshowWord = false;
  s.ShowWord = true;
  s.soundMenuPasLev = 9;
  s.MakeWrongWordFileForOthers = 211;
  Save();
  EXPECT_EQ(FileText(),
            "SUMS.ORV\r\nAnn\r\n1\r\n0\r\nmaths.orv\\\r\n0\r\n1\r\n"
            "optionMenuPasLev=10\r\nsoundMenuPasLev=9\r\nlistSoundsPasLev=0\r\n"
            "soundDelPasLev=250\r\nChangeDBPasLev=250\r\ndelFilePasLev=100\r\n"
            "lookOtherUsersPasLev=200\r\nMakeWrongWordFileForOthers=211\r\naddUserPasLev=0\r\n"
            "SpeakWords=1\r\nSpeakSums=0\r\nSpeakVoice=\r\n"
            "TextSize=100\r\nReadingFont=\r\nHighContrast=0\r\nFlashTime=100\r\n"
            "KindWord=1\r\nRightSound=0\r\nLanguage=\r\n");
  EXPECT_TRUE(dialogs.messages.empty());

  // Read back into fresh settings, the same values return.
  const StartUpSettings saved = s;
  s = StartUpSettings{};
  Load();
  EXPECT_EQ(s.CurrentFile, saved.CurrentFile);
  EXPECT_EQ(s.CurrentDir, saved.CurrentDir);
  EXPECT_EQ(s.InOrder, saved.InOrder);
  EXPECT_EQ(s.WholeFile, saved.WholeFile);
  EXPECT_EQ(s.soundMenuPasLev, 9);
  EXPECT_EQ(s.MakeWrongWordFileForOthers, 211);
}

TEST_F(StartUpFileTest, SavingWithoutAFileAsksFirst) {
  dialogs.answers.push_back(MsgAnswer::No);
  EXPECT_THROW(Save(), E_LoadUser_Error);
  EXPECT_EQ(dialogs.Texts(), (std::vector<std::string>{kCreateQuestion, kCannotContinue}));
  EXPECT_EQ(quits, 1);

  dialogs.messages.clear();
  Save();  // Yes
  EXPECT_EQ(dialogs.Texts(), std::vector<std::string>{kCreateQuestion});
  EXPECT_EQ(FileText().substr(0, 16), "words0.orv\r\nAnn\r");
}

TEST_F(StartUpFileTest, AFileThatCannotBeMadeEndsTheProgram) {
  // A folder stands where the file should be.
  std::filesystem::create_directories(home.Path() / "User/Ann.DIR/ORV.CON");
  EXPECT_THROW(Save(), E_LoadUser_Error);
  EXPECT_EQ(dialogs.Texts(), (std::vector<std::string>{kCreateQuestion, kCannotContinue}));
  EXPECT_EQ(quits, 1);
}

TEST_F(StartUpFileTest, AFailedSaveIsReportedAndKeepsTheOldFile) {
  std::string old = "keep.orv\r\nAnn\r\n";
  for (int i = 0; i < 40; ++i) old += "padding line " + std::to_string(i) + "\r\n";
  home.Write("User/Ann.DIR/ORV.CON", old);
  {
    test::FileSizeLimit limit(64);  // far below the fifteen lines
    EXPECT_THROW(Save(), E_LoadUser_Error);
  }
  EXPECT_EQ(FileText(), old);
  EXPECT_EQ(dialogs.Texts(),
            std::vector<std::string>{
                " Error saveing start up file buffer Error num 101, Disk write error"});
}

TEST_F(StartUpFileTest, SavesWaitForAnotherComputerWritingTheFile) {
  const std::string positions = home.Str() + "User/Ann.DIR/WORDS0.POS";
  // the file, and how this program writes it
  const std::vector<std::pair<std::string, std::function<void()>>> savers{
      {Path(), [this] { Save(); }},
      {positions,
       [&] {
         SavePositions(test::BufferOf({"3", "1"}), positions, dialogs);
       }},
  };
  std::filesystem::create_directories(home.Path() / "User/Ann.DIR");
  for (const auto& [path, save] : savers) {
    ASSERT_EQ(WriteFileSafely(path, "old\r\n"), 0);
    int ready[2];
    ASSERT_EQ(::pipe(ready), 0);
    // The other computer holds the lock while it writes the file.
    const pid_t other = ::fork();
    ASSERT_GE(other, 0);
    if (other == 0) {
      const FileLock lock(path);
      if (::write(ready[1], "x", 1) != 1) ::_exit(2);
      std::this_thread::sleep_for(std::chrono::milliseconds(300));
      ::_exit(WriteFileSafely(path, "other computer\r\n") == 0 && lock.Code() == 0 ? 0 : 1);
    }
    char byte = 0;
    ASSERT_EQ(::read(ready[0], &byte, 1), 1);
    save();
    int status = 0;
    ASSERT_EQ(::waitpid(other, &status, 0), other);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    ::close(ready[0]);
    ::close(ready[1]);
    // Written after the other computer's write, not overwritten by it.
    std::string text;
    ASSERT_EQ(ReadFileBytes(path, text), 0);
    EXPECT_NE(text, "other computer\r\n") << path;
  }
  EXPECT_TRUE(dialogs.messages.empty());
}

}  // namespace
}  // namespace orv
