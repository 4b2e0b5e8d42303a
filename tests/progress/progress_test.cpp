// The progress of learners read from a score database that real test sessions
// filled: the charts' points, the words most often wrong, the kinds of mistake,
// the class overview's numbers, and every grid saved as CSV and read back.
#include <gtest/gtest.h>

#include <QDate>

#include <map>
#include <string>
#include <utility>
#include <vector>

#include "exchange/tabletext.h"
#include "progress/classoverview.h"
#include "progress/csv_reader.h"
#include "progress/mistaketally.h"
#include "progress/overviewtests.h"
#include "progress/progress_fixture.h"
#include "progress/progressdata.h"
#include "progress/progresstables.h"
#include "progress/reviewcounts.h"
#include "progress/tablemodel.h"
#include "scores/dataset.h"
#include "scores/logquery.h"
#include "session/reviewschedule.h"

namespace orv::test {
namespace {

class Progress : public ClassScoresTest {};

std::vector<std::vector<int>> Points(const ChartSeries& series) {
  std::vector<std::vector<int>> points;
  for (const ChartPoint& p : series.points) {
    points.push_back({static_cast<int>(p.day.day), static_cast<int>(p.day.month), p.value});
  }
  return points;
}

TEST_F(Progress, OneLinePerListHoldsEachTestsPercentageAndHelpInTheOrderTaken) {
  FillClass();
  const std::vector<TestResult> tests = ReadTests(Db(), "ann", {});
  ASSERT_EQ(tests.size(), 4u);
  const std::vector<ChartSeries> percent = PercentSeries(tests);
  ASSERT_EQ(percent.size(), 2u);
  EXPECT_EQ(percent[0].list, "ANIMALS");
  EXPECT_EQ(Points(percent[0]),
            (std::vector<std::vector<int>>{{3, 2, 100}, {10, 2, 75}, {1, 3, 50}}));
  EXPECT_EQ(percent[1].list, "SUMS");
  EXPECT_EQ(Points(percent[1]), (std::vector<std::vector<int>>{{11, 2, 50}}));
  const std::vector<ChartSeries> help = HelpSeries(tests);
  EXPECT_EQ(Points(help[0]), (std::vector<std::vector<int>>{{3, 2, 0}, {10, 2, 0}, {1, 3, 3}}));
}

TEST_F(Progress, TheDateRangeKeepsItsFirstAndLastDays) {
  FillClass();
  struct Case {
    DateRange range;
    std::size_t annTests;
    std::vector<std::string> wrong;  // word:count
  };
  const Case cases[] = {
      {{}, 4, {"dog:2", "fox:1", "sun:1"}},
      {{CalendarDay{2026, 2, 10}, CalendarDay{2026, 2, 11}}, 2, {"dog:1", "sun:1"}},
      {{CalendarDay{2026, 2, 11}, {}}, 2, {"dog:1", "fox:1", "sun:1"}},
      {{{}, CalendarDay{2026, 2, 9}}, 1, {}},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ReadTests(Db(), "ann", c.range).size(), c.annTests);
    std::vector<std::string> wrong;
    for (const WordCount& w : ReadWrongWords(Db(), "ann", c.range, 10)) {
      wrong.push_back(w.word + ":" + std::to_string(w.count));
    }
    EXPECT_EQ(wrong, c.wrong);
  }
  EXPECT_EQ(ReadWrongWords(Db(), "ann", {}, 1).size(), 1u);
}

TEST_F(Progress, TheOverviewCountsTestsLatestBestAndTrendPerLearnerAndList) {
  FillClass();
  // In place of the boxes the sessions moved, boxes due a day before, on or
  // after today: ANN in capitals is ann; dan has boxes but no tests, so no row.
  Exec(host.path, "delete from review_box");
  struct Box {
    std::string name;
    int dueFromToday;
    int box;
  };
  const Box boxes[] = {{"ANN", -1, 2}, {"ann", 0, 5}, {"ann", 1, 5},
                       {"ann", 1, 3},  {"bob", 0, 1}, {"dan", -1, 5}};
  const std::int64_t today = ReviewToday();
  int item = 0;
  for (const Box& b : boxes) {
    const QDate due = QDate::fromJulianDay(today + b.dueFromToday);
    Exec(host.path,
         "insert into review_box (name, file1, item, box, due_day, asked, missed) "
         "values ('" +
             b.name + "', 'ANIMALS', 'w" + std::to_string(++item) + "', " + std::to_string(b.box) +
             ", '" + due.toString(Qt::ISODate).toStdString() + "', 1, 0)");
  }
  const std::vector<OverviewRow> rows =
      ClassOverview(ReadOverviewTests(Db(), "", {}), {}, ReadReviewCounts(Db(), today));
  ASSERT_EQ(rows.size(), 3u);
  const ReviewCounts due[] = {{2, 2}, {2, 2}, {1, 0}};
  for (std::size_t r = 0; r < rows.size(); ++r) EXPECT_EQ(rows[r].review, due[r]) << r;
  // ann's animals: 100, 75, 50: the later test less the earlier.
  EXPECT_EQ(rows[0].name, "ann");
  EXPECT_EQ(rows[0].list, "ANIMALS");
  EXPECT_EQ(rows[0].tests, 3);
  EXPECT_EQ(rows[0].latest, 50);
  EXPECT_EQ(rows[0].best, 100);
  EXPECT_EQ(rows[0].trend, -50);
  EXPECT_EQ(rows[1].list, "SUMS");
  EXPECT_EQ(rows[1].trend, std::nullopt);
  EXPECT_EQ(rows[2].name, "bob");
  EXPECT_EQ(rows[2].latest, 100);
  EXPECT_EQ(rows[2].best, 100);
  EXPECT_EQ(rows[2].trend, 25);
}

// The overview reads its tests in a pass of its own; it must group and
// order them as ReadTests does: ".SCO" in any case names one list, a day
// and time shared go by test number, times compare as texts, a day that is
// no calendar day is left out.
TEST_F(Progress, TheOverviewGroupsAndOrdersTestsAsReadTestsDoes) {
  struct Row {
    const char* name;
    const char* file;
    const char* date;
    const char* time;
    int group;
    int score;
  };
  const Row rows[] = {{"ann", "L.SCO", "02/01/2026", "09:00:00", 7, 1},
                      {"ann", "L.sco", "01/01/2026", "10:00:00", 9, 2},
                      {"ann", "L", "02/01/2026", "09:00:00", 3, 3},
                      {"ann", "L.SCO", "01/01/2026", "09:30:00", 5, 4},
                      {"ann", "L.SCO", "31/02/2026", "09:00:00", 1, 5},
                      {"Ann", "L.SCO", "01/01/2026", "08:00:00", 2, 6},
                      {"bob", "M.SCO", "01/01/2026", "9:00:00", 4, 7},
                      {"bob", "M.SCO", "01/01/2026", "10:00:00", 6, 8}};
  for (const Row& r : rows) {
    Exec(host.path, std::string("insert into score (name, file1, date1, time1, log_group, score, "
                                "word_count) values ('") +
                        r.name + "', '" + r.file + "', '" + r.date + "', '" + r.time + "', " +
                        std::to_string(r.group) + ", " + std::to_string(r.score) + ", 10)");
  }
  using Lists = std::map<std::pair<std::string, std::string>, std::vector<int>>;
  Lists expected;
  for (const TestResult& t : ReadTests(Db(), "", {}))
    expected[{t.name, t.list}].push_back(t.percent);
  Lists read;
  for (const ListTests& l : ReadOverviewTests(Db(), "", {})) {
    EXPECT_TRUE(read.emplace(std::pair{l.name, l.list}, l.percents).second) << l.name << l.list;
  }
  EXPECT_EQ(read, expected);
  EXPECT_EQ((read[{"ann", "L"}]), (std::vector<int>{40, 20, 30, 10}));
  EXPECT_EQ((read[{"bob", "M"}]), (std::vector<int>{80, 70}));
}

TEST(ClassOverview, TheTrendComparesTheLaterHalfWithTheEarlierHalf) {
  struct Case {
    std::vector<int> percents;
    std::optional<int> trend;
  };
  const Case cases[] = {{{40}, std::nullopt},
                        {{40, 60}, 20},
                        {{40, 99, 60}, 20},
                        {{10, 20, 50, 70}, 45},
                        {{80, 60, 70, 50, 61}, -15}};
  for (const Case& c : cases) {
    const std::vector<OverviewRow> rows = ClassOverview({{"ann", "A", c.percents}});
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows[0].trend, c.trend) << c.percents.size() << " tests";
  }
}

