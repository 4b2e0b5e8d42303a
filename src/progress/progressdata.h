#pragma once
// The progress of learners as the score database holds it: every finished
// test (its percentage as the score table gives it, its help), the lines the
// charts draw from them, one per list, and the words a learner most often got
// wrong.
#include <QSqlDatabase>
#include <cstdint>
#include <string>
#include <vector>

#include "progress/daterange.h"

namespace orv {

struct TestResult {
  std::string name;
  std::string list;  // the list key without ".SCO"
  CalendarDay day;
  std::string time;   // HH:MM:SS
  int percent = 0;    // of right answers, as the score table gives it
  std::string ratio;  // right answers "/" questions
  int maxHelp = 0;
  int helpTotal = 0;
  std::int32_t logGroup = 0;
};

struct ChartPoint {
  CalendarDay day;
  std::string time;
  int value = 0;
};

// One line of a chart: the tests of one list in the order they were taken.
struct ChartSeries {
  std::string list;
  std::vector<ChartPoint> points;
};

struct WordCount {
  std::string word;
  int count = 0;
};

// One answer typed for a word, and how many times.
struct WrongAnswer {
  std::string word;  // the log's key: the word, or a sum's "question|answer"
  std::string answer;
  int count = 0;
};

// The list a score key names: the key without ".SCO" (in any letter case).
std::string ListOfKey(std::string key);

// The finished tests in the range, of one learner (of every learner when
// name is empty), ordered by learner, then by day, time and test number.
// Tests whose date is no calendar day are left out. Raises E_DB_Error.
std::vector<TestResult> ReadTests(const QSqlDatabase& db, const std::string& name,
                                  const DateRange& range);

// The words the learner got wrong in the range, most often wrong first (ties
// in the order of the words), at most limit of them; countTables as in
// LogQueryControls. Raises E_DB_Error.
std::vector<WordCount> ReadWrongWords(const QSqlDatabase& db, const std::string& name,
                                      const DateRange& range, int limit, bool countTables = true);

// The learner's (every learner's when name is empty) wrong answers in the range,
// each different answer to a word once; countTables says the log has its DAY1
// column, as in ReadWrongWords. Raises E_DB_Error.
std::vector<WrongAnswer> ReadWrongAnswers(const QSqlDatabase& db, const std::string& name,
                                          const DateRange& range, bool countTables = true);

// The percentages, and the help used, of the tests: one line per list, the
// lists in alphabetical order.
std::vector<ChartSeries> PercentSeries(const std::vector<TestResult>& tests);
std::vector<ChartSeries> HelpSeries(const std::vector<TestResult>& tests);

// The learners named in the score table, in alphabetical order.
std::vector<std::string> ReadLearners(const QSqlDatabase& db);

}  // namespace orv
