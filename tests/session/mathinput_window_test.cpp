#include "session/mathinput_window.h"

#include <gtest/gtest.h>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <functional>
#include <optional>
#include <utility>

#include "support/children.h"
#include "support/window_driver.h"

namespace orv {
namespace {

using test::Child;
using test::Press;
using test::Type;

class MathInputWindow : public ::testing::Test {
 protected:
  TForm1 form;
  test::WindowDriver driver;
};

TEST_F(MathInputWindow, ShowsTheQuestionRoundingAndProgress) {
  EXPECT_EQ(form.windowTitle(), "Math input");
  EXPECT_TRUE(form.windowFlags() & Qt::WindowStaysOnTopHint);
  EXPECT_EQ(Child<QLabel>(form, "RoundTo")->text(),
            "Round to 3 decimal places where appropriate. ");
  EXPECT_EQ(Child<QLabel>(form, "remain")->text(), "questions remaining");

  QString question, rounding, remaining;
  QWidget* focused = nullptr;
  driver.Then("TForm1", "types 3.5", [&](QWidget& w) {
    question = Child<QLineEdit>(form, "QuestinoEdit")->text();
    rounding = Child<QLabel>(form, "RoundTo")->text();
    remaining = Child<QLabel>(form, "remain")->text();
    focused = QApplication::focusWidget();
    Type(w, "3.5");
    Press(w, Qt::Key_Return);
  });
  std::optional<std::string> typed =
      form.AskMath("7/2", "2", "Hi score 10 : 9 go''s left out of 10 words");
  EXPECT_FALSE(driver.Stuck());
  EXPECT_EQ(typed, "3.5");
  EXPECT_EQ(question, "7/2");
  EXPECT_EQ(rounding, "Round to 2 decimal places where appropriate.");
  EXPECT_EQ(remaining, "Hi score 10 : 9 go''s left out of 10 words");
  EXPECT_EQ(focused, Child<QLineEdit>(form, "AnswerEdit"));
  EXPECT_TRUE(Child<QLabel>(form, "remain")->autoFillBackground());

  // An answer that is not rounded comes without a rule.
  driver.Then("TForm1", "types 7", [&](QWidget& w) {
    rounding = Child<QLabel>(form, "RoundTo")->text();
    Type(w, "7");
    Press(w, Qt::Key_Return);
  });
  form.AskMath("3+4", "", "");
  EXPECT_EQ(rounding, "");
}

TEST_F(MathInputWindow, FontsOfEditsAndLabels) {
  EXPECT_EQ(Child<QLineEdit>(form, "QuestinoEdit")->font().pixelSize(), 16);
  EXPECT_EQ(Child<QLineEdit>(form, "AnswerEdit")->font().pixelSize(), 16);
  EXPECT_EQ(Child<QLabel>(form, "QuestionLabel")->text(), "Question");
  EXPECT_EQ(Child<QLabel>(form, "QuestionLabel")->font().pixelSize(), 19);
  EXPECT_EQ(Child<QLabel>(form, "AnswerLabel")->text(), "Answer");
  EXPECT_EQ(Child<QLabel>(form, "AnswerLabel")->font().pixelSize(), 19);
  EXPECT_EQ(Child<QLabel>(form, "AnswerLabel")->toolTip(), "Type the answer in the box below");
}

TEST_F(MathInputWindow, AnswerIsReturnedUntrimmedAndClearedForTheNextQuestion) {
  driver.Then("TForm1", "types 12 in blanks", [&](QWidget& w) {
    Type(w, " 12 ");
    Press(w, Qt::Key_Return);
  });
  EXPECT_EQ(form.AskMath("3*4", "3", "p"), " 12 ");
  QString atStart = "unset";
  driver.Then("TForm1", "presses Enter", [&](QWidget& w) {
    atStart = Child<QLineEdit>(form, "AnswerEdit")->text();
    Press(w, Qt::Key_Return);
  });
  EXPECT_EQ(form.AskMath("2+3", "3", "p"), "");
  EXPECT_EQ(atStart, "");
  EXPECT_FALSE(driver.Stuck());
}

TEST_F(MathInputWindow, CloseButtonGivesTheAnswerAsTypedEvenEmpty) {
  driver.Then("TForm1", "clicks Close",
              [&](QWidget&) { Child<QPushButton>(form, "BitBtn2")->click(); });
  EXPECT_EQ(form.AskMath("2+3", "3", "p"), "");
  EXPECT_EQ(Child<QPushButton>(form, "BitBtn2")->text(), "&Close");
  driver.Then("TForm1", "types 5", [&](QWidget& w) {
    Type(w, "5");
    Child<QPushButton>(form, "BitBtn2")->click();
  });
  EXPECT_EQ(form.AskMath("2+3", "3", "p"), "5");
  EXPECT_FALSE(driver.Stuck());
}

TEST_F(MathInputWindow, QuestionCannotBeEditedNorReachedWithTab) {
  auto* question = Child<QLineEdit>(form, "QuestinoEdit");
  EXPECT_TRUE(question->isReadOnly());
  bool questionFocused = false;
  driver.Then("TForm1", "tabs round, types 7", [&](QWidget& w) {
    for (int i = 0; i < 6; ++i) {
      Press(w, Qt::Key_Tab);
      questionFocused = questionFocused || QApplication::focusWidget() == question;
    }
    question->setFocus();
    Type(w, "99");
    Child<QLineEdit>(form, "AnswerEdit")->setFocus();
    Type(w, "7");
    Press(w, Qt::Key_Return);
  });
  EXPECT_EQ(form.AskMath("3+4", "3", "p"), "7");
  EXPECT_FALSE(questionFocused);
  EXPECT_EQ(question->text(), "3+4");
  EXPECT_FALSE(driver.Stuck());
}

// Closing the window no longer hands in what was typed as an answer.
TEST_F(MathInputWindow, TheCloseBoxEscAndStopGiveNoAnswer) {
  const std::pair<const char*, std::function<void(QWidget&)>> ways[] = {
      {"Esc", [](QWidget& w) { Press(w, Qt::Key_Escape); }},
      {"the close box", [](QWidget& w) { w.close(); }},
      {"Alt+T", [](QWidget& w) { Press(w, Qt::Key_T, Qt::AltModifier); }},
  };
  for (const auto& [how, close] : ways) {
    driver.Then("TForm1", std::string("types 7, leaves with ") + how, [&](QWidget& w) {
      Type(w, "7");
      close(w);
    });
    EXPECT_EQ(form.AskMath("3+4", "3", "p"), std::nullopt) << how;
    EXPECT_FALSE(form.isVisible()) << how;
  }
  EXPECT_FALSE(driver.Stuck());
}

}  // namespace
}  // namespace orv