// A user of the password file without tests gets a row; one whose tests
// were stored under another letter case is not listed a second time.
TEST(ClassOverview, UsersWithoutTestsHaveARowOfTheirOwn) {
  const std::vector<OverviewRow> rows = ClassOverview({{"ann", "A", {50}}}, {"ANN", "cy"});
  ASSERT_EQ(rows.size(), 2u);
  EXPECT_EQ(rows[0].name + ":" + rows[0].list + ":" + std::to_string(rows[0].tests), "ann:A:1");
  EXPECT_EQ(rows[1].name + ":" + rows[1].list + ":" + std::to_string(rows[1].tests), "cy::0");
  EXPECT_EQ(rows[1].trend, std::nullopt);
}

TEST(ClassOverview, TheOverviewSortsByAnyColumnWithNumbersAsNumbers) {
  TableModel model;
  model.SetTable(OverviewTable({{"bob", "B", 12, 9, 90, 5, {}},
                                {"Ann", "A", 3, 100, 100, std::nullopt, {}},
                                {"cy", "C", 2, 70, 80, -10, {}}}));
  model.ShowSign(kTrendColumn);
  auto column = [&](int c) {
    std::vector<std::string> texts;
    for (int r = 0; r < model.rowCount(); ++r) {
      texts.push_back(model.data(model.index(r, c)).toString().toStdString());
    }
    return texts;
  };
  model.sort(0);
  EXPECT_EQ(column(0), (std::vector<std::string>{"Ann", "bob", "cy"}));
  model.sort(2, Qt::DescendingOrder);
  EXPECT_EQ(column(2), (std::vector<std::string>{"12", "3", "2"}));
  model.sort(kTrendColumn);
  EXPECT_EQ(column(kTrendColumn), (std::vector<std::string>{"-10", "+5", ""}));
  model.sort(kTrendColumn, Qt::DescendingOrder);
  EXPECT_EQ(column(kTrendColumn), (std::vector<std::string>{"+5", "-10", ""}));
}

