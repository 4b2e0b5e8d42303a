// The program told to end while a child's test runs, through its real
// windows: the test stops at once, nothing more is asked or written than
// the wrong answer already given, the questions still to come are kept (the
// word being asked among them) and the user's start-up file is saved.
#include <gtest/gtest.h>
#include <signal.h>
#include <unistd.h>

#include <QApplication>
#include <QPushButton>
#include <QTimer>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <set>
#include <string>
#include <vector>

#include "app/mainform_window.h"
#include "app/program_window.h"
#include "base/platform.h"
#include "e2e/program_home.h"
#include "lists/buffers.h"
#include "scores/score_db_fixture.h"
#include "support/children.h"
#include "support/program_directory.h"
#include "support/temp_dir.h"
#include "support/window_driver.h"

namespace orv::e2e {
namespace {

using test::Press;
using test::Type;
using test::WindowDriver;

// The windows shown once the program has been told to end.
class ShownAfterTheEnd : public QObject {
 public:
  ShownAfterTheEnd() { qApp->installEventFilter(this); }
  ~ShownAfterTheEnd() override { qApp->removeEventFilter(this); }
  std::set<std::string> windows;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (QuitRequested() && event->type() == QEvent::Show && watched->isWidgetType() &&
        static_cast<QWidget*>(watched)->isWindow()) {
      windows.insert(watched->objectName().toStdString());
    }
    return false;
  }
};

struct Ending {
  const char* how;
  bool brokenDatabase;
  // Log rows kept: a wrong answer is logged before its pause and window.
  std::size_t logged;
  // What happens in the answer window of the first word (none: at the start).
  std::function<void(QWidget& input, TMainForm& main)> inTheAnswerWindow;
};

// Typed wrong, then ended in the pause after it.
std::function<void(QWidget&, TMainForm&)> InThePause(std::function<void(TMainForm&)> end) {
  return [end](QWidget& input, TMainForm& main) {
    Type(input, "wrongly");
    QTimer::singleShot(200, &main, [end, &main] { end(main); });
    Press(input, Qt::Key_Return);
  };
}

TEST(Ending, ARunningTestStopsWhenTheProgramIsToldToEnd) {
  const Ending endings[] = {
      {"Quit in the pause", false, 1,
       InThePause([](TMainForm& main) { test::Child<QPushButton>(main, "BitBtn2")->click(); })},
      {"the desktop session's end in the pause", false, 1, InThePause([](TMainForm& main) {
         main.Core().SessionEnding();
         QApplication::quit();
       })},
      {"Alt+Q while the word is typed", false, 0,
       [](QWidget& input, TMainForm&) {
         Type(input, "ca");
         Press(input, Qt::Key_Q, Qt::AltModifier);
       }},
      {"SIGTERM while the word is typed", false, 0,
       [](QWidget& input, TMainForm&) {
         Type(input, "ca");
         kill(getpid(), SIGTERM);
       }},
      {"the retry box's No as the test starts", true, 0, {}}};
  for (const Ending& e : endings) {
    test::TempDir home;
    ASSERT_EQ(MakeProgramDirectory(home.Str()), "");
    home.Write("orv.orv/words0.orv", "cat\r\ndog\r\nemu\r\n");
    if (e.brokenDatabase) home.Write("scoredb.gdb", "not a database");
    WindowDriver driver(20000, "MainForm");
    TMainForm* main = nullptr;
    // ADMIN's first log-in makes a new start-up file.
    LogInAsNewAdmin(driver).Then("MainForm", "starts the test",
                                 [](QWidget& w) { Press(w, Qt::Key_Return); });
    if (e.inTheAnswerWindow) {
      driver.Then("MessageForm", "reads the word", [](QWidget&) {})
          .Then("_Input", e.how, [&](QWidget& w) { e.inTheAnswerWindow(w, *main); });
    } else {
      driver
          .Then("OrvMessage", "reads the engine's error",
                [](QWidget& w) { Press(w, Qt::Key_Return); })
          .Then("OrvMessage", e.how, [](QWidget& w) { Press(w, Qt::Key_N); });
    }
    ShownAfterTheEnd after;
    EXPECT_EQ(RunOrv(home.Str(), [&](OrvProgram& program) { main = &program.MainForm(); }), 0)
        << e.how;
    EXPECT_TRUE(driver.Done()) << e.how << ": " << driver.Waiting();
    EXPECT_EQ(after.windows, std::set<std::string>{}) << e.how;
    EXPECT_TRUE(std::filesystem::exists(home.Path() / "User/ADMIN.DIR/ORV.CON")) << e.how;
    if (e.brokenDatabase) continue;
    BufferO positions;
    EXPECT_EQ(LoadFromFile(positions, home.Str() + "User/ADMIN.DIR/WORDS0.POS"), 0) << e.how;
    EXPECT_EQ(positions.Count(), 3u) << e.how;
    EXPECT_EQ(test::Rows(home.Str() + "scoredb.gdb", "select name from score").size(), 0u) << e.how;
    EXPECT_EQ(test::Rows(home.Str() + "scoredb.gdb", "select answer from log").size(), e.logged)
        << e.how;
  }
}

// A child leaves a test from the window it answers in: its close box or Esc
// asks first, No goes on with the same question where it was, and Yes
// scores the test so far and shows the score window.
TEST(Ending, ALearnerStopsATestFromTheAnswerWindow) {
  struct Leaving {
    const char* list;
    const char* window;
    int firstScreen;  // where the window stood, to see it come back there
  };
  for (const Leaving& l :
       {Leaving{"cat\r\ndog\r\n", "_Input", 0}, Leaving{"$script\r\n$2+3\r\n", "Form1", 0}}) {
    SCOPED_TRACE(l.window);
    test::TempDir home;
    ASSERT_EQ(MakeProgramDirectory(home.Str()), "");
    home.Write("orv.orv/words0.orv", l.list);
    WindowDriver driver(20000, "MainForm");
    QPoint firstAt;
    QPoint againAt;
    int flashes = 0;
    LogInAsNewAdmin(driver).Then("MainForm", "starts the test",
                                 [](QWidget& w) { Press(w, Qt::Key_Return); });
    if (std::string(l.window) == "_Input") {
      driver.Then("MessageForm", "reads the word", [&](QWidget&) { ++flashes; });
    }
    driver
        .Then(l.window, "types a little and closes the window",
              [&](QWidget& w) {
                firstAt = w.pos();
                Type(w, "ca");
                w.close();
              })
        .Then("OrvMessage", "is asked and says No",
              [](QWidget& w) {
                EXPECT_EQ(test::TextOf(w, "qt_msgbox_label"), "Stop this test?");
                Press(w, Qt::Key_N);
              })
        .Then(l.window, "is asked the same again, presses Esc",
              [&](QWidget& w) {
                againAt = w.pos();
                Press(w, Qt::Key_Escape);
              })
        .Then("OrvMessage", "says Yes", [](QWidget& w) { Press(w, Qt::Key_Y); })
        .Then("SF2", "sees the score, closes it", [](QWidget& w) { Press(w, Qt::Key_Escape); })
        .Then("MainForm", "quits", [](QWidget& w) { Press(w, Qt::Key_Q, Qt::AltModifier); });
    EXPECT_EQ(RunOrv(home.Str()), 0);
    EXPECT_TRUE(driver.Done()) << driver.Waiting();
    EXPECT_EQ(againAt, firstAt);
    EXPECT_EQ(flashes, std::string(l.window) == "_Input" ? 1 : 0);
    EXPECT_EQ(test::Rows(home.Str() + "scoredb.gdb", "select word_count, score from score"),
              (std::vector<std::vector<std::string>>{{"0", "0"}}));
    EXPECT_EQ(test::Rows(home.Str() + "scoredb.gdb", "select word from log").size(), 0u);
  }
}

// The beep goes to the program's sound output: nothing reaches the terminal.
TEST(Ending, TheProgramBeepsWithATone) {
  test::TempDir home;
  ASSERT_EQ(MakeProgramDirectory(home.Str()), "");
  std::string bell;
  WindowDriver driver(20000, "MainForm");
  driver.Then("LoginForm", "cancels the log-in", [](QWidget& w) { Press(w, Qt::Key_Escape); })
      .Then("MainForm", "beeps, then quits", [&](QWidget& w) {
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
        w.findChild<QPushButton*>("BitBtn2")->click();
      });
  EXPECT_EQ(RunOrv(home.Str()), 0);
  EXPECT_EQ(bell.find('\a'), std::string::npos);
}

}  // namespace
}  // namespace orv::e2e
