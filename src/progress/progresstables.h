#pragma once
// The grids of the progress window and the class overview as rows of values,
// for the windows, for saving as CSV and for orvc's reports.
#include <vector>

#include "progress/classoverview.h"
#include "progress/mistaketally.h"
#include "progress/progressdata.h"
#include "scores/firebird/resulttable.h"

namespace orv {

// Date, Time, List, Percent, Right, Help total, Max help: one row per test.
ResultTable TestsTable(const std::vector<TestResult>& tests);
// Word, Times wrong.
ResultTable WrongWordsTable(const std::vector<WordCount>& words);
// Kind, Mistakes, Most frequent (the examples, "; " between them).
ResultTable MistakesTable(const std::vector<MistakeTally>& kinds);
// Learner, List, Tests, Latest %, Best %, Trend (empty for one test), Due,
// Learned.
inline constexpr int kTrendColumn = 5;
ResultTable OverviewTable(const std::vector<OverviewRow>& rows);

}  // namespace orv
