#include "progress/progressdata.h"

#include <QDate>
#include <map>

#include "scores/readonlyselect.h"
#include "scores/sqlquote.h"

namespace orv {
namespace {

constexpr std::string_view kScoreSuffix = ".SCO";

std::string ListOfKey(std::string key) {
  if (key.size() >= kScoreSuffix.size() &&
      QString::fromStdString(key.substr(key.size() - kScoreSuffix.size()))
              .compare(QLatin1String(kScoreSuffix.data()), Qt::CaseInsensitive) == 0) {
    key.resize(key.size() - kScoreSuffix.size());
  }
  return key;
}

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
  std::string sql =
      "select name, file1, percent1, ratio, sort_date, time1, max_help, help_total, log_group "
      "from score_tab where sort_date is not null";
  if (!name.empty()) {
    sql += " and name = ";
    SqlQuote(sql, name);
  }
  sql += DateRangeSql("sort_date", range);
  sql += " order by name, sort_date, time1, log_group";
  const ResultTable table = ReadOnlySelect(db, sql);
  std::vector<TestResult> tests;
  tests.reserve(table.rows.size());
  for (const auto& row : table.rows) {
    const QDate date = row[4].toDate();
    tests.push_back({Text(row[0]), ListOfKey(Text(row[1])),
                     CalendarDay{date.year(), static_cast<unsigned>(date.month()),
                                 static_cast<unsigned>(date.day())},
                     Text(row[5]), row[2].toInt(), Text(row[3]), row[6].toInt(), row[7].toInt(),
                     row[8].toInt()});
  }
  return tests;
}

std::vector<WordCount> ReadWrongWords(const QSqlDatabase& db, const std::string& name,
                                      const DateRange& range, int limit) {
  std::string sql = "select first " + std::to_string(limit) +
                    " word, count(*) from log where answer is not null and name = ";
  SqlQuote(sql, name);
  sql += DateRangeSql("dmy_date(date1)", range);
  sql += " group by word order by 2 desc, 1";
  const ResultTable table = ReadOnlySelect(db, sql);
  std::vector<WordCount> words;
  for (const auto& row : table.rows) words.push_back({Text(row[0]), row[1].toInt()});
  return words;
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
