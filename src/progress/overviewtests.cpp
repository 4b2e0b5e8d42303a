#include "progress/overviewtests.h"

#include <algorithm>
#include <cstdint>
#include <map>
#include <tuple>
#include <unordered_map>
#include <utility>

#include "progress/progressdata.h"
#include "scores/firebird/readonlycursor.h"

namespace orv {
namespace {

// When a test was taken, compared as ReadTests orders tests: by day, by the
// time's text, then by test number.
struct Taken {
  std::int32_t day = 0;    // year, month and day as the digits YYYYMMDD
  std::uint64_t time = 0;  // the time's first eight bytes, the first highest
  std::int32_t group = 0;
  int percent = 0;

  bool operator<(const Taken& other) const {
    return std::tie(day, time, group) < std::tie(other.day, other.time, other.group);
  }
};

// A text's first eight bytes as a number that orders as the texts do (a
// shorter text, padded with zeros, before a longer one it begins).
std::uint64_t OrderedBytes(std::string_view text) {
  std::uint64_t value = 0;
  for (std::size_t i = 0; i < 8; ++i) {
    value = (value << 8) | (i < text.size() ? static_cast<unsigned char>(text[i]) : 0U);
  }
  return value;
}

// The tests of one learner under one score file key, as the select gives them.
struct KeyTests {
  std::string name;
  std::string key;
  std::vector<Taken> tests;
};

}  // namespace

std::vector<ListTests> ReadOverviewTests(const QSqlDatabase& db, const std::string& name,
                                         const DateRange& range) {
  ReadOnlyCursor cursor(db, "select name, file1, percent1, date1, time1, log_group from score_tab" +
                                LearnerAndDaysWhere(name, "sort_date", range));
  std::vector<KeyTests> keys;
  std::unordered_map<std::string, std::size_t> index;
  // Learner and key as one text, made again for each row in the same room.
  std::string both;
  while (cursor.Next()) {
    const std::optional<CalendarDay> day = ParseDayText(cursor.Chars(3));
    if (!day) continue;
    const std::string_view learner = cursor.Chars(0);
    const std::string_view key = cursor.Chars(1);
    both.assign(learner);
    both.push_back('\0');
    both.append(key);
    auto [at, added] = index.try_emplace(both, keys.size());
    if (added) keys.push_back({std::string(learner), std::string(key), {}});
    keys[at->second].tests.push_back(
        {day->year * 10000 + static_cast<std::int32_t>(day->month * 100 + day->day),
         OrderedBytes(cursor.Chars(4)), cursor.Value(5).toInt(), cursor.Value(2).toInt()});
  }
  // Keys that differ only in the letter case of ".SCO" name one list.
  std::map<std::pair<std::string, std::string>, std::vector<Taken>> lists;
  for (KeyTests& k : keys) {
    std::vector<Taken>& tests = lists[{std::move(k.name), ListOfKey(std::move(k.key))}];
    tests.insert(tests.end(), k.tests.begin(), k.tests.end());
  }
  std::vector<ListTests> result;
  result.reserve(lists.size());
  for (auto& [learnerList, tests] : lists) {
    std::stable_sort(tests.begin(), tests.end());
    ListTests& entry = result.emplace_back();
    entry.name = learnerList.first;
    entry.list = learnerList.second;
    entry.percents.reserve(tests.size());
    for (const Taken& t : tests) entry.percents.push_back(t.percent);
  }
  return result;
}

}  // namespace orv
