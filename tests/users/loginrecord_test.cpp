#include "users/loginrecord.h"

#include <gtest/gtest.h>

#include <vector>

#include "base/clock.h"
#include "support/temp_dir.h"

namespace orv {
namespace {

// Each wrong try in a row makes the next wait longer, up to half a minute; a
// try refused during a wait neither counts nor lengthens it, other names go
// on, and a right try starts the count again.
TEST(LoginRecord, WrongTriesInARowWaitLongerUpToHalfAMinute) {
  InstantClock clock(1'800'000'000);
  ScopedClock scope(clock);
  test::TempDir dir;
  LoginRecord record(LoginRecordPath(dir.Str()));
  const std::vector<std::int64_t> waits{1, 2, 4, 8, 16, 30, 30};
  for (std::size_t i = 0; i < waits.size(); ++i) {
    ASSERT_EQ(record.Take("ADMIN"), 0) << i;
    EXPECT_EQ(record.Take("ADMIN"), waits[i]) << i;
    EXPECT_EQ(record.SecondsToWait("BOB"), 0) << i;
    clock.Sleep(static_cast<std::uint32_t>(waits[i] - 1) * 1000);
    EXPECT_EQ(LoginRecord(record.Path()).SecondsToWait("ADMIN"), 1) << i;
    clock.Sleep(1000);
  }
  ASSERT_EQ(record.Take("ADMIN"), 0);
  record.Right();
  EXPECT_EQ(record.SecondsToWait("ADMIN"), 0);
  ASSERT_EQ(record.Take("ADMIN"), 0);
  EXPECT_EQ(record.SecondsToWait("ADMIN"), 1);
}

}  // namespace
}  // namespace orv
