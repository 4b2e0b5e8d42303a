#include "app/mainview.h"

#include <gtest/gtest.h>

namespace orv {
namespace {

TEST(MainView, LoggingOutKeepsTheCurrentFileButDisablesTheUsersMenus) {
  MainView view;
  ShowLoggedIn(view, 255, "Boss", {}, "maths.ORV", "ann.orv\\", 12);
  ShowLoggedOut(view);
  EXPECT_EQ(view.userLabel, "no user");
  EXPECT_EQ(view.dirLabel, "no user");
  EXPECT_EQ(view.fileLabel, "maths.ORV");
  EXPECT_EQ(view.fileLength, "12");
  EXPECT_FALSE(view.fileMenu || view.optionMenu || view.userMenu || view.logMenu ||
               view.soundMenu || view.exitItem || view.startButton || view.pasLevItem);
}

TEST(MainView, ThresholdsDecideTheOptionAndSoundMenusBelowTheSuperUser) {
  struct Case {
    int level;
    MenuLevels levels;
    bool option, sound, log;
  };
  for (const Case c :
       {Case{9, {10, 0}, false, true, false}, Case{10, {10, 0}, true, true, false},
        Case{0, {0, 1}, true, false, false}, Case{254, {255, 255}, false, false, false},
        Case{255, {255, 255}, true, true, true}}) {
    MainView view;
    ShowLoggedIn(view, c.level, "U", c.levels, "f", "", 0);
    EXPECT_EQ(view.optionMenu, c.option) << c.level;
    EXPECT_EQ(view.soundMenu, c.sound) << c.level;
    EXPECT_EQ(view.logMenu, c.log) << c.level;
    EXPECT_EQ(view.pasLevItem, c.level == 255);
    EXPECT_TRUE(view.fileMenu && view.userMenu && view.exitItem && view.startButton);
    EXPECT_EQ(view.dirLabel, "");
    EXPECT_EQ(view.fileLength, "0");
  }
}

TEST(MainView, ACommandWorksWhenItsFlagIsOnAndNoTestRunsOnItsGround) {
  MainView view;
  view.fileMenu = true;
  struct Case {
    Needs needs;
    bool testRunning;
    bool works;
  };
  for (const Case c :
       {Case{{}, true, true}, Case{{&MainView::fileMenu}, true, true},
        Case{{&MainView::logMenu}, false, false}, Case{{&MainView::fileMenu, true}, false, true},
        Case{{&MainView::fileMenu, true}, true, false}, Case{{nullptr, true}, true, false}}) {
    view.testRunning = c.testRunning;
    EXPECT_EQ(Works(view, c.needs), c.works) << c.testRunning << c.needs.noTest;
  }
}

}  // namespace
}  // namespace orv
