#include "progress/reviewcounts.h"

#include <string_view>
#include <unordered_map>

#include "base/strings.h"
#include "scores/firebird/readonlycursor.h"
#include "scores/firebird/sqlquote.h"
#include "session/reviewschedule.h"

namespace orv {

std::map<std::string, ReviewCounts> ReadReviewCounts(const QSqlDatabase& db, std::int64_t today) {
  // Counted here over the boxes as they lie: grouped by the engine, the
  // learners' boxes were read in the order of the name index, a page read
  // per box, or sorted whole, either many times as slow as one pass. Boxes
  // neither due nor learned are not fetched.
  const std::string due = "due_day <= " + SqlDayLiteral(today);
  const std::string learned = "box = " + std::to_string(kReviewBoxes);
  ReadOnlyCursor cursor(db, "select name, iif(" + due + ", 1, 0), iif(" + learned +
                                ", 1, 0) from review_box where " + due + " or " + learned);
  std::unordered_map<std::string, ReviewCounts> byName;
  std::string name;
  while (cursor.Next()) {
    name.assign(cursor.Chars(0));
    ReviewCounts& c = byName[name];
    c.due += cursor.Value(1).toInt();
    c.learned += cursor.Value(2).toInt();
  }
  std::map<std::string, ReviewCounts> counts;
  for (const auto& [learner, c] : byName) {
    // Names differing only in letter case are one learner, as in the overview.
    ReviewCounts& sum = counts[Upper(learner)];
    sum.due += c.due;
    sum.learned += c.learned;
  }
  return counts;
}

}  // namespace orv
