#pragma once
// The days a progress view or a report covers: from a first day, up to a last
// day, both included; either end may be open.
#include <optional>
#include <string>
#include <string_view>

#include "scores/logquery.h"

namespace orv {

struct DateRange {
  std::optional<CalendarDay> from;
  std::optional<CalendarDay> to;
};

// A day written as the program writes dates (DD/MM/YYYY; one-digit day and
// month are taken too); nothing when the text is no calendar day.
std::optional<CalendarDay> ParseDayText(std::string_view text);

// The conditions that keep a day column inside the range, each begun with
// " and "; empty for an open range. The column holds calendar days (DATE).
std::string DateRangeSql(std::string_view dayColumn, const DateRange& range);

// The where clause that keeps one learner's rows (every learner's when name
// is empty) inside the range; empty when it would keep every row.
std::string LearnerAndDaysWhere(const std::string& name, std::string_view dayColumn,
                                const DateRange& range);

}  // namespace orv