TEST_F(Progress, GridsSavedAsCsvReadBackWhole) {
  // A typed answer and a list name holding a comma, quotes and a line break.
  WriteList("odd, \"names\".orv", "cat\r\n");
  Take("odd, \"names\".orv", "ann", "04/02/2026", {{"c,\"a\"\nt"}, {"cat"}});
  Take("animals.orv", "bob", "09/02/2026", {{"cat"}, {"dog"}, {"fox"}, {"owl"}});

  DataSet log;
  LogQueryControls controls;
  log.Open(Db(), CreateLogSql(controls));
  log.ShowAllFields();
  const Records logCsv = ReadCsv(CsvText(log));
  ASSERT_EQ(logCsv.size(), 2u);
  EXPECT_EQ(logCsv[0], (std::vector<std::string>{"NAME", "DATE1", "TIME1", "FILE1", "WORD",
                                                 "LOG_GROUP", "HELP_COUNT", "ANSWER"}));
  EXPECT_EQ(logCsv[1][3], "ODD, \"NAMES\"");
  EXPECT_EQ(logCsv[1][7], "c,\"a\"\nt");

  TableModel tests;
  tests.SetTable(TestsTable(ReadTests(Db(), "", {})));
  EXPECT_EQ(ReadCsv(CsvText(tests)),
            (Records{{"Date", "Time", "List", "Percent", "Right", "Help total", "Max help"},
                     {"04/02/2026", tests.Table().rows[0][1].toString().toStdString(),
                      "ODD, \"NAMES\"", "0", "0/1", "0", "0"},
                     {"09/02/2026", tests.Table().rows[1][1].toString().toStdString(), "ANIMALS",
                      "100", "4/4", "0", "0"}}));

  TableModel overview;
  overview.SetTable(OverviewTable(ClassOverview(ReadOverviewTests(Db(), "", {}))));
  overview.ShowSign(kTrendColumn);
  EXPECT_EQ(ReadCsv(CsvText(overview)),
            (Records{{"Learner", "List", "Tests", "Latest %", "Best %", "Trend", "Due", "Learned"},
                     {"ann", "ODD, \"NAMES\"", "1", "0", "0", "", "0", "0"},
                     {"bob", "ANIMALS", "1", "100", "100", "", "0", "0"}}));

  TableModel words;
  words.SetTable(WrongWordsTable(ReadWrongWords(Db(), "ann", {}, 10)));
  EXPECT_EQ(ReadCsv(CsvText(words)), (Records{{"Word", "Times wrong"}, {"cat", "1"}}));
}

