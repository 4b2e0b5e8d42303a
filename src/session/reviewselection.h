#pragma once
// Which items one review asks: the learner's due items and, until a list's
// test day, the items of that list the learner was never asked.
#include <QSqlDatabase>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "scores/reviewtable.h"

namespace orv {

// At most limit items (limit > 0): the overdue ones first, then the items
// never asked of each list whose test day (its own line or the one set for
// the learner, the earlier) is after today, then the items due today; among
// the due ones the lowest box first. The test-day lists are the ones set for
// the learner and those whose items last named a day still to come; each is
// read from its file under listRoot (ending in a separator) and compiled as
// a plain test compiles it, an expression line one item. A list file that
// cannot be read adds nothing.
std::vector<ReviewRow> SelectReview(const QSqlDatabase& db, const std::string& learner,
                                    std::int64_t today, std::size_t limit,
                                    const std::string& listRoot);

}  // namespace orv
