#include "progress/classoverview.h"

#include <algorithm>
#include <cmath>
#include <set>
#include <tuple>

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

std::vector<OverviewRow> ClassOverview(std::vector<ListTests> lists,
                                       const std::vector<std::string>& users,
                                       const std::map<std::string, ReviewCounts>& review) {
  std::set<std::string> tested;
  for (const ListTests& l : lists) tested.insert(Upper(l.name));
  for (const std::string& user : users) {
    if (tested.insert(Upper(user)).second) lists.push_back({user, "", {}});
  }
  std::sort(lists.begin(), lists.end(), [](const ListTests& a, const ListTests& b) {
    return std::tie(a.name, a.list) < std::tie(b.name, b.list);
  });
  std::vector<OverviewRow> rows;
  rows.reserve(lists.size());
  for (const ListTests& l : lists) {
    const auto counts = review.find(Upper(l.name));
    const ReviewCounts learner = counts == review.end() ? ReviewCounts{} : counts->second;
    const std::vector<int>& p = l.percents;
    if (p.empty()) {
      rows.push_back({l.name, l.list, 0, 0, 0, {}, learner});
      continue;
    }
    rows.push_back({l.name, l.list, static_cast<int>(p.size()), p.back(),
                    *std::max_element(p.begin(), p.end()), Trend(p), learner});
  }
  return rows;
}

}  // namespace orv
