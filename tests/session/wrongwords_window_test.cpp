#include "session/wrongwords_window.h"

#include <gtest/gtest.h>
#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <set>
#include <string>
#include <vector>

#include "base/strings.h"
#include "session/ports.h"
#include "support/children.h"
#include "support/window_driver.h"

namespace orv {
namespace {

using test::Child;
using test::Press;

// Sounds stored under names looked up without regard to letter case.
struct StoredSounds : SessionSounds {
  bool WavForWord(const std::string& name) override {
    looked.push_back(name);
    return stored.count(Upper(name)) > 0;
  }
  void PlayWord(const std::string& name) override { played.push_back(name); }
  bool Speak(const std::string&, const std::string&) override { return false; }
  void PlayRightSound() override {}
  std::set<std::string> stored;
  std::vector<std::string> looked;
  std::vector<std::string> played;
};

class WrongWordsWindow : public ::testing::Test {
 protected:
  QColor Colour(QWidget* w, QPalette::ColorRole role) { return w->palette().color(role); }

  StoredSounds sounds;
  TWrongWordsForm form{sounds};
  test::WindowDriver driver;
};

TEST_F(WrongWordsWindow, ShowsBothAnswersInQuotesInTheirColours) {
  QString right, typed;
  bool visible = false;
  driver.Then("TWrongWordsForm", "reads the answers, Ok", [&](QWidget&) {
    visible = form.isVisible();
    right = Child<QLabel>(form, "Label3")->text();
    typed = Child<QLabel>(form, "Label4")->text();
    Child<QPushButton>(form, "BitBtn1")->click();
  });
  form.ShowWrongAnswer("teh", "the");
  EXPECT_FALSE(driver.Stuck());
  EXPECT_TRUE(visible);
  EXPECT_EQ(right, "\"the\"");
  EXPECT_EQ(typed, "\"teh\"");

  EXPECT_TRUE(form.windowTitle().isEmpty());
  EXPECT_FALSE(form.windowFlags() & Qt::WindowCloseButtonHint);
  // teh is a near miss: its line adds room above the OK button.
  EXPECT_EQ(form.size(), QSize(558, 200));
  EXPECT_EQ(Colour(&form, QPalette::Window), QColor(Qt::red));

  auto* heading = Child<QLabel>(form, "Label5");
  EXPECT_EQ(heading->text(), "You Have got it wrong!");
  EXPECT_EQ(heading->font().family(), "Lucida Handwriting");
  EXPECT_TRUE(heading->font().bold());
  EXPECT_TRUE(heading->font().italic());
  EXPECT_EQ(Colour(heading, QPalette::WindowText), QColor(Qt::green));

  EXPECT_EQ(Child<QLabel>(form, "Label1")->text(), "The answer is:");
  EXPECT_TRUE(Child<QLabel>(form, "Label1")->alignment() & Qt::AlignRight);
  EXPECT_EQ(Colour(Child<QLabel>(form, "Label1"), QPalette::WindowText), QColor(Qt::black));
  EXPECT_EQ(Child<QLabel>(form, "Label2")->text(), "Not:");
  EXPECT_TRUE(Child<QLabel>(form, "Label2")->alignment() & Qt::AlignRight);
  EXPECT_EQ(Colour(Child<QLabel>(form, "Label2"), QPalette::WindowText), QColor(Qt::black));
  EXPECT_EQ(Colour(Child<QLabel>(form, "Label3"), QPalette::Window), QColor(Qt::green));
  EXPECT_EQ(Colour(Child<QLabel>(form, "Label4"), QPalette::Window), QColor(Qt::red));
  EXPECT_EQ(Child<QLabel>(form, "Label4")->cursor().shape(), Qt::ForbiddenCursor);

  auto* ok = Child<QPushButton>(form, "BitBtn1");
  EXPECT_TRUE(ok->font().bold());
  EXPECT_EQ(Colour(ok, QPalette::ButtonText), QColor(Qt::red));
  EXPECT_EQ(Colour(ok, QPalette::Button), QColor(Qt::red));
  EXPECT_EQ(ok->cursor().shape(), Qt::PointingHandCursor);
  EXPECT_EQ(ok->layoutDirection(), Qt::RightToLeft);
}

TEST_F(WrongWordsWindow, ShowsTheAnswerPartOnlyAndKeepsBlanks) {
  QString right, typed;
  driver.Then("TWrongWordsForm", "reads the answer, Enter", [&](QWidget& w) {
    right = Child<QLabel>(form, "Label3")->text();
    typed = Child<QLabel>(form, "Label4")->text();
    Press(w, Qt::Key_Return);
  });
  form.ShowWrongAnswer("3,5 ", "3.5");
  EXPECT_EQ(right, "\"3.5\"");
  EXPECT_EQ(typed, "\"3,5 \"");
  EXPECT_FALSE(driver.Stuck());
}

TEST_F(WrongWordsWindow, StoredWrongSoundIsPlayedThenStartedAgainOnShow) {
  sounds.stored.insert("_WRONG_WORD");
  driver.Then("TWrongWordsForm", "presses Enter", [&](QWidget& w) { Press(w, Qt::Key_Return); });
  form.ShowWrongAnswer("teh", "the");
  EXPECT_EQ(sounds.played, (std::vector<std::string>{"_wrong_word", "_Wrong_word"}));
}

TEST_F(WrongWordsWindow, SilentWithoutAStoredSoundAndOnlyOkCloses) {
  bool openAfterEscape = false;
  driver.Then("TWrongWordsForm", "presses Esc, then Ok", [&](QWidget& w) {
    Press(w, Qt::Key_Escape);
    QApplication::processEvents();
    openAfterEscape = form.isVisible();
    Child<QPushButton>(form, "BitBtn1")->click();
  });
  form.ShowWrongAnswer("teh", "the");
  EXPECT_TRUE(openAfterEscape);
  EXPECT_TRUE(sounds.played.empty());
  EXPECT_EQ(sounds.looked.size(), 2u);
  EXPECT_FALSE(driver.Stuck());
}

}  // namespace
}  // namespace orv
