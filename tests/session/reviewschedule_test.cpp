// The review's schedule: which box an item goes to after a finished test and
// when it is due, with and without a test day, and the box days setting.
#include "session/reviewschedule.h"

#include <gtest/gtest.h>

namespace orv::test {
namespace {

constexpr std::int64_t kToday = 2'461'000;
constexpr BoxDays kOwnDays{2, 3, 5, 8, 20};

struct Case {
  const char* what;
  std::optional<ReviewState> before;
  ReviewOutcome outcome;
  BoxDays days;
  std::optional<std::int64_t> testDayIn;  // days from today
  ReviewState after;                      // dueDay and lastDay counted from today
};

TEST(ScheduleReview, MovesTheBoxAndSetsTheDueDay) {
  const ReviewOutcome right = ReviewOutcome::RightFirstTry;
  const ReviewOutcome missed = ReviewOutcome::Missed;
  const ReviewState box3{3, -1, -4, 4, 1};
  const Case cases[] = {
      {"new, right", std::nullopt, right, kDefaultBoxDays, {}, {2, 2, 0, 1, 0}},
      {"new, missed", std::nullopt, missed, kDefaultBoxDays, {}, {1, 1, 0, 1, 1}},
      {"box 3, right", box3, right, kDefaultBoxDays, {}, {4, 7, 0, 5, 1}},
      {"box 3, missed", box3, missed, kDefaultBoxDays, {}, {1, 1, 0, 5, 2}},
      {"box 5 stays", ReviewState{5, 0, -14, 9, 2}, right, kDefaultBoxDays, {}, {5, 14, 0, 10, 2}},
      {"own days", box3, missed, kOwnDays, {}, {1, 2, 0, 5, 2}},
      {"own days, right", box3, right, kOwnDays, {}, {4, 8, 0, 5, 1}},
      {"test day caps", box3, right, kDefaultBoxDays, 3, {4, 3, 0, 5, 1}},
      {"test day further", box3, right, kDefaultBoxDays, 30, {4, 7, 0, 5, 1}},
      {"test day, missed sooner", box3, missed, kOwnDays, 5, {1, 1, 0, 5, 2}},
      {"on the test day", box3, right, kDefaultBoxDays, 0, {4, 7, 0, 5, 1}},
      {"after the test day", box3, missed, kOwnDays, -2, {1, 2, 0, 5, 2}},
  };
  for (const Case& c : cases) {
    std::optional<std::int64_t> testDay;
    if (c.testDayIn) testDay = kToday + *c.testDayIn;
    std::optional<ReviewState> before = c.before;
    if (before) {
      before->dueDay += kToday;
      before->lastDay += kToday;
    }
    ReviewState expected = c.after;
    expected.dueDay += kToday;
    expected.lastDay += kToday;
    EXPECT_EQ(ScheduleReview(before, c.outcome, kToday, c.days, testDay), expected) << c.what;
  }
}

TEST(ScheduleReview, BoxDaysSettingFallsBackToTheDefaultsWhenItIsNotFiveDays) {
  const std::pair<const char*, BoxDays> cases[] = {
      {"2,3,5,8,20", kOwnDays},
      {" 2, 3 ,5,8 , 20", kOwnDays},
      {"", kDefaultBoxDays},
      {"2,3,5,8", kDefaultBoxDays},
      {"2,3,5,8,20,30", kDefaultBoxDays},
      {"2,3,,8,20", kDefaultBoxDays},
      {"0,3,5,8,20", kDefaultBoxDays},
      {"2,3,5,8,366", kDefaultBoxDays},
      {"2,3,5,8,-1", kDefaultBoxDays},
      {"2,3,5,8,20,", kDefaultBoxDays},
  };
  for (const auto& [text, days] : cases) EXPECT_EQ(BoxDaysOf(text), days) << text;
}

}  // namespace
}  // namespace orv::test
