#include "progress/progressdata.h"

#include <algorithm>
#include <map>
#include <tuple>

#include "scores/firebird/readonlyselect.h"
#include "scores/firebird/sqlquote.h"

namespace orv {

std::string ListOfKey(std::string key) {
  constexpr std::string_view kScoreSuffix = ".SCO";
  if (key.size() >= kScoreSuffix.size() &&
      QString::fromStdString(key.substr(key.size() - kScoreSuffix.size()))
              .compare(QLatin1String(kScoreSuffix.data()), Qt::CaseInsensitive) == 0) {
    key.resize(key.size() - kScoreSuffix.size());
  }
  return key;
}

namespace {

std::string Text(const QVariant& value) {
  return value.isNull() ? std::string() : value.toString().toStdString();
}

using Value = int (*)(const TestResult&);

std::vector<ChartSeries> Series(const std::vector<TestResult>& tests, Value value) {
  std::map<std::string, ChartSeries> byList;
  for (const TestResult& t : tests) {
    ChartSeries& series = byList[t.list];
    series.list = t.list;
    series.points.push_back({t.day, t.time, value(t)});
  }
  std::vector<ChartSeries> series;
  for (auto& [list, s] : byList) series.push_back(std::move(s));
  return series;
}

}  // namespace

std::vector<TestResult> ReadTests(const QSqlDatabase& db, const std::string& name,
                                  const DateRange& range) {
  // The days are read from the date texts here rather than ordered by the
  // engine, which would compute every row's day in PSQL: over a whole class
  // that is most of the time the overview takes.
  const std::string sql =
      "select name, file1, percent1, ratio, date1, time1, max_help, help_total, log_group "
      "from score_tab" +
      LearnerAndDaysWhere(name, "sort_date", range);
  const ResultTable table = ReadOnlySelect(db, sql);
  std::vector<TestResult> tests;
  tests.reserve(table.rows.size());
  for (const auto& row : table.rows) {
    const auto day = ParseDayText(Text(row[4]));
    if (!day) continue;
    tests.push_back({Text(row[0]), ListOfKey(Text(row[1])), *day, Text(row[5]), row[2].toInt(),
                     Text(row[3]), row[6].toInt(), row[7].toInt(), row[8].toInt()});
  }
  std::stable_sort(tests.begin(), tests.end(), [](const TestResult& a, const TestResult& b) {
    return std::tie(a.name, a.day.year, a.day.month, a.day.day, a.time, a.logGroup) <
           std::tie(b.name, b.day.year, b.day.month, b.day.day, b.time, b.logGroup);
  });
  return tests;
}

std::vector<WordCount> ReadWrongWords(const QSqlDatabase& db, const std::string& name,
                                      const DateRange& range, int limit, bool countTables) {
  std::string learner;
  SqlQuote(learner, name);
  std::string sql = "select first " + std::to_string(limit);
  if (countTables) {
    // Counted per word number in the narrow rows, then regrouped by the text.
    sql +=
        " w.word, sum(c.n) from (select word_id, count(*) n from log_count where wrong = 1 "
        "and name = " +
        learner + DateRangeSql("day1", range) +
        " group by word_id) c left join log_word w on w.id = c.word_id group by w.word";
  } else {
    sql += " word, count(*) from log where answer is not null and name = " + learner +
           DateRangeSql("dmy_date(date1)", range) + " group by word";
  }
  sql += " order by 2 desc, 1";
  const ResultTable table = ReadOnlySelect(db, sql);
  std::vector<WordCount> words;
  for (const auto& row : table.rows) words.push_back({Text(row[0]), row[1].toInt()});
  return words;
}

std::vector<WrongAnswer> ReadWrongAnswers(const QSqlDatabase& db, const std::string& name,
                                          const DateRange& range, bool countTables) {
  const std::string where =
      LearnerAndDaysWhere(name, countTables ? "day1" : "dmy_date(date1)", range);
  const std::string sql = "select word, answer, count(*) from log" +
                          (where.empty() ? " where" : where + " and") +
                          " answer is not null group by word, answer";
  const ResultTable table = ReadOnlySelect(db, sql);
  std::vector<WrongAnswer> answers;
  for (const auto& row : table.rows)
    answers.push_back({Text(row[0]), Text(row[1]), row[2].toInt()});
  return answers;
}

std::vector<ChartSeries> PercentSeries(const std::vector<TestResult>& tests) {
  return Series(tests, [](const TestResult& t) { return t.percent; });
}

std::vector<ChartSeries> HelpSeries(const std::vector<TestResult>& tests) {
  return Series(tests, [](const TestResult& t) { return t.helpTotal; });
}

std::vector<std::string> ReadLearners(const QSqlDatabase& db) {
  const ResultTable table =
      ReadOnlySelect(db, "select distinct name from score where name is not null order by 1");
  std::vector<std::string> names;
  for (const auto& row : table.rows) names.push_back(Text(row[0]));
  return names;
}

}  // namespace orv