// Kind:count of the kinds that were made, then the examples of one kind.
std::vector<std::string> KindsMade(const std::vector<MistakeTally>& kinds) {
  std::vector<std::string> made;
  for (const MistakeTally& k : kinds) {
    if (k.count > 0) made.push_back(k.kind + ":" + std::to_string(k.count));
  }
  return made;
}

TEST_F(Progress, MistakesAreCountedByKindWithTheMostFrequentFirstAndSumsApart) {
  WriteList("spell.orv", "$noSort\r\nhouse\r\nletter\r\nParis\r\n");
  WriteList("math.orv", "2+3|5\r\n");
  Take("spell.orv", "ann", "03/02/2026",
       {{"huse"}, {"huse"}, {"huose"}, {"house"}, {"leter"}, {"letter"}, {"paris"}, {"Paris"}});
  Take("math.orv", "ann", "04/02/2026", {{"6"}, {"5"}});
  Take("spell.orv", "ann", "05/02/2026", {{"hose"}, {"house"}, {"lettre"}, {"letter"}, {"Paris"}});
  Take("spell.orv", "bob", "05/02/2026", {{"hous"}, {"house"}, {"letter"}, {"Paris"}});

  struct Case {
    DateRange range;
    std::vector<std::string> made;
  };
  const Case cases[] = {
      {{}, {"missed letter:3", "swapped letters:2", "single letter:1", "case:1", "sum:1"}},
      {{CalendarDay{2026, 2, 5}, {}}, {"missed letter:1", "swapped letters:1"}},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(KindsMade(TallyMistakes(ReadWrongAnswers(Db(), "ann", c.range))), c.made);
    EXPECT_EQ(KindsMade(TallyMistakes(ReadWrongAnswers(Db(), "ann", c.range, false))), c.made);
  }
  TableModel kinds;
  kinds.SetTable(MistakesTable(TallyMistakes(ReadWrongAnswers(Db(), "ann", {}))));
  const Records csv = ReadCsv(CsvText(kinds));
  ASSERT_EQ(csv.size(), 12u);
  EXPECT_EQ(csv[0], (std::vector<std::string>{"Kind", "Mistakes", "Most frequent"}));
  EXPECT_EQ(csv[1],
            (std::vector<std::string>{"missed letter", "3",
                                      "\"huse\" for \"house\" (2); \"hose\" for \"house\""}));
  EXPECT_EQ(csv[3][2], "\"huose\" for \"house\"; \"lettre\" for \"letter\"");
  EXPECT_EQ(csv[11], (std::vector<std::string>{"sum", "1", "2+3: \"6\" for \"5\""}));
  const std::vector<WrongAnswer> mostFrequent =
      TallyMistakes(ReadWrongAnswers(Db(), "", {}), 1)[0].examples;
  ASSERT_EQ(mostFrequent.size(), 1u);
  EXPECT_EQ(mostFrequent[0].answer, "huse");
}

TEST(TableText, ReadableTableAlignsColumnsByCharacters) {
  TableModel model;
  model.SetTable({{"Word", "n"}, {{QString("café"), 12}, {QString("a\nb"), QVariant()}}});
  EXPECT_EQ(ReadableTable(model), "Word  n\ncafé  12\na b\n");
}

TEST(DateRange, DayTextsAreReadAsTheProgramWritesThem) {
  struct Case {
    const char* text;
    std::optional<CalendarDay> day;
  };
  const Case cases[] = {{"05/01/2026", CalendarDay{2026, 1, 5}},
                        {"5/1/2026", CalendarDay{2026, 1, 5}},
                        {"29/02/2024", CalendarDay{2024, 2, 29}},
                        {"29/02/2026", std::nullopt},
                        {"31/04/2026", std::nullopt},
                        {"00/01/2026", std::nullopt},
                        {"05/13/2026", std::nullopt},
                        {"05/01/26", std::nullopt},
                        {"2026-01-05", std::nullopt},
                        {"05/01/2026x", std::nullopt},
                        {"", std::nullopt}};
  for (const Case& c : cases) {
    const auto day = ParseDayText(c.text);
    ASSERT_EQ(day.has_value(), c.day.has_value()) << c.text;
    if (!day) continue;
    EXPECT_EQ(day->year, c.day->year) << c.text;
    EXPECT_EQ(day->month, c.day->month) << c.text;
    EXPECT_EQ(day->day, c.day->day) << c.text;
  }
}

}  // namespace
}  // namespace orv::test
