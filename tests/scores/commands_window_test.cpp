// The main window's commands that open the database windows: nobody logged
// in, and who may look at other users' answers or make their files.
#include <QAction>
#include <QApplication>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QToolButton>

#include "app/mainform_window.h"
#include "app/scorewindowhost.h"
#include "programwindow_fixture.h"
#include "scores/logquery_window.h"
#include "scores/score_window.h"
#include "scores/sounds_window.h"
#include "scores/wrongword_window.h"
#include "support/children.h"

namespace orv::test {
namespace {

class Commands : public ProgramWindowTest {
 protected:
  void SetUp() override {
    ProgramWindowTest::SetUp();
    programHost = std::make_unique<ProgramScoreWindowHost>(State());
    form = std::make_unique<TMainForm>(dialogs, State());
    log = new TSU(*database, dataSet, *programHost, dialogs, form.get());
    wrongWords = new TSU1(*database, wrongWordData, *programHost, dialogs, form.get());
    scores = new TSF2(*database, dataSet, *programHost, dialogs, form.get());
    soundList = new TSoundsForm(*database, dataSet, *sounds, *programHost, dialogs, form.get());
    MainFormWindows windows;
    windows.log = log;
    windows.wrongWords = wrongWords;
    windows.scores = scores;
    windows.sounds = soundList;
    form->SetWindows(windows);
  }
  void TearDown() override {
    form.reset();
    ProgramWindowTest::TearDown();
  }
  // Triggers the command; inspect runs in the window it opens, which is then closed.
  void Command(QAction* action, const std::function<void(QDialog*)>& inspect) {
    WindowDriver driver;
    driver.Then("QDialog", "is inspected, then closed", [&](QWidget& w) {
      auto* window = qobject_cast<QDialog*>(&w);
      ASSERT_NE(window, nullptr);
      inspect(window);
      window->done(QDialog::Accepted);
    });
    action->trigger();
    EXPECT_TRUE(driver.Done()) << action->objectName().toStdString();
    EXPECT_FALSE(driver.Stuck());
  }

  DataSet wrongWordData;
  std::unique_ptr<ProgramScoreWindowHost> programHost;
  std::unique_ptr<TMainForm> form;
  TSU* log;
  TSU1* wrongWords;
  TSF2* scores;
  TSoundsForm* soundList;
};

TEST_F(Commands, NobodyLoggedInHasNoLogWindows) {
  passwords->Logout();
  for (QAction* action : {Child<QAction>(*form, "View1"), Child<QAction>(*form, "Loglist1"),
                          Child<QAction>(*form, "Makewrongwordfile1")}) {
    dialogs.messages.clear();
    action->trigger();
    EXPECT_EQ(dialogs.Texts(), (std::vector<std::string>{"No valid user name"}));
  }
  EXPECT_FALSE(log->isVisible());
  EXPECT_FALSE(wrongWords->isVisible());
}

TEST_F(Commands, EachLogWindowChecksItsOwnLevel) {
  LogIn("teacher");  // 220: may look at others (200) and make their files (210)
  for (QAction* action : {Child<QAction>(*form, "View1"), Child<QAction>(*form, "Loglist1")}) {
    Command(action, [&](QDialog* window) {
      EXPECT_EQ(window, log);
      EXPECT_TRUE(Child<QRadioButton>(*log, "ShowAllUser")->isEnabled());
      EXPECT_FALSE(Child<QPlainTextEdit>(*log, "SQL")->isReadOnly());
    });
  }
  Command(Child<QAction>(*form, "Makewrongwordfile1"), [&](QDialog* window) {
    EXPECT_EQ(window, wrongWords);
    EXPECT_TRUE(Child<QRadioButton>(*wrongWords, "PickFromList")->isEnabled());
  });
  settings.MakeWrongWordFileForOthers = 221;
  Command(Child<QAction>(*form, "Makewrongwordfile1"), [&](QDialog*) {
    EXPECT_FALSE(Child<QRadioButton>(*wrongWords, "PickFromList")->isEnabled());
    EXPECT_FALSE(Child<QRadioButton>(*wrongWords, "ShowAllUser")->isEnabled());
    EXPECT_TRUE(Child<QPlainTextEdit>(*wrongWords, "SQL")->isReadOnly());
    EXPECT_TRUE(Child<QRadioButton>(*wrongWords, "ShowCurrentUser")->isChecked());
  });
  // The log window's own level is unchanged by that.
  Command(Child<QAction>(*form, "View1"),
          [&](QDialog*) { EXPECT_TRUE(Child<QRadioButton>(*log, "PickFromList")->isEnabled()); });
  LogIn("ann");
  Command(Child<QAction>(*form, "View1"), [&](QDialog*) {
    EXPECT_FALSE(Child<QRadioButton>(*log, "PickFromList")->isEnabled());
    EXPECT_TRUE(Child<QPlainTextEdit>(*log, "SQL")->isReadOnly());
  });
}

TEST_F(Commands, ScoreAndWordsOpenTheirWindows) {
  LogIn("ann");
  // Score, on the tool bar too, follows the File menu, which the main window
  // opens at its own log-in.
  EXPECT_FALSE(Child<QToolButton>(*form, "ScoreTool")->isEnabled());
  EXPECT_TRUE(Child<QAction>(*form, "Words1")->isEnabled());
  passwords->Logout();
  dialogs.logins.push_back({"ann", "ann-pw"});
  form->show();
  QApplication::processEvents();
  EXPECT_TRUE(Child<QToolButton>(*form, "ScoreTool")->isEnabled());
  Command(Child<QAction>(*form, "Score1"), [&](QDialog* window) {
    EXPECT_EQ(window, scores);
    EXPECT_EQ(scores->MarkedGroup(), -1);
  });
  Command(Child<QAction>(*form, "Words1"), [&](QDialog* window) { EXPECT_EQ(window, soundList); });
}

}  // namespace
}  // namespace orv::test
