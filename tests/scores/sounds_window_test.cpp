// The sound window over real WAV files made with sox: adding through the
// file dialog, finding, playing, deleting with the question at closing, and
// the access levels.
#include <QAction>
#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QStatusBar>
#include <QTest>
#include <cstdlib>
#include <set>

#include "dbwindow_fixture.h"
#include "scores/datagrid_window.h"
#include "scores/finddialog_window.h"
#include "scores/sounds_window.h"
#include "support/children.h"

namespace orv::test {
namespace {

class SoundsWindow : public DbWindowTest {
 protected:
  void SetUp() override {
    DbWindowTest::SetUp();
    windowHost.levels.deleteSound = 200;
    LogIn("teacher");
  }
  std::string MakeWav(const std::string& name, const char* tone = "440") {
    const std::string file = dir.Str() + "rec/" + name + ".wav";
    std::filesystem::create_directories(dir.Path() / "rec");
    const std::string command =
        "sox -n -r 8000 -c 1 -b 16 '" + file + "' synth 0.1 sine " + tone + " 2>&1";
    EXPECT_EQ(std::system(command.c_str()), 0) << command;
    return file;
  }
  std::vector<std::string> Stored() {
    std::vector<std::string> names;
    for (const auto& row : Rows(host.path, "select name from sound order by name")) {
      names.push_back(row[0]);
    }
    return names;
  }
  std::vector<std::string> Listed() {
    auto names = Column(dataSet, "NAME");
    std::sort(names.begin(), names.end());
    return names;
  }
  // Adds the files through the window's file dialog.
  void AddThroughDialog(TSoundsForm& window, const QString& names) {
    driver.Then("QFileDialog", "picks the files", [&window, names, this](QWidget&) {
      Child<QFileDialog>(window, "GetFile")
          ->setDirectory(QString::fromStdString(dir.Str() + "rec"));
      // The names are typed as a user types several: each in double quotes.
      auto* name = Child<QFileDialog>(window, "GetFile")->findChild<QLineEdit*>("fileNameEdit");
      ASSERT_NE(name, nullptr);
      name->setText(names);
      auto* buttons = Child<QFileDialog>(window, "GetFile")->findChild<QDialogButtonBox*>();
      ASSERT_NE(buttons, nullptr);
      buttons->button(QDialogButtonBox::Open)->click();
    });
    Child<QAction>(window, "Addsound1")->trigger();
  }
  // Shows the window, runs the steps while it is up, then leaves with Exit.
  int Show(TSoundsForm& window, const std::function<void()>& steps) {
    driver.Then("TSoundsForm", "runs the steps, then leaves", [&](QWidget&) {
      steps();
      Child<QAction>(window, "MenuExit")->trigger();
    });
    const int result = window.ShowModal();
    EXPECT_FALSE(driver.Stuck());
    return result;
  }
  void Select(TSoundsForm& window, const std::string& name) {
    const auto names = Column(dataSet, "NAME");
    const auto at = std::find(names.begin(), names.end(), name);
    ASSERT_NE(at, names.end()) << name;
    Child<TDBGrid>(window, "DBGrid1")->GoToRow(static_cast<int>(at - names.begin()));
  }
  void Find(TSoundsForm& window, const QString& text, bool wholeWord, bool matchCase = false) {
    auto* find = window.findChild<TFindDialog*>("FindDialog1");
    find->findChild<QLineEdit*>("Text")->setText(text);
    find->findChild<QCheckBox*>("WholeWord")->setChecked(wholeWord);
    find->findChild<QCheckBox*>("MatchCase")->setChecked(matchCase);
    find->findChild<QPushButton*>("FindNext")->click();
  }
  std::string Current(TSoundsForm& window) {
    return dataSet.Value(Child<TDBGrid>(window, "DBGrid1")->CurrentRow(), "NAME")
        .toString()
        .toStdString();
  }
  WindowDriver driver;
};

TEST_F(SoundsWindow, AddTwoFindThemThenDeleteOneKeptByNoAndGoneByYes) {
  MakeWav("House");
  MakeWav("tree", "660");
  TSoundsForm window(*database, dataSet, *sounds, windowHost, dialogs);
  EXPECT_EQ(window.windowTitle(), "SoundsForm");
  const int result = Show(window, [&] {
    EXPECT_EQ(dataSet.RowCount(), 0);
    AddThroughDialog(window, "\"House.wav\" \"tree.wav\"");
    EXPECT_EQ(Listed(), (std::vector<std::string>{"House", "tree"}));
    Child<QAction>(window, "Findsound1")->trigger();
    EXPECT_TRUE(Child<TFindDialog>(window, "FindDialog1")->isVisible());
    Find(window, "hou", false);
    EXPECT_EQ(Current(window), "House");
    Find(window, "TREE", true);
    EXPECT_EQ(Current(window), "tree");
    EXPECT_TRUE(dialogs.messages.empty());
    // The Delete key in the grid, answered Yes: the row leaves the list.
    dialogs.answers.push_back(MsgAnswer::Yes);
    QTest::keyClick(Child<TDBGrid>(window, "DBGrid1"), Qt::Key_Delete);
    EXPECT_EQ(dialogs.Texts(),
              (std::vector<std::string>{"Delete word tree from sound database ? "}));
    EXPECT_EQ(Listed(), (std::vector<std::string>{"House"}));
    dialogs.answers.push_back(MsgAnswer::No);  // the question at closing
  });
  EXPECT_EQ(result, QDialog::Accepted);
  EXPECT_EQ(dialogs.Texts().back(), "Data has been deleted commit changes");
  EXPECT_EQ(Stored(), (std::vector<std::string>{"House", "tree"}));

  dialogs.messages.clear();
  Show(window, [&] {
    EXPECT_EQ(Listed(), (std::vector<std::string>{"House", "tree"}));
    Select(window, "tree");
    dialogs.answers.push_back(MsgAnswer::Yes);
    Child<QAction>(window, "Delete1")->trigger();
    dialogs.answers.push_back(MsgAnswer::Yes);
  });
  EXPECT_EQ(dialogs.Texts().back(), "Data has been deleted commit changes");
  EXPECT_EQ(Stored(), (std::vector<std::string>{"House"}));
  // Without a deletion nothing is asked at closing.
  dialogs.messages.clear();
  Show(window, [] {});
  EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(SoundsWindow, ADeletionStaysUndecidedWhileOtherSoundsAreAdded) {
  MakeWav("House");
  MakeWav("tree");
  ASSERT_TRUE(sounds->WriteWord(dir.Str() + "rec/House.wav"));
  TSoundsForm window(*database, dataSet, *sounds, windowHost, dialogs);
  Show(window, [&] {
    Select(window, "House");
    dialogs.answers.push_back(MsgAnswer::Yes);
    Child<QAction>(window, "Delete1")->trigger();
    // Adding stores at once; the deletion still waits for the question.
    AddThroughDialog(window, "tree.wav");
    EXPECT_EQ(Listed(), (std::vector<std::string>{"tree"}));
    EXPECT_EQ(Stored(), (std::vector<std::string>{"House", "tree"}));
    dialogs.answers.push_back(MsgAnswer::No);
  });
  EXPECT_EQ(Stored(), (std::vector<std::string>{"House", "tree"}));
}

TEST_F(SoundsWindow, AWordDeletedAndAddedAgainKeepsItsNewSound) {
  MakeWav("House");
  ASSERT_TRUE(sounds->WriteWord(dir.Str() + "rec/House.wav"));
  const std::string before = *sounds->SoundOf("House");
  MakeWav("house", "880");
  TSoundsForm window(*database, dataSet, *sounds, windowHost, dialogs);
  Show(window, [&] {
    dialogs.answers.push_back(MsgAnswer::Yes);
    Child<QAction>(window, "Delete1")->trigger();
    dialogs.answers.push_back(MsgAnswer::Yes);  // overwrite the stored sound
    AddThroughDialog(window, "house.wav");
    EXPECT_EQ(Listed(), (std::vector<std::string>{"house"}));
  });
  EXPECT_EQ(dialogs.Texts().back(), "\"house\" Word allready in database overwrite! ");
  EXPECT_EQ(Stored(), (std::vector<std::string>{"house"}));
  EXPECT_NE(*sounds->SoundOf("house"), before);
}

TEST_F(SoundsWindow, FindingTheSameTextAgainMovesToTheNextMatch) {
  for (const char* word : {"ant", "apple", "Apricot", "banana"}) {
    MakeWav(word);
    ASSERT_TRUE(sounds->WriteWord(dir.Str() + "rec/" + word + ".wav"));
  }
  TSoundsForm window(*database, dataSet, *sounds, windowHost, dialogs);
  Show(window, [&] {
    Child<QAction>(window, "Findsound1")->trigger();
    Find(window, "ap", false);
    const std::string first = Current(window);
    Find(window, "ap", false);
    const std::string second = Current(window);
    EXPECT_EQ((std::set<std::string>{first, second}), (std::set<std::string>{"apple", "Apricot"}));
    EXPECT_TRUE(dialogs.messages.empty());
    // After the last match: the message, and the selection stays.
    Find(window, "ap", false);
    EXPECT_EQ(dialogs.Texts(), (std::vector<std::string>{"Search string <ap> not found"}));
    EXPECT_EQ(Current(window), second);
    // Match case and whole word narrow the search.
    Find(window, "Ap", false, true);
    EXPECT_EQ(Current(window), "Apricot");
    Find(window, "an", true);
    EXPECT_EQ(dialogs.Texts().back(), "Search string <an> not found");
    Find(window, "ANT", true);
    EXPECT_EQ(Current(window), "ant");
    // An empty text does nothing; "Find sound" forgets the last text.
    const std::size_t shown = dialogs.messages.size();
    Find(window, "", false);
    EXPECT_EQ(dialogs.messages.size(), shown);
    Child<TDBGrid>(window, "DBGrid1")->GoToRow(0);
    Child<QAction>(window, "Findsound1")->trigger();
    Find(window, "ANT", true);
    EXPECT_EQ(Current(window), "ant");
  });
}

TEST_F(SoundsWindow, ClickingACellPlaysItsWord) {
  for (const char* word : {"cat", "dog"}) {
    MakeWav(word);
    ASSERT_TRUE(sounds->WriteWord(dir.Str() + "rec/" + word + ".wav"));
  }
  TSoundsForm window(*database, dataSet, *sounds, windowHost, dialogs);
  Show(window, [&] {
    ASSERT_EQ(dataSet.columnCount(), 2);
    EXPECT_EQ(dataSet.Text(0, 1), "(BLOB)");
    // Showing the list plays nothing.
    EXPECT_TRUE(Child<QStatusBar>(window, "StatusBar1")->currentMessage().isEmpty());
    const QRect cell = Child<TDBGrid>(window, "DBGrid1")->visualRect(dataSet.index(1, 0));
    ClickAt(*Child<TDBGrid>(window, "DBGrid1")->viewport(), cell.center());
    EXPECT_EQ(Child<QStatusBar>(window, "StatusBar1")->currentMessage().toStdString(),
              Current(window));
    EXPECT_EQ(Child<TDBGrid>(window, "DBGrid1")->CurrentRow(), 1);
    // Moving to the other column plays the row's word again.
    Child<QStatusBar>(window, "StatusBar1")->clearMessage();
    Child<TDBGrid>(window, "DBGrid1")->setCurrentIndex(dataSet.index(1, 1));
    EXPECT_EQ(Child<QStatusBar>(window, "StatusBar1")->currentMessage().toStdString(),
              Current(window));
  });
}

TEST_F(SoundsWindow, AccessLevelsForListingAndDeleting) {
  MakeWav("cat");
  ASSERT_TRUE(sounds->WriteWord(dir.Str() + "rec/cat.wav"));
  TSoundsForm window(*database, dataSet, *sounds, windowHost, dialogs);
  windowHost.levels.listSounds = 221;
  EXPECT_EQ(window.ShowModal(), 0);
  EXPECT_EQ(dialogs.Texts(), (std::vector<std::string>{"Access denied"}));
  EXPECT_EQ(dialogs.messages[0].kind, MsgKind::Warning);
  EXPECT_FALSE(window.isVisible());

  dialogs.messages.clear();
  windowHost.levels.listSounds = 0;
  windowHost.levels.deleteSound = 221;
  Show(window, [&] {
    Child<QAction>(window, "Delete1")->trigger();
    EXPECT_EQ(dialogs.Texts(), (std::vector<std::string>{"Access denied"}));
    EXPECT_EQ(dataSet.RowCount(), 1);
  });
  EXPECT_EQ(dialogs.messages.size(), 1u);
  EXPECT_EQ(Stored(), (std::vector<std::string>{"cat"}));
}

}  // namespace
}  // namespace orv::test
