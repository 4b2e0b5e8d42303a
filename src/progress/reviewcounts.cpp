#include "progress/reviewcounts.h"

#include "base/strings.h"
#include "scores/firebird/readonlyselect.h"
#include "scores/sqlquote.h"
#include "session/reviewschedule.h"

namespace orv {

std::map<std::string, ReviewCounts> ReadReviewCounts(const QSqlDatabase& db, std::int64_t today) {
  const ResultTable table = ReadOnlySelect(
      db, "select name, sum(case when due_day <= " + SqlDayLiteral(today) +
              " then 1 else 0 end), sum(case when box = " + std::to_string(kReviewBoxes) +
              " then 1 else 0 end) from review_box group by name");
  std::map<std::string, ReviewCounts> counts;
  for (const auto& row : table.rows) {
    // Names differing only in letter case are one learner, as in the overview.
    ReviewCounts& c = counts[Upper(row[0].toString().toStdString())];
    c.due += row[1].toInt();
    c.learned += row[2].toInt();
  }
  return counts;
}

}  // namespace orv
