#include "app/screenreader.h"

#include <gtest/gtest.h>

#include <QByteArray>

#include "support/accessibility_bus.h"

namespace orv {
namespace {

// ctest runs this on a private session bus: a desktop's own is never changed.
TEST(ScreenReader, IsSeenWhileTheAccessibilityBusSaysOneRuns) {
  if (qgetenv("ORV_PRIVATE_SESSION_BUS") != "1") GTEST_SKIP() << "needs a private session bus";
  ASSERT_TRUE(test::SetAccessibilityStatus("ScreenReaderEnabled", false))
      << "the accessibility bus did not start";
  EXPECT_FALSE(ScreenReaderRunning());
  ASSERT_TRUE(test::SetAccessibilityStatus("ScreenReaderEnabled", true));
  EXPECT_TRUE(ScreenReaderRunning());
}

}  // namespace
}  // namespace orv
