#include "app/screenreader.h"

#include <gtest/gtest.h>

#include <QByteArray>
#include <string>

#include "support/run_program.h"

namespace orv {
namespace {

// Sets the flag a screen reader sets on the desktop's accessibility bus.
bool SayScreenReaderRuns(bool runs) {
  return test::RunProgram("/usr/bin/gdbus",
                          {"call", "--session", "--dest", "org.a11y.Bus", "--object-path",
                           "/org/a11y/bus", "--method", "org.freedesktop.DBus.Properties.Set",
                           "org.a11y.Status", "ScreenReaderEnabled", runs ? "<true>" : "<false>"})
             .exitCode == 0;
}

// ctest runs this on a private session bus: a desktop's own is never changed.
TEST(ScreenReader, IsSeenWhileTheAccessibilityBusSaysOneRuns) {
  if (qgetenv("ORV_PRIVATE_SESSION_BUS") != "1") GTEST_SKIP() << "needs a private session bus";
  ASSERT_TRUE(SayScreenReaderRuns(false)) << "the accessibility bus did not start";
  EXPECT_FALSE(ScreenReaderRunning());
  ASSERT_TRUE(SayScreenReaderRuns(true));
  EXPECT_TRUE(ScreenReaderRunning());
}

}  // namespace
}  // namespace orv
