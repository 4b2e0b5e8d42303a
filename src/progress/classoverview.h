#pragma once
// The class at a glance: one row per learner and list with the number of
// tests, the latest and the best percentage, and the trend.
#include <optional>
#include <string>
#include <vector>

#include "progress/progressdata.h"

namespace orv {

struct OverviewRow {
  std::string name;
  std::string list;
  int tests = 0;
  int latest = 0;
  int best = 0;
  // The mean percentage of the later half of the tests less that of the
  // earlier half (the middle test of an odd number takes no part), rounded;
  // nothing for a single test.
  std::optional<int> trend;
};

// The rows of tests ordered as ReadTests orders them, sorted by learner and list.
std::vector<OverviewRow> ClassOverview(const std::vector<TestResult>& tests);

}  // namespace orv
