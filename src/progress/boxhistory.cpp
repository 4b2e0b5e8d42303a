#include "progress/boxhistory.h"

#include <QDate>
#include <algorithm>
#include <iterator>
#include <map>
#include <tuple>
#include <utility>

#include "scores/firebird/readonlyselect.h"

namespace orv {
namespace {

auto DayKey(const CalendarDay& d) {
  return std::tie(d.year, d.month, d.day);
}

bool SameDay(const CalendarDay& a, const CalendarDay& b) {
  return DayKey(a) == DayKey(b);
}

std::string Text(const QVariant& value) {
  return value.isNull() ? std::string() : value.toString().toStdString();
}

}  // namespace

std::vector<BoxCounts> FoldBoxMoves(const std::vector<BoxMove>& moves,
                                    const std::optional<CalendarDay>& from) {
  std::map<std::pair<std::string, std::string>, int> boxOf;
  BoxCounts now;
  std::vector<BoxCounts> days;
  for (auto m = moves.begin(); m != moves.end(); ++m) {
    const int box = std::clamp(m->box, 1, kReviewBoxes) - 1;
    const auto [at, met] = boxOf.try_emplace({m->list, m->item}, box);
    if (!met) --now.items[static_cast<std::size_t>(at->second)];
    at->second = box;
    ++now.items[static_cast<std::size_t>(box)];
    const bool dayEnds = std::next(m) == moves.end() || !SameDay(std::next(m)->day, m->day);
    if (dayEnds && (!from || DayKey(m->day) >= DayKey(*from))) {
      now.day = m->day;
      days.push_back(now);
    }
  }
  return days;
}

std::vector<BoxMove> ReadBoxMoves(const QSqlDatabase& db, const std::string& name,
                                  const DateRange& range) {
  const ResultTable table =
      ReadOnlySelect(db, "select file1, item, day1, box from review_move" +
                             LearnerAndDaysWhere(name, "day1", DateRange{{}, range.to}) +
                             " order by day1, log_group");
  std::vector<BoxMove> moves;
  moves.reserve(table.rows.size());
  for (const auto& row : table.rows) {
    const QDate day = row[2].toDate();
    if (!day.isValid()) continue;
    moves.push_back(
        {Text(row[0]),
         Text(row[1]),
         {day.year(), static_cast<unsigned>(day.month()), static_cast<unsigned>(day.day())},
         row[3].toInt()});
  }
  return moves;
}

}  // namespace orv
