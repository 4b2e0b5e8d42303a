#include "session/input_window.h"

#include <gtest/gtest.h>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <functional>
#include <optional>
#include <utility>

#include "session/ports.h"
#include "support/children.h"
#include "support/window_driver.h"

namespace orv {
namespace {

using test::Child;
using test::Press;
using test::Type;

struct CountingButtons : AnswerButtons {
  void ReShow() override { ++reshows; }
  void Replay() override { ++replays; }
  int reshows = 0;
  int replays = 0;
};

class InputWindow : public ::testing::Test {
 protected:
  T_Input form;
  CountingButtons buttons;
  test::WindowDriver driver;
};

TEST_F(InputWindow, LooksAsDesigned) {
  EXPECT_EQ(form.windowTitle(), "Input");
  Qt::WindowFlags flags = form.windowFlags();
  EXPECT_EQ(flags & Qt::WindowType_Mask, Qt::Tool);
  EXPECT_TRUE(flags & Qt::WindowStaysOnTopHint);
  EXPECT_TRUE(flags & Qt::WindowCloseButtonHint);

  auto* progress = Child<QLabel>(form, "Progress");
  EXPECT_EQ(progress->palette().color(QPalette::WindowText), QColor(Qt::red));
  auto* edit = Child<QLineEdit>(form, "Edit1");
  EXPECT_GT(edit->font().pointSizeF(), QApplication::font().pointSizeF());
  EXPECT_EQ(edit->toolTip(), "Type in the word you were asked here");
  EXPECT_EQ(Child<QPushButton>(form, "Replay")->text(), "&Replay");
  EXPECT_EQ(Child<QPushButton>(form, "Replay")->toolTip(),
            "If there is a spoken prompt replay it.");
  EXPECT_EQ(Child<QPushButton>(form, "BReShow")->text(), "Re&Show");
  EXPECT_EQ(Child<QPushButton>(form, "BReShow")->toolTip(), "Reshow the word to type");
  auto* ok = Child<QPushButton>(form, "BitBtn1");
  EXPECT_TRUE(ok->isDefault());
  EXPECT_TRUE(ok->toolTip().isEmpty());
  EXPECT_EQ(ok->statusTip(), "When you have type in the word click here or press enter");
}

// Its size is the least it may have: a learner may make it larger.
TEST_F(InputWindow, ClientAreaKeepsAtLeastItsSize) {
  EXPECT_EQ(form.size(), QSize(340, 95));
  form.resize(100, 50);
  EXPECT_EQ(form.size(), QSize(340, 95));
}

TEST_F(InputWindow, EnterReturnsTheTypedWordAndShowsTheProgress) {
  QString progressShown;
  QWidget* focused = nullptr;
  driver.Then("T_Input", "types house", [&](QWidget& w) {
    progressShown = Child<QLabel>(form, "Progress")->text();
    focused = QApplication::focusWidget();
    Type(w, "house");
    Press(w, Qt::Key_Return);
  });
  std::optional<std::string> typed =
      form.Ask("Hi score 7 : 9 go''s left out of 10 words", "", true, buttons);
  EXPECT_FALSE(driver.Stuck());
  EXPECT_EQ(typed, "house");
  EXPECT_EQ(progressShown, "Hi score 7 : 9 go''s left out of 10 words");
  EXPECT_EQ(focused, Child<QLineEdit>(form, "Edit1"));
  EXPECT_FALSE(form.isVisible());
}

TEST_F(InputWindow, PresetIsSelectedSoTypingReplacesIt) {
  bool allSelected = false;
  driver.Then("T_Input", "types cat, clicks Ok", [&](QWidget& w) {
    auto* edit = Child<QLineEdit>(form, "Edit1");
    allSelected = edit->selectedText() == "Please type in the last word";
    Type(w, "cat");
    Child<QPushButton>(form, "BitBtn1")->click();
  });
  EXPECT_EQ(form.Ask("p", "Please type in the last word", false, buttons), "cat");
  EXPECT_TRUE(allSelected);
  EXPECT_FALSE(driver.Stuck());
}

// Each way a child may try to leave gives no answer, whatever was typed.
TEST_F(InputWindow, TheCloseBoxEscAndStopGiveNoAnswer) {
  const std::pair<const char*, std::function<void(QWidget&)>> ways[] = {
      {"Esc", [](QWidget& w) { Press(w, Qt::Key_Escape); }},
      {"the close box", [](QWidget& w) { w.close(); }},
      {"Alt+T", [](QWidget& w) { Press(w, Qt::Key_T, Qt::AltModifier); }},
  };
  for (const auto& [how, close] : ways) {
    driver.Then("T_Input", std::string("types dog, leaves with ") + how, [&](QWidget& w) {
      Type(w, "dog");
      close(w);
    });
    EXPECT_EQ(form.Ask("p", "", false, buttons), std::nullopt) << how;
    EXPECT_FALSE(form.isVisible()) << how;
  }
  EXPECT_FALSE(driver.Stuck());
}

TEST_F(InputWindow, ReShowIsEnabledExactlyWhenTheSettingIsOn) {
  for (bool reshow : {true, false, true}) {
    bool enabled = !reshow;
    driver.Then("T_Input", "types x", [&](QWidget& w) {
      enabled = Child<QPushButton>(form, "BReShow")->isEnabled();
      Type(w, "x");
      Press(w, Qt::Key_Return);
    });
    form.Ask("p", "", reshow, buttons);
    EXPECT_EQ(enabled, reshow);
  }
  EXPECT_FALSE(driver.Stuck());
}

TEST_F(InputWindow, ButtonsActOnTheQuestionAndGiveTheFocusBack) {
  QWidget* focusAfterReShow = nullptr;
  QWidget* focusAfterReplay = nullptr;
  driver.Then("T_Input", "clicks the buttons, types word", [&](QWidget& w) {
    Child<QPushButton>(form, "BReShow")->click();
    Child<QPushButton>(form, "BReShow")->click();
    focusAfterReShow = QApplication::focusWidget();
    Child<QPushButton>(form, "Replay")->click();
    focusAfterReplay = QApplication::focusWidget();
    Type(w, "word");
    Press(w, Qt::Key_Return);
  });
  EXPECT_EQ(form.Ask("p", "", true, buttons), "word");
  EXPECT_EQ(buttons.reshows, 2);
  EXPECT_EQ(buttons.replays, 1);
  EXPECT_EQ(focusAfterReShow, Child<QLineEdit>(form, "Edit1"));
  EXPECT_EQ(focusAfterReplay, Child<QLineEdit>(form, "Edit1"));
}

TEST_F(InputWindow, EachReadingStartsFromThePresetNotTheLastAnswer) {
  driver.Then("T_Input", "types first", [&](QWidget& w) {
    Type(w, "first");
    Press(w, Qt::Key_Return);
  });
  form.Ask("p", "", false, buttons);
  QString atStart = "unset";
  driver.Then("T_Input", "types second", [&](QWidget& w) {
    atStart = Child<QLineEdit>(form, "Edit1")->text();
    Type(w, "second");
    Press(w, Qt::Key_Return);
  });
  EXPECT_EQ(form.Ask("p", "", false, buttons), "second");
  EXPECT_EQ(atStart, "");
}

}  // namespace
}  // namespace orv
