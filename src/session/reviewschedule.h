#pragma once
// When a learner's item comes back in the review. After every finished
// test an item right at the first try moves up one box, one missed at any
// try goes back to box 1, and each box waits its number of days. A list may
// name a test day: until then no item waits past it, and a missed one comes
// back the next day whatever box 1's days; from the test day on the usual
// days hold again.
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "scores/reviewtable.h"

namespace orv {

inline constexpr int kReviewBoxes = 5;
using BoxDays = std::array<int, kReviewBoxes>;
inline constexpr BoxDays kDefaultBoxDays{1, 2, 4, 7, 14};

enum class ReviewOutcome { RightFirstTry, Missed };

// The item's state after a finished test on day today (Julian day numbers);
// before is nullopt for an item never asked, which starts in box 1.
ReviewState ScheduleReview(const std::optional<ReviewState>& before, ReviewOutcome outcome,
                           std::int64_t today, const BoxDays& days,
                           std::optional<std::int64_t> testDay);

// The test day that holds for an item: the earlier of its list's own and the
// one a teacher set for the learner, when there is either.
std::optional<std::int64_t> EarlierTestDay(std::optional<std::int64_t> listDay,
                                           std::optional<std::int64_t> groupDay);

// The days of the five boxes from a setting such as "1,2,4,7,14": five
// whole numbers of days from 1 to 365; the defaults for anything else.
BoxDays BoxDaysOf(const std::string& text);

// Today, by the program's clock, as a Julian day number of the local date.
std::int64_t ReviewToday();

// One item a finished test asked, and whether it was missed at any try.
struct AskedItem {
  ReviewItem key;
  bool missed = false;
  std::optional<std::int64_t> testDay;  // of the item's list
};

// What a finished test hands on for the review; nothing for a test cut short.
struct ReviewAnswers {
  std::vector<AskedItem> items;
  std::int64_t today = 0;
  BoxDays days = kDefaultBoxDays;
};

}  // namespace orv
