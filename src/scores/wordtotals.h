#pragma once
// The word totals of the log (its table LOG_TOTAL) gain a row with every
// change of the log; folding them keeps the count over every user and day
// quick.
#include <QSqlDatabase>

namespace orv {

// Folds the rows of each word and answer kind into one. Only rows committed
// before the fold began are read and removed, so rows that learners add
// meanwhile stay as they are and no learner waits. When another program
// folds at the same moment it gives up at once and returns false; the
// totals are then as right as before, only slower to count.
bool FoldWordTotals(const QSqlDatabase& db);

}  // namespace orv
