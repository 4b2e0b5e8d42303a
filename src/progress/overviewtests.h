#pragma once
// The class overview's tests read from the score database: only the columns
// the overview needs, grouped per learner and list while they are fetched,
// so a whole school's scores are read in one pass without a row of texts per
// test.
#include <QSqlDatabase>
#include <string>
#include <vector>

#include "progress/classoverview.h"
#include "progress/daterange.h"

namespace orv {

// The tests in the range of one learner (of every learner when name is
// empty): one entry per learner and list, named and ordered as ReadTests
// names and orders the tests, its percentages in the order ReadTests gives.
// Tests whose date is no calendar day are left out. Raises E_DB_Error.
std::vector<ListTests> ReadOverviewTests(const QSqlDatabase& db, const std::string& name,
                                         const DateRange& range);

}  // namespace orv
