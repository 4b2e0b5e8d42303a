// The wrong-word window: the counted query with its limits, the output file
// and its owner file, and a written list that a learner then practises.
#include <QCheckBox>
#include <QComboBox>
#include <QDate>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTest>
#include <algorithm>
#include <string>

#include "dbwindow_fixture.h"
#include "files/dos.h"
#include "files/errortext.h"
#include "scores/wrongword_window.h"
#include "support/children.h"

namespace orv::test {
namespace {

// The level that makes files for other users, as a new start-up file has it.
constexpr std::int32_t kMakeFilesForOthers = 210;

class WrongWordWindow : public DbWindowTest {
 protected:
  void SetUp() override {
    DbWindowTest::SetUp();
    WriteList("words0.orv", "house\nmouse\ntree\n");
  }
  // ann misses house three times and mouse once, over two tests.
  void AnnsMistakes() {
    TakeTest("ann", {"hose", "huose", "house", "mose", "mouse", "tree"});
    TakeTest("ann", {"hous", "house", "mouse", "tree"});
  }
};

TEST_F(WrongWordWindow, WritesAListTheLearnerCanThenPractise) {
  AnnsMistakes();
  LogIn("ann");
  TSU1 window(*database, dataSet, windowHost, dialogs);
  EXPECT_EQ(window.windowTitle(), "Auto slection of word file from logs");
  EXPECT_EQ(Child<QLabel>(window, "Label4")->text(), "t.orv");
  Open(window, kMakeFilesForOthers, [&] {
    EXPECT_FALSE(Child<QRadioButton>(window, "PickFromList")->isEnabled());
    EXPECT_TRUE(Child<QPlainTextEdit>(window, "SQL")->isReadOnly());
    EXPECT_EQ(Child<QLabel>(window, "Label4")->text(), "ann.orv\\WrongWords.Orv");
    EXPECT_EQ(Column(dataSet, "WORD"), (std::vector<std::string>{"house", "mouse"}));
    Child<QPushButton>(window, "BitBtn2")->click();
  });
  EXPECT_EQ(dialogs.Texts(), (std::vector<std::string>{"2 words successfully writen to file"}));
  EXPECT_EQ(dialogs.messages.at(0).kind, MsgKind::Information);
  EXPECT_EQ(dir.Read("orv.orv/ann.orv/WrongWords.orv"), "house\r\nmouse\r\n");

  // ann opens the list and practises it: the test logs under the new list.
  windowHost.currentDir = "ann.orv\\";
  windowHost.currentFile = "WrongWords.orv";
  TakeTest("ann", {"house", "mose", "mouse"});
  EXPECT_EQ(Rows(host.path, "select file1, score, word_count from score where file1 like 'ann%'"),
            (std::vector<std::vector<std::string>>{{"ann.orv\\WRONGWORDS.SCO", "1", "2"}}));
}

// More wrong words than one fetch brings all go into the file.
TEST_F(WrongWordWindow, EveryWordOfALongResultIsWritten) {
  const int words = static_cast<int>(kFetchBlock) + 44;
  const QDate today = QDate::currentDate();
  Exec(host.path,
       "insert into log (name, date1, time1, file1, word, log_group, help_count, "
       "answer) with recursive n (i) as (select 0 from rdb$database union all select "
       "i + 1 from n where i < " +
           std::to_string(words - 1) + ") select 'ann', '" +
           DateText(today.year(), today.month(), today.day()) +
           "', '12:00:00', 'WORDS0', 'w' || i, 0, 0, 'x' from n");
  LogIn("ann");
  TSU1 window(*database, dataSet, windowHost, dialogs);
  Open(window, kMakeFilesForOthers, [&] { Child<QPushButton>(window, "BitBtn2")->click(); });
  EXPECT_EQ(dialogs.Texts(), (std::vector<std::string>{std::to_string(words) +
                                                       " words successfully writen to file"}));
  const std::string file = dir.Read("orv.orv/ann.orv/WrongWords.orv");
  EXPECT_EQ(std::count(file.begin(), file.end(), '\n'), words);
}

TEST_F(WrongWordWindow, WithoutCountEveryLoggedMistakeIsALine) {
  AnnsMistakes();
  LogIn("ann");
  TSU1 window(*database, dataSet, windowHost, dialogs);
  window.show();
  Child<QCheckBox>(window, "Count1")->click();
  EXPECT_FALSE(Child<QCheckBox>(window, "CountG")->isEnabled());
  EXPECT_FALSE(Child<QCheckBox>(window, "CountL")->isEnabled());
  EXPECT_TRUE(
      Sql(window).starts_with(" select name, date1, time1, file1, word, log_group, help_count, "
                              "answer from log  where ANSWER IS NOT NULL  and name = 'ann'"));
  EXPECT_EQ(Sql(window).find("group by"), std::string::npos);
  Child<QPushButton>(window, "updateBtn")->click();
  Child<QPushButton>(window, "BitBtn2")->click();
  const std::string text = dir.Read("orv.orv/ann.orv/WrongWords.orv");
  std::vector<std::string> lines;
  for (std::size_t at = 0; at < text.size();) {
    const std::size_t end = text.find("\r\n", at);
    lines.push_back(text.substr(at, end - at));
    at = end + 2;
  }
  std::sort(lines.begin(), lines.end());
  EXPECT_EQ(lines, (std::vector<std::string>{"house", "house", "house", "mouse"}));
  EXPECT_EQ(dialogs.Texts().back(), "4 words successfully writen to file");
}

TEST_F(WrongWordWindow, CountLimitsKeepWordsStrictlyBetween) {
  AnnsMistakes();
  TakeTest("ann", {"house", "mouse", "tre", "tree"});
  LogIn("ann");
  TSU1 window(*database, dataSet, windowHost, dialogs);
  window.show();
  ASSERT_TRUE(Child<QCheckBox>(window, "CountG")->isEnabled());
  EXPECT_FALSE(Child<QSpinBox>(window, "SpinEdit1")->isEnabled());
  // An upper limit alone: fewer than 3 misses.
  Child<QCheckBox>(window, "CountL")->click();
  EXPECT_TRUE(Child<QSpinBox>(window, "SpinEdit2")->isEnabled());
  Child<QSpinBox>(window, "SpinEdit2")->setValue(3);
  EXPECT_NE(Sql(window).find("having sum(c.n) < 3 order by 2 desc"), std::string::npos)
      << Sql(window);
  Child<QPushButton>(window, "updateBtn")->click();
  EXPECT_TRUE(dialogs.messages.empty()) << dialogs.Texts().front();
  auto words = Column(dataSet, "WORD");
  std::sort(words.begin(), words.end());
  EXPECT_EQ(words, (std::vector<std::string>{"mouse", "tree"}));
  // Both limits: more than 0 and fewer than 2.
  Child<QCheckBox>(window, "CountG")->click();
  Child<QSpinBox>(window, "SpinEdit1")->setValue(0);
  Child<QSpinBox>(window, "SpinEdit2")->setValue(2);
  Child<QPushButton>(window, "updateBtn")->click();
  words = Column(dataSet, "WORD");
  std::sort(words.begin(), words.end());
  EXPECT_EQ(words, (std::vector<std::string>{"mouse", "tree"}));
  // A lower limit alone: more than 1.
  Child<QCheckBox>(window, "CountL")->click();
  Child<QSpinBox>(window, "SpinEdit1")->setValue(1);
  Child<QPushButton>(window, "updateBtn")->click();
  EXPECT_EQ(Column(dataSet, "WORD"), (std::vector<std::string>{"house"}));
  // Without counting the limits take no part, and come back with it.
  Child<QCheckBox>(window, "Count1")->click();
  EXPECT_FALSE(Child<QSpinBox>(window, "SpinEdit1")->isEnabled());
  EXPECT_EQ(Sql(window).find("count("), std::string::npos);
  Child<QCheckBox>(window, "Count1")->click();
  EXPECT_TRUE(Child<QSpinBox>(window, "SpinEdit1")->isEnabled());
  EXPECT_FALSE(Child<QSpinBox>(window, "SpinEdit2")->isEnabled());
}

TEST_F(WrongWordWindow, EveryUsersWordsGoToTheRoot) {
  AnnsMistakes();
  TakeTest("bob", {"house", "mose", "mouse", "tree"});
  LogIn("teacher");
  TSU1 window(*database, dataSet, windowHost, dialogs);
  Open(window, kMakeFilesForOthers, [&] {
    EXPECT_TRUE(Child<QRadioButton>(window, "ShowAllUser")->isEnabled());
    EXPECT_FALSE(Child<QPlainTextEdit>(window, "SQL")->isReadOnly());
    Child<QRadioButton>(window, "PickFromList")->click();
    Child<QComboBox>(window, "UserList")->setCurrentText("bob");
    EXPECT_EQ(Child<QLabel>(window, "Label4")->text(), "bob.orv\\WrongWords.Orv");
    Child<QRadioButton>(window, "ShowAllUser")->click();
    EXPECT_EQ(Child<QLabel>(window, "Label4")->text(), "WrongWords.Orv");
    Child<QPushButton>(window, "updateBtn")->click();
    Child<QPushButton>(window, "BitBtn2")->click();
  });
  EXPECT_EQ(dir.Read("orv.orv/WrongWords.orv"), "house\r\nmouse\r\n");
}

TEST_F(WrongWordWindow, NewMakesAnEmptyListWithItsOwnerFile) {
  AnnsMistakes();
  LogIn("ann");
  TSU1 window(*database, dataSet, windowHost, dialogs);
  window.show();
  dialogs.inputs.push_back("C:\\somewhere\\Practice.txt");
  dialogs.answers.push_back(MsgAnswer::Yes);
  Child<QPushButton>(window, "BitBtn1")->click();
  ASSERT_EQ(dialogs.inputBoxes.size(), 1u);
  EXPECT_EQ(dialogs.inputBoxes[0].caption, "New File");
  EXPECT_EQ(dialogs.inputBoxes[0].prompt, "Input a file name");
  EXPECT_EQ(dialogs.Texts(), (std::vector<std::string>{"Send SQL output to: ann\\Practice"}));
  EXPECT_EQ(dir.Read("orv.orv/ann.orv/Practice.Orv"), "");
  EXPECT_EQ(dir.Read("orv.orv/ann.orv/Practice.usr"), "\"ann\"\r\n");
  EXPECT_EQ(Child<QLabel>(window, "Label4")->text(), "ann.orv\\Practice");
  // The words go into the new list, whose name differs from ".orv" only in case.
  Child<QPushButton>(window, "BitBtn2")->click();
  EXPECT_EQ(dir.Read("orv.orv/ann.orv/Practice.Orv"), "house\r\nmouse\r\n");
  EXPECT_FALSE(std::filesystem::exists(dir.Path() / "orv.orv/ann.orv/Practice.orv"));
  EXPECT_FALSE(std::filesystem::exists(dir.Path() / "orv.orv/ann.orv/ann.orv"));

  // The same name again is refused and the output stays.
  dialogs.inputs.push_back("Practice");
  Child<QPushButton>(window, "BitBtn1")->click();
  EXPECT_EQ(dialogs.Texts().back(), "File already exists");
  EXPECT_EQ(Child<QLabel>(window, "Label4")->text(), "ann.orv\\Practice");
  // No at the question, and an empty name, make nothing.
  dialogs.inputs.push_back("Other");
  dialogs.answers.push_back(MsgAnswer::No);
  Child<QPushButton>(window, "BitBtn1")->click();
  dialogs.inputs.push_back(std::nullopt);
  Child<QPushButton>(window, "BitBtn1")->click();
  EXPECT_EQ(Child<QLabel>(window, "Label4")->text(), "ann.orv\\Practice");
  EXPECT_FALSE(std::filesystem::exists(dir.Path() / "orv.orv/ann.orv/Other.Orv"));
}

TEST_F(WrongWordWindow, AUserWhoseNameHasADotGetsTheOwnFolder) {
  TakeTest("j.smith", {"hose", "house", "mouse", "tree"});
  LogIn("j.smith");
  TSU1 window(*database, dataSet, windowHost, dialogs);
  window.show();
  EXPECT_EQ(Child<QLabel>(window, "Label4")->text(), "j.smith.orv\\WrongWords.Orv");
  Child<QPushButton>(window, "BitBtn2")->click();
  EXPECT_EQ(dir.Read("orv.orv/j.smith.orv/WrongWords.orv"), "house\r\n");
  dialogs.inputs.push_back("More");
  Child<QPushButton>(window, "BitBtn1")->click();
  EXPECT_EQ(dialogs.Texts().back(), "Send SQL output to: j.smith\\More");
  EXPECT_EQ(Child<QLabel>(window, "Label4")->text(), "j.smith.orv\\More");
  EXPECT_TRUE(std::filesystem::exists(dir.Path() / "orv.orv/j.smith.orv/More.Orv"));
}

TEST_F(WrongWordWindow, EscClosesAndAnEmptyResultWritesNothing) {
  LogIn("ann");
  TSU1 window(*database, dataSet, windowHost, dialogs);
  window.show();
  ASSERT_EQ(dataSet.RowCount(), 0);
  Child<QPushButton>(window, "BitBtn2")->click();
  EXPECT_TRUE(dialogs.messages.empty());
  EXPECT_FALSE(std::filesystem::exists(dir.Path() / "orv.orv/ann.orv"));
  // Esc closes the window; it does not ask for a new file.
  QTest::keyClick(&window, Qt::Key_Escape);
  EXPECT_TRUE(dialogs.inputBoxes.empty());
  EXPECT_FALSE(window.isVisible());
}

TEST_F(WrongWordWindow, AFileThatCannotBeWrittenIsReported) {
  AnnsMistakes();
  LogIn("ann");
  TSU1 window(*database, dataSet, windowHost, dialogs);
  window.show();
  // A folder stands where the file should go.
  std::filesystem::create_directories(dir.Path() / "orv.orv/ann.orv/WrongWords.orv");
  Child<QPushButton>(window, "BitBtn2")->click();
  ASSERT_EQ(dialogs.messages.size(), 1u);
  EXPECT_EQ(dialogs.messages[0].kind, MsgKind::Error);
  EXPECT_TRUE(dialogs.messages[0].text.starts_with("Error "));
  EXPECT_TRUE(dialogs.messages[0].text.ends_with(" writing to file\n" + ErrorText(5)));
}

}  // namespace
}  // namespace orv::test
