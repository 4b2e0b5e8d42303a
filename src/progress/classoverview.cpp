#include "progress/classoverview.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <set>
#include <utility>

#include "base/strings.h"

namespace orv {
namespace {

std::optional<int> Trend(const std::vector<int>& percents) {
  const std::size_t half = percents.size() / 2;
  if (half == 0) return {};
  double earlier = 0;
  double later = 0;
  for (std::size_t i = 0; i < half; ++i) {
    earlier += percents[i];
    later += percents[percents.size() - half + i];
  }
  return static_cast<int>(std::lround((later - earlier) / static_cast<double>(half)));
}

}  // namespace

std::vector<OverviewRow> ClassOverview(const std::vector<TestResult>& tests,
                                       const std::vector<std::string>& users,
                                       const std::map<std::string, ReviewCounts>& review) {
  std::map<std::pair<std::string, std::string>, std::vector<int>> percents;
  std::set<std::string> tested;
  for (const TestResult& t : tests) {
    percents[{t.name, t.list}].push_back(t.percent);
    tested.insert(Upper(t.name));
  }
  for (const std::string& user : users) {
    if (tested.insert(Upper(user)).second) percents[{user, ""}];
  }
  std::vector<OverviewRow> rows;
  rows.reserve(percents.size());
  for (const auto& [key, p] : percents) {
    const auto counts = review.find(Upper(key.first));
    const ReviewCounts learner = counts == review.end() ? ReviewCounts{} : counts->second;
    if (p.empty()) {
      rows.push_back({key.first, key.second, 0, 0, 0, {}, learner});
      continue;
    }
    rows.push_back({key.first, key.second, static_cast<int>(p.size()), p.back(),
                    *std::max_element(p.begin(), p.end()), Trend(p), learner});
  }
  return rows;
}

}  // namespace orv
