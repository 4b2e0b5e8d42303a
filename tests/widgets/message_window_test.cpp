#include "widgets/message_window.h"

#include <gtest/gtest.h>
#include <QApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QTimer>
#include <string>
#include <vector>

#include "base/errors.h"
#include "base/platform.h"
#include "support/window_driver.h"

namespace orv {
namespace {

class TimedMessage : public ::testing::Test {
 protected:
  TimedMessage() {
    SetBeepHandler([this] { ++beeps; });
  }
  ~TimedMessage() override { SetBeepHandler({}); }

  QLabel* Label() { return form.findChild<QLabel*>("Label1"); }
  QTimer* Timer(const char* name) { return form.findChild<QTimer*>(name); }

  TMessageForm form;
  int beeps = 0;
  test::WindowDriver driver;
};

TEST_F(TimedMessage, ClearsAfterShowTimeThenClosesAfterExtraTime) {
  std::vector<std::string> events;
  QString shownText, shownCaption;
  QTimer::singleShot(0, [&] {
    shownText = Label()->text();
    shownCaption = form.windowTitle();
  });
  // Connected after the window's own handlers, so these see their effect.
  QObject::connect(Timer("Timer2"), &QTimer::timeout, [&] {
    events.push_back(form.isVisible() && Label()->text().isEmpty() ? "cleared while shown"
                                                                   : "timer2 other");
  });
  QObject::connect(Timer("Timer1"), &QTimer::timeout,
                   [&] { events.push_back(form.isVisible() ? "still shown" : "closed"); });
  QElapsedTimer clock;
  clock.start();
  form.ShowTimedMessage("Word to enter", "house", Qt::cyan, 50, 50);
  qint64 elapsed = clock.elapsed();

  EXPECT_FALSE(driver.Stuck());
  EXPECT_FALSE(form.isVisible());
  EXPECT_EQ(shownText, "house");
  EXPECT_EQ(shownCaption, "Word to enter");
  EXPECT_EQ(events, (std::vector<std::string>{"cleared while shown", "closed"}));
  EXPECT_EQ(beeps, 1);
  EXPECT_GE(elapsed, 80);  // loosely: both times passed before it closed
  EXPECT_EQ(form.palette().color(QPalette::Window), QColor(Qt::cyan));
}

TEST_F(TimedMessage, WindowShape) {
  EXPECT_EQ(form.size(), QSize(400, 100));
  EXPECT_FALSE(form.windowFlags() & Qt::WindowCloseButtonHint);
  EXPECT_TRUE(form.windowFlags() & Qt::WindowStaysOnTopHint);
  EXPECT_TRUE(Label()->alignment() & Qt::AlignHCenter);
}

TEST_F(TimedMessage, EscapeDoesNotCutItShort) {
  bool openAfterEscape = false;
  QTimer::singleShot(0, [&] {
    test::Press(form, Qt::Key_Escape);
    openAfterEscape = form.isVisible();
  });
  form.ShowTimedMessage(" Message ", "RIGHT !!", Qt::green, 30, 0);
  EXPECT_TRUE(openAfterEscape);
  EXPECT_FALSE(form.isVisible());
  EXPECT_FALSE(driver.Stuck());
  EXPECT_EQ(form.palette().color(QPalette::Window), QColor(Qt::green));
}

TEST_F(TimedMessage, BothTimesZeroShowsNothingButSetsTheColour) {
  bool shown = false;
  QTimer::singleShot(0, [&] { shown = form.isVisible(); });
  form.ShowTimedMessage("Word to enter", "x", Qt::green, 0, 0);
  QApplication::processEvents();
  EXPECT_FALSE(shown);
  EXPECT_EQ(beeps, 0);
  EXPECT_EQ(form.palette().color(QPalette::Window), QColor(Qt::green));
}

TEST_F(TimedMessage, TotalBeyondSixteenBitsIsARangeErrorAndShowsNothing) {
  EXPECT_THROW(form.ShowTimedMessage("c", "t", Qt::cyan, 65535, 1), ERangeError);
  EXPECT_THROW(form.ShowTimedMessage("c", "t", Qt::cyan, 40000, 30000), ERangeError);
  EXPECT_FALSE(form.isVisible());
  EXPECT_EQ(beeps, 0);
}

}  // namespace
}  // namespace orv
