// A whole test through the real windows: the session's window port drives the
// math input, wrong-answer and timed-message windows, and the score window is
// opened with the test's log group.
#include "session/sessionui_window.h"

#include <gtest/gtest.h>
#include <QPushButton>

#include "session/input_window.h"
#include "session/mathinput_window.h"
#include "session/session_fixture.h"
#include "session/wrongwords_window.h"
#include "support/window_driver.h"
#include "widgets/message_window.h"

namespace orv::test {
namespace {

// Answers a sum as a learner at the keyboard would, keeping the question.
WindowDriver::Act AnswerSum(std::vector<std::string>& seen, const std::string& typed) {
  return [&seen, typed](QWidget& w) {
    seen.push_back("math " + TextOf(w, "QuestinoEdit"));
    Type(w, typed);
    Press(w, Qt::Key_Return);
  };
}

class SessionWindowsTest : public SessionTest {
 protected:
  TMessageForm message;
  T_Input input;
  TForm1 math;
  TWrongWordsForm wrong{sounds};
  std::vector<std::int32_t> scoreWindows;
  SessionUi ui{message, input, math, wrong,
               [this](std::int32_t group, const std::string&) { scoreWindows.push_back(group); }};
  TestSession windowed{ui, sounds, store, dialogs, compile};
  WindowDriver driver{20000};
};

TEST_F(SessionWindowsTest, WrongThenRightThroughTheWindows) {
  std::string path = WriteList("sum.orv", "2+3|5\n");
  settings.inOrder = true;
  std::vector<std::string> seen;
  driver.Then("Form1", "answers 4", AnswerSum(seen, "4"))
      .Then("WrongWordsForm", "reads both answers, Ok",
            [&seen](QWidget& w) {
              seen.push_back("wrong " + TextOf(w, "Label4") + " not " + TextOf(w, "Label3"));
              w.findChild<QPushButton*>("BitBtn1")->click();
            })
      .Then("Form1", "answers 5", AnswerSum(seen, "5"))
      .Then("MessageForm", "is told it is right", [&seen](QWidget& w) {
        const bool lime = w.palette().color(QPalette::Window) == QColor(Qt::green);
        seen.push_back("message " + TextOf(w, "Label1") +
                       (lime ? " on lime" : " on another colour"));
      });
  windowed.RunTest(path, "ann", settings);
  EXPECT_FALSE(driver.Stuck());
  EXPECT_EQ(seen, (std::vector<std::string>{"math 2+3", "wrong \"4\" not \"5\"", "math 2+3",
                                            "message RIGHT !! on lime"}));
  EXPECT_EQ(beeps, 2);  // the wrong answer's beep and the message's
  auto score = Rows("select log_group, score, word_count from score");
  ASSERT_EQ(score.size(), 1u);
  EXPECT_EQ(score[0][1], "0");
  EXPECT_EQ(score[0][2], "1");
  EXPECT_EQ(scoreWindows, (std::vector<std::int32_t>{std::stoi(score[0][0])}));
  EXPECT_EQ(Log(), (std::vector<Row>{{"2+3|5", "4", "0"}}));
}

// A near miss is told as one and still counts wrong; a fraction of the right
// value not in lowest terms is asked again without counting.
TEST_F(SessionWindowsTest, NearMissAndLowestTermsThroughTheWindows) {
  std::string path = WriteList("mix.orv", "$lowestTerms\nhalf|1/2\nbecause\n");
  settings.inOrder = true;
  std::vector<std::string> seen;
  const auto message = [&seen](QWidget& w) { seen.push_back("message " + TextOf(w, "Label1")); };
  const auto word = [&seen](const std::string& typed) {
    return [&seen, typed](QWidget& w) {
      seen.push_back("word");
      Type(w, typed);
      Press(w, Qt::Key_Return);
    };
  };
  driver.Then("MessageForm", "sees the word", message)
      .Then("T_Input", "types becuase", word("becuase"))
      .Then("WrongWordsForm", "reads the near miss, Ok",
            [&seen](QWidget& w) {
              seen.push_back("wrong " + TextOf(w, "Label3") + " " + TextOf(w, "NearMissLabel"));
              w.findChild<QPushButton*>("BitBtn1")->click();
            })
      .Then("MessageForm", "sees the word again", message)
      .Then("T_Input", "types because", word("because"))
      .Then("MessageForm", "is told it is right", message)
      .Then("Form1", "answers 2/4", AnswerSum(seen, "2/4"))
      .Then("MessageForm", "is told to reduce it", message)
      .Then("Form1", "answers 1/2", AnswerSum(seen, "1/2"))
      .Then("MessageForm", "is told it is right", message);
  windowed.RunTest(path, "ann", settings);
  EXPECT_FALSE(driver.Stuck()) << driver.Waiting();
  EXPECT_EQ(seen, (std::vector<std::string>{
                      "message because", "word",
                      "wrong \"because\" So close! Two letters are swapped: <span "
                      "style=\"font-size:16pt\">bec<b><u>a</u></b><b><u>u</u></b>se</span>",
                      "message because", "word", "message RIGHT !!", "math half",
                      "message right value, now write it in lowest terms", "math half",
                      "message RIGHT !!"}));
  auto score = Rows("select score, word_count from score");
  ASSERT_EQ(score.size(), 1u);
  EXPECT_EQ(score[0][0], "1");
  EXPECT_EQ(Log(), (std::vector<Row>{{"because", "becuase", "0"}}));
}

}  // namespace
}  // namespace orv::test
