#include "session/mathinput_window.h"

#include <gtest/gtest.h>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "support/gui_keys.h"

namespace orv {
namespace {

using test::ModalWatchdog;
using test::PressEnter;
using test::PressEscape;
using test::PressKey;
using test::TypeText;
using test::WhenShown;

class MathInputWindow : public ::testing::Test {
 protected:
  template <typename T>
  T* Child(const char* name) {
    T* child = form.findChild<T*>(name);
    EXPECT_NE(child, nullptr) << name;
    return child;
  }

  TForm1 form;
  ModalWatchdog watchdog;
};

TEST_F(MathInputWindow, ShowsTheQuestionRoundingAndProgress) {
  EXPECT_EQ(form.windowTitle(), "Math input");
  EXPECT_TRUE(form.windowFlags() & Qt::WindowStaysOnTopHint);
  EXPECT_EQ(Child<QLabel>("RoundTo")->text(), "Round to 3 decimal places where appropriate. ");
  EXPECT_EQ(Child<QLabel>("remain")->text(), "questions remaining");

  QString question, rounding, remaining;
  QWidget* focused = nullptr;
  WhenShown([&] {
    question = Child<QLineEdit>("QuestinoEdit")->text();
    rounding = Child<QLabel>("RoundTo")->text();
    remaining = Child<QLabel>("remain")->text();
    focused = QApplication::focusWidget();
    TypeText("3.5");
    PressEnter();
  });
  std::string typed = form.AskMath("7/2", "2", "Hi score 10 : 9 go''s left out of 10 words");
  EXPECT_FALSE(watchdog.Fired());
  EXPECT_EQ(typed, "3.5");
  EXPECT_EQ(question, "7/2");
  EXPECT_EQ(rounding, "Round to 2 decimal places where appropriate.");
  EXPECT_EQ(remaining, "Hi score 10 : 9 go''s left out of 10 words");
  EXPECT_EQ(focused, Child<QLineEdit>("AnswerEdit"));
  EXPECT_TRUE(Child<QLabel>("remain")->autoFillBackground());
}

TEST_F(MathInputWindow, FontsOfEditsAndLabels) {
  EXPECT_EQ(Child<QLineEdit>("QuestinoEdit")->font().pixelSize(), 16);
  EXPECT_EQ(Child<QLineEdit>("AnswerEdit")->font().pixelSize(), 16);
  EXPECT_EQ(Child<QLabel>("QuestionLabel")->text(), "Question");
  EXPECT_EQ(Child<QLabel>("QuestionLabel")->font().pixelSize(), 19);
  EXPECT_EQ(Child<QLabel>("AnswerLabel")->text(), "Answer");
  EXPECT_EQ(Child<QLabel>("AnswerLabel")->font().pixelSize(), 19);
  EXPECT_EQ(Child<QLabel>("AnswerLabel")->toolTip(), "Type the answer in the box below");
}

TEST_F(MathInputWindow, AnswerIsReturnedUntrimmedAndClearedForTheNextQuestion) {
  WhenShown([&] {
    TypeText(" 12 ");
    PressEnter();
  });
  EXPECT_EQ(form.AskMath("3*4", "3", "p"), " 12 ");
  QString atStart = "unset";
  WhenShown([&] {
    atStart = Child<QLineEdit>("AnswerEdit")->text();
    PressEnter();
  });
  EXPECT_EQ(form.AskMath("2+3", "3", "p"), "");
  EXPECT_EQ(atStart, "");
  EXPECT_FALSE(watchdog.Fired());
}

TEST_F(MathInputWindow, CloseButtonGivesTheAnswerAsTypedEvenEmpty) {
  WhenShown([&] { Child<QPushButton>("BitBtn2")->click(); });
  EXPECT_EQ(form.AskMath("2+3", "3", "p"), "");
  EXPECT_EQ(Child<QPushButton>("BitBtn2")->text(), "&Close");
  WhenShown([&] {
    TypeText("5");
    Child<QPushButton>("BitBtn2")->click();
  });
  EXPECT_EQ(form.AskMath("2+3", "3", "p"), "5");
  EXPECT_FALSE(watchdog.Fired());
}

TEST_F(MathInputWindow, QuestionCannotBeEditedNorReachedWithTab) {
  auto* question = Child<QLineEdit>("QuestinoEdit");
  EXPECT_TRUE(question->isReadOnly());
  bool questionFocused = false;
  bool openAfterEscape = false;
  WhenShown([&] {
    for (int i = 0; i < 6; ++i) {
      PressKey(QApplication::focusWidget(), Qt::Key_Tab);
      questionFocused = questionFocused || QApplication::focusWidget() == question;
    }
    question->setFocus();
    TypeText("99");
    PressEscape();
    QApplication::processEvents();
    openAfterEscape = form.isVisible();
    Child<QLineEdit>("AnswerEdit")->setFocus();
    TypeText("7");
    PressEnter();
  });
  EXPECT_EQ(form.AskMath("3+4", "3", "p"), "7");
  EXPECT_FALSE(questionFocused);
  EXPECT_EQ(question->text(), "3+4");
  EXPECT_TRUE(openAfterEscape);
  EXPECT_FALSE(watchdog.Fired());
}

}  // namespace
}  // namespace orv
