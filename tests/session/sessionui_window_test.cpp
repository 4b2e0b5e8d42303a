// A whole test through the real windows: the session's window port drives the
// math input, wrong-answer and timed-message windows, and the score window is
// opened with the test's log group.
#include "session/sessionui_window.h"

#include <gtest/gtest.h>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

#include "session/input_window.h"
#include "session/mathinput_window.h"
#include "session/session_fixture.h"
#include "session/wrongwords_window.h"
#include "support/gui_keys.h"
#include "widgets/message_window.h"

namespace orv::test {
namespace {

// Answers each window as it comes up, as a learner at the keyboard would.
class WindowLearner {
 public:
  explicit WindowLearner(std::deque<QString> answers) : answers_(std::move(answers)) {
    QObject::connect(&poll_, &QTimer::timeout, [this] { Look(); });
    poll_.start(2);
  }

  std::vector<std::string> seen;

 private:
  void Look() {
    QWidget* modal = QApplication::activeModalWidget();
    if (modal == last_) return;
    last_ = modal;
    if (modal == nullptr) return;
    const QString name = modal->objectName();
    if (name == "Form1") {
      auto* answer = modal->findChild<QLineEdit*>("AnswerEdit");
      seen.push_back("math " + modal->findChild<QLineEdit*>("QuestinoEdit")->text().toStdString());
      QString typed = answers_.empty() ? QString("exit") : answers_.front();
      if (!answers_.empty()) answers_.pop_front();
      for (QChar c : typed) PressKey(answer, 0, QString(c));
      PressKey(answer, Qt::Key_Return);
    } else if (name == "WrongWordsForm") {
      seen.push_back("wrong " + modal->findChild<QLabel*>("Label4")->text().toStdString() +
                     " not " + modal->findChild<QLabel*>("Label3")->text().toStdString());
      modal->findChild<QPushButton*>("BitBtn1")->click();
    } else if (name == "MessageForm") {
      QColor colour = modal->palette().color(QPalette::Window);
      seen.push_back("message " + modal->findChild<QLabel*>("Label1")->text().toStdString() +
                     (colour == QColor(Qt::green) ? " on lime" : " on another colour"));
    }
  }

  std::deque<QString> answers_;
  QTimer poll_;
  QWidget* last_ = nullptr;
};

class SessionWindowsTest : public SessionTest {
 protected:
  TMessageForm message;
  T_Input input;
  TForm1 math;
  TWrongWordsForm wrong{sounds};
  std::vector<std::int32_t> scoreWindows;
  SessionUi ui{message, input, math, wrong,
               [this](std::int32_t group) { scoreWindows.push_back(group); }};
  TestSession windowed{ui, sounds, store, dialogs};
  ModalWatchdog watchdog{20000};
};

TEST_F(SessionWindowsTest, WrongThenRightThroughTheWindows) {
  std::string path = WriteList("sum.orv", "2+3|5\n");
  settings.inOrder = true;
  WindowLearner learner({"4", "5"});
  windowed.RunTest(path, "ann", settings);
  EXPECT_FALSE(watchdog.Fired());
  EXPECT_EQ(learner.seen, (std::vector<std::string>{"math 2+3", "wrong \"4\" not \"5\"", "math 2+3",
                                                    "message RIGHT !! on lime"}));
  EXPECT_EQ(beeps, 2);  // the wrong answer's beep and the message's
  auto score = Rows("select log_group, score, word_count from score");
  ASSERT_EQ(score.size(), 1u);
  EXPECT_EQ(score[0][1], "0");
  EXPECT_EQ(score[0][2], "1");
  EXPECT_EQ(scoreWindows, (std::vector<std::int32_t>{std::stoi(score[0][0])}));
  EXPECT_EQ(Log(), (std::vector<Row>{{"2+3|5", "4", "0"}}));
}

}  // namespace
}  // namespace orv::test
