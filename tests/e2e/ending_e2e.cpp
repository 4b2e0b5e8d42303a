// The program told to end while a child's test runs, through its real
// windows: Quit in the pause after a wrong answer, the database's retry box
// answered No as the test starts, and SIGTERM while an answer is typed. Each
// time the test stops at once, nothing more is asked or written, the positions
// still to come are kept and the user's start-up file is saved.
#include <gtest/gtest.h>
#include <signal.h>
#include <unistd.h>

#include <QApplication>
#include <QMenu>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "app/mainform_window.h"
#include "app/platform.h"
#include "app/program_window.h"
#include "e2e/driver.h"
#include "lists/buffers.h"
#include "scores/score_db_fixture.h"
#include "support/temp_dir.h"

namespace orv::e2e {
namespace {

namespace fs = std::filesystem;

void Type(QWidget& window, const std::string& text) {
  QWidget* focus = QApplication::focusWidget();
  QTest::keyClicks(focus != nullptr ? focus : &window, QString::fromStdString(text));
}

void Press(QWidget& window, Qt::Key key) {
  QWidget* focus = QApplication::focusWidget();
  QTest::keyClick(focus != nullptr && focus->window() == &window ? focus : &window, key);
}

// Counts the showings of each window from the moment the program is told
// to end.
class ShowsAfterTheEnd : public QObject {
 public:
  ShowsAfterTheEnd() { qApp->installEventFilter(this); }
  ~ShowsAfterTheEnd() override { qApp->removeEventFilter(this); }
  std::set<std::string> shown;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (QuitRequested() && event->type() == QEvent::Show && watched->isWidgetType() &&
        static_cast<QWidget*>(watched)->isWindow()) {
      shown.insert(watched->objectName().toStdString());
    }
    return false;
  }
};

class Ending : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_EQ(MakeProgramDirectory(home.Str()), "");
    // ADMIN's first list, asked in random order over the whole list.
    home.Write("orv.orv/words0.orv", "cat\r\ndog\r\nemu\r\n");
  }

  // ADMIN logs in for the first time (the password warning, a new start-up
  // file) and starts a test on the current list.
  void LogInAndStart() {
    driver
        .Then("LoginForm", "types ADMIN and a password",
              [](QWidget& w) {
                Type(w, "ADMIN");
                Press(w, Qt::Key_Return);
                Type(w, "anything");
                Press(w, Qt::Key_Return);
              })
        .Then("OrvMessage", "reads the password warning",
              [](QWidget& w) { Press(w, Qt::Key_Return); })
        .Then("OrvMessage", "agrees to a start-up file", [](QWidget& w) { Press(w, Qt::Key_Y); })
        .Then("MainForm", "starts the test", [](QWidget& w) { Press(w, Qt::Key_Return); });
  }

  int Run() {
    const int code = RunOrv(home.Str(), [this](OrvProgram& program) {
      main = &program.MainForm();
      driver.Start();
    });
    EXPECT_FALSE(driver.Stuck());
    EXPECT_TRUE(driver.Done()) << driver.Waiting();
    return code;
  }

  // What the program left: the start-up file, the positions and the rows.
  void ExpectSavedAndNothingWritten(std::size_t positionsLeft) {
    EXPECT_TRUE(fs::exists(home.Path() / "User/ADMIN.DIR/ORV.CON")) << "the start-up file";
    BufferO positions;
    if (positionsLeft > 0) {
      ASSERT_EQ(LoadFromFile(positions, home.Str() + "User/ADMIN.DIR/WORDS0.POS"), 0);
      EXPECT_EQ(positions.Count(), positionsLeft);
    }
    EXPECT_TRUE(test::Rows(home.Str() + "scoredb.gdb", "select name from score").empty());
    EXPECT_TRUE(test::Rows(home.Str() + "scoredb.gdb", "select word from log").empty());
  }

  test::TempDir home;
  Driver driver{"MainForm", 20000};
  TMainForm* main = nullptr;
  ShowsAfterTheEnd after;
};

TEST_F(Ending, QuitInThePauseAfterAWrongAnswer) {
  LogInAndStart();
  bool groundLocked = false;
  driver.Then("MessageForm", "reads the word", [](QWidget&) {})
      .Then("_Input", "types it wrong, then clicks Quit during the pause", [&](QWidget& w) {
        Type(w, "wrongly");
        QTimer::singleShot(200, main, [&] {
          groundLocked = !main->Open1->isEnabled() && !main->LogOutButton->isEnabled() &&
                         !main->User1->menuAction()->isEnabled() && main->BitBtn2->isEnabled();
          main->BitBtn2->click();
        });
        Press(w, Qt::Key_Return);
      });
  EXPECT_EQ(Run(), 0);
  EXPECT_TRUE(groundLocked) << "during the test only Quit works of the commands on its ground";
  EXPECT_EQ(after.shown, std::set<std::string>{});
  ExpectSavedAndNothingWritten(2);
}

TEST_F(Ending, TheDesktopSessionEndsInThePause) {
  LogInAndStart();
  driver.Then("MessageForm", "reads the word", [](QWidget&) {})
      .Then("_Input", "types it wrong as the desktop session ends", [&](QWidget& w) {
        Type(w, "wrongly");
        QTimer::singleShot(200, main, [&] {
          main->Core().SessionEnding();
          QApplication::quit();
        });
        Press(w, Qt::Key_Return);
      });
  EXPECT_EQ(Run(), 0);
  EXPECT_EQ(after.shown, std::set<std::string>{});
  ExpectSavedAndNothingWritten(2);
}

TEST_F(Ending, RetryBoxNoWhenTheTestStarts) {
  home.Write("scoredb.gdb", "not a database");
  LogInAndStart();
  driver
      .Then("OrvMessage", "reads the engine's error", [](QWidget& w) { Press(w, Qt::Key_Return); })
      .Then("OrvMessage", "answers No to trying again", [](QWidget& w) { Press(w, Qt::Key_N); });
  EXPECT_EQ(Run(), 0);
  EXPECT_EQ(after.shown, std::set<std::string>{});
  EXPECT_TRUE(fs::exists(home.Path() / "User/ADMIN.DIR/ORV.CON")) << "the start-up file";
}

TEST_F(Ending, SigtermWhileAnAnswerIsTyped) {
  LogInAndStart();
  driver.Then("MessageForm", "reads the word", [](QWidget&) {})
      .Then("_Input", "types half the word when the machine shuts down", [](QWidget& w) {
        Type(w, "ca");
        kill(getpid(), SIGTERM);
      });
  EXPECT_EQ(Run(), 0);
  EXPECT_EQ(after.shown, std::set<std::string>{});
  ExpectSavedAndNothingWritten(2);
}

// The beep goes to the program's sound output: nothing reaches the terminal.
TEST_F(Ending, TheBeepIsATone) {
  std::string bell;
  driver.Then("LoginForm", "cancels the log-in", [](QWidget& w) { Press(w, Qt::Key_Escape); })
      .Then("MainForm", "beeps, then quits", [&](QWidget&) {
        std::fflush(stderr);
        const int saved = dup(2);
        std::FILE* capture = std::tmpfile();
        dup2(fileno(capture), 2);
        Beep();
        std::fflush(stderr);
        dup2(saved, 2);
        close(saved);
        std::rewind(capture);
        for (int c = std::fgetc(capture); c != EOF; c = std::fgetc(capture)) bell += char(c);
        std::fclose(capture);
        main->BitBtn2->click();
      });
  EXPECT_EQ(Run(), 0);
  EXPECT_EQ(bell.find('\a'), std::string::npos);
}

}  // namespace
}  // namespace orv::e2e
