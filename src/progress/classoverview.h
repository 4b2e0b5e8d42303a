#pragma once
// The class at a glance: one row per learner and list with the number of
// tests, the latest and the best percentage, the trend, and the learner's
// review items due and learned.
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "progress/reviewcounts.h"

namespace orv {

struct OverviewRow {
  std::string name;
  std::string list;  // empty for a learner with no tests
  int tests = 0;
  int latest = 0;  // latest and best mean nothing without tests
  int best = 0;
  // The mean percentage of the later half of the tests less that of the
  // earlier half (the middle test of an odd number takes no part), rounded;
  // nothing for a single test.
  std::optional<int> trend;
  // Over all of the learner's lists, so the same on each of their rows.
  ReviewCounts review;
};

// One learner's percentages on one list, in the order the tests were taken.
struct ListTests {
  std::string name;
  std::string list;
  std::vector<int> percents;
};

// One row per learner and list (each once in lists), sorted by learner and
// list, and a row without tests for each of users who has none (names
// compared without regard to letter case), so that a teacher sees who has
// not started. Each row takes its learner's review counts (ReadReviewCounts),
// none for a learner without boxes.
std::vector<OverviewRow> ClassOverview(std::vector<ListTests> lists,
                                       const std::vector<std::string>& users = {},
                                       const std::map<std::string, ReviewCounts>& review = {});

}  // namespace orv
