#include "session/reviewselection.h"

#include <algorithm>
#include <optional>
#include <unordered_set>
#include <utility>

#include "lists/buffers.h"
#include "lists/cleanlist.h"
#include "lists/compile.h"
#include "lists/listfile.h"
#include "session/question.h"
#include "session/reviewschedule.h"

namespace orv {
namespace {

struct ListItems {
  std::optional<std::int64_t> testDay;  // the list's own line
  std::vector<std::string> items;       // each once, in the compiled order
};

// The file is cleaned only in memory: the review leaves the teacher's lists
// as they are.
std::optional<ListItems> ReadListItems(const std::string& path) {
  ListFile source;
  if (LoadListFile(source, path) != 0) return std::nullopt;
  CleanListFile(source, IsNameList(path));
  ListItems read{ListTestDay(source.lines), {}};
  LineItems lineItems;
  const BufferO made = CompileLines(
      source.lines, [](LineNo, const std::string&) {}, nullptr, nullptr, &lineItems);
  std::unordered_set<std::string> seen;
  for (const LineNo i : LineNumbers(made.Count())) {
    std::string item = ReviewItemOf(Question::FromLine(made.Line(i)), lineItems);
    if (seen.insert(item).second) read.items.push_back(std::move(item));
  }
  return read;
}

// Up to room items never asked of the lists whose test day is still to come.
std::vector<ReviewRow> NeverAsked(const QSqlDatabase& db, const std::string& learner,
                                  std::int64_t today, std::size_t room,
                                  const std::string& listRoot) {
  const TestDays groupDays = GroupTestDays(db, learner);
  TestDays lists = BoxTestDays(db, learner, today);
  lists.insert(groupDays.begin(), groupDays.end());
  std::vector<ReviewRow> rows;
  for (const auto& [key, lastNamed] : lists) {
    if (rows.size() >= room) break;
    const std::optional<ListItems> list = ReadListItems(ReviewListPath(listRoot, key));
    if (!list) continue;
    const auto group = groupDays.find(key);
    const std::optional<std::int64_t> testDay = EarlierTestDay(
        list->testDay, group == groupDays.end() ? std::nullopt : std::optional(group->second));
    if (!testDay || today >= *testDay) continue;
    const std::unordered_set<std::string> boxed = BoxedItems(db, learner, key);
    for (const std::string& item : list->items) {
      if (rows.size() >= room) break;
      if (!boxed.contains(item)) rows.push_back({{key, item}, {1, today, 0, 0, 0}, list->testDay});
    }
  }
  return rows;
}

}  // namespace

std::vector<ReviewRow> SelectReview(const QSqlDatabase& db, const std::string& learner,
                                    std::int64_t today, std::size_t limit,
                                    const std::string& listRoot) {
  std::vector<ReviewRow> due = ReviewRows(db, learner, today, limit);
  // An item never asked ranks after every overdue item, which has waited
  // past its day already, and before the items due today: it has never been
  // practised at all, it is weaker than any item in box 1, and its list's
  // test day comes nearer. When the overdue items fill the review, no list
  // needs to be read.
  const auto dueToday = std::find_if(
      due.begin(), due.end(), [today](const ReviewRow& row) { return row.state.dueDay >= today; });
  const auto overdue = static_cast<std::size_t>(dueToday - due.begin());
  if (overdue >= limit) return due;
  std::vector<ReviewRow> rows = NeverAsked(db, learner, today, limit - overdue, listRoot);
  if (rows.empty()) return due;
  rows.insert(rows.begin(), due.begin(), dueToday);
  rows.insert(rows.end(), std::make_move_iterator(dueToday), std::make_move_iterator(due.end()));
  rows.resize(std::min(rows.size(), limit));
  return rows;
}

}  // namespace orv
