#include "progress/daterange.h"

#include <charconv>
#include <chrono>
#include <cstdio>

#include "scores/firebird/sqlquote.h"

namespace orv {
namespace {

std::optional<int> Number(std::string_view text) {
  int value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size() || text.empty()) return {};
  return value;
}

std::string IsoDate(const CalendarDay& day) {
  char text[16];
  std::snprintf(text, sizeof text, "%04d-%02u-%02u", day.year, day.month, day.day);
  return text;
}

}  // namespace

std::optional<CalendarDay> ParseDayText(std::string_view text) {
  const auto first = text.find('/');
  const auto second = text.find('/', first == std::string_view::npos ? first : first + 1);
  if (first == std::string_view::npos || second == std::string_view::npos) return {};
  const auto day = Number(text.substr(0, first));
  const auto month = Number(text.substr(first + 1, second - first - 1));
  const auto year = Number(text.substr(second + 1));
  if (!day || !month || !year || *year < 1 || *year > 9999 || text.size() - second - 1 != 4) {
    return {};
  }
  if (*day < 1 || *month < 1 || first > 2 || second - first - 1 > 2) return {};
  const std::chrono::year_month_day ymd{std::chrono::year{*year},
                                        std::chrono::month{static_cast<unsigned>(*month)},
                                        std::chrono::day{static_cast<unsigned>(*day)}};
  if (!ymd.ok()) return {};
  return CalendarDay{*year, static_cast<unsigned>(*month), static_cast<unsigned>(*day)};
}

std::string DateRangeSql(std::string_view dayColumn, const DateRange& range) {
  std::string sql;
  if (range.from)
    sql += " and " + std::string(dayColumn) + " >= DATE '" + IsoDate(*range.from) + "'";
  if (range.to) sql += " and " + std::string(dayColumn) + " <= DATE '" + IsoDate(*range.to) + "'";
  return sql;
}

std::string LearnerAndDaysWhere(const std::string& name, std::string_view dayColumn,
                                const DateRange& range) {
  std::string conditions;
  if (!name.empty()) {
    conditions += " and name = ";
    SqlQuote(conditions, name);
  }
  conditions += DateRangeSql(dayColumn, range);
  if (conditions.empty()) return {};
  return " where " + conditions.substr(std::string_view(" and ").size());
}

}  // namespace orv
