#include "scores/logquery.h"

#include <chrono>
#include <cstdio>

#include "files/dos.h"
#include "scores/sqlquote.h"

namespace orv {
namespace {

std::string DayText(const CalendarDay& day) {
  return DateText(day.year, static_cast<int>(day.month), static_cast<int>(day.day));
}

// A DATE literal, which the engine compares with the log's day column (and
// its index) directly.
std::string DateLiteral(const CalendarDay& day) {
  char text[64];
  std::snprintf(text, sizeof text, "DATE '%04d-%02u-%02u'", day.year, day.month, day.day);
  return text;
}

// The columns the log window shows: the day column is for the index only.
constexpr const char* kShownLogColumns =
    " select name, date1, time1, file1, word, log_group, help_count, answer from log ";

// The head, the answer clause, the user clause and the date clauses.
std::string SelectAndWhere(const LogQueryControls& c) {
  std::string sql = c.count ? " select word, count(word) from log " : kShownLogColumns;
  bool where = true;
  if (c.showRight && !c.showWrong) {
    sql += " where ANSWER IS NULL ";
  } else if (c.showWrong && !c.showRight) {
    sql += " where ANSWER IS NOT NULL ";
  } else if (c.showWrong && c.showRight) {
    where = false;
  } else {
    sql += " where ANSWER <> ANSWER ";
  }
  auto clause = [&](const char* condition) {
    sql += where ? " and " : " where ";
    sql += condition;
    where = true;
  };
  if (!c.user.empty()) {
    clause("name = ");
    SqlQuote(sql, c.user);
  }
  // The bound is the day before with "later than", so the first day's own rows count.
  if (c.from && c.dayColumn) {
    clause("day1 > ");
    sql += DateLiteral(DayBefore(*c.from)) + " ";
    if (c.to) sql += " and day1 <= " + DateLiteral(*c.to) + " ";
  } else if (c.from) {
    clause("cdate(date1,");
    SqlQuote(sql, DayText(DayBefore(*c.from)));
    sql += ") = 1 ";
    if (c.to) {
      sql += " and cdate(date1,";
      SqlQuote(sql, DayText(*c.to));
      sql += ") <> 1 ";
    }
  }
  return sql;
}

}  // namespace

CalendarDay DayBefore(const CalendarDay& day) {
  using namespace std::chrono;
  const year_month_day ymd{sys_days{year{day.year} / month{day.month} / std::chrono::day{day.day}} -
                           days{1}};
  return {static_cast<int>(ymd.year()), static_cast<unsigned>(ymd.month()),
          static_cast<unsigned>(ymd.day())};
}

std::string CreateLogSql(const LogQueryControls& controls) {
  std::string sql = SelectAndWhere(controls);
  if (controls.count) sql += " group by word order by 2 desc";
  return sql;
}

std::string WrongWordSql(const LogQueryControls& controls, const CountLimits& limits) {
  std::string sql = SelectAndWhere(controls);
  if (!controls.count) return sql;
  sql += " group by word";
  if (limits.moreThanOn) sql += " having count(word) > " + std::to_string(limits.moreThan);
  if (limits.lessThanOn) {
    // An upper limit on its own opens the group condition itself.
    sql += limits.moreThanOn ? " and " : " having ";
    sql += "count(word) < " + std::to_string(limits.lessThan);
  }
  sql += " order by 2 desc";
  return sql;
}

}  // namespace orv
