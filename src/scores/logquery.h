#pragma once
// The select statements of the log window and the wrong-word window, built
// from the state of their controls.
#include <cstdint>
#include <optional>
#include <string>

namespace orv {

struct CalendarDay {
  int year = 2000;
  unsigned month = 1;
  unsigned day = 1;
};

// The day before, across month and year ends.
CalendarDay DayBefore(const CalendarDay& day);

struct LogQueryControls {
  bool count = false;      // one row per word with its count
  bool showWrong = true;   // wrong answers (ANSWER set)
  bool showRight = false;  // right answers (ANSWER NULL)
  std::string user;        // only this user's rows; empty for every user
  // The first day shown when the start date's box is checked; the last day
  // takes part only together with the first.
  std::optional<CalendarDay> from;
  std::optional<CalendarDay> to;
  // Dates compared on the log's day column, which an index serves; false for
  // a database without it, where cdate compares the date texts row by row.
  bool dayColumn = true;
  // Counts read from the log's narrow tables, which are far quicker to count
  // than the log's wide rows; false for a database without them.
  bool countTables = true;
};

// The log window's statement.
std::string CreateLogSql(const LogQueryControls& controls);

// The wrong-word window's count limits; each takes part when its box is on.
struct CountLimits {
  bool moreThanOn = false;
  std::int32_t moreThan = 1;
  bool lessThanOn = false;
  std::int32_t lessThan = 10;
};

// The wrong-word window's statement: grouped by word only when counting.
std::string WrongWordSql(const LogQueryControls& controls, const CountLimits& limits);

}  // namespace orv
