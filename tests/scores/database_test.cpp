// The objects of a database made from the schema: the date comparison, the
// score view, the log group procedure and the indexes the queries use.
#include <gtest/gtest.h>

#include <filesystem>

#include "score_db_fixture.h"
#include "scores/firebird/fbclient.h"

namespace orv::test {
namespace {

class SchemaDatabase : public ScoreDbTest {
 protected:
  void SetUp() override {
    ScoreDbTest::SetUp();
    path = NewDatabase();
  }
  std::string Cdate(const std::string& a, const std::string& b) {
    return OneValue(path, "select cdate('" + a + "', '" + b + "') from rdb$database");
  }
  void Insert(const std::string& sql) { Exec(path, sql); }
  std::string path;
};

TEST_F(SchemaDatabase, CdateIsOneExactlyWhenTheFirstDayIsLater) {
  EXPECT_EQ(Cdate("06/03/2004", "05/03/2004"), "1");
  EXPECT_EQ(Cdate("05/03/2004", "05/03/2004"), "0");
  EXPECT_EQ(Cdate("04/03/2004", "05/03/2004"), "0");
  // Across a month: the day number alone would say otherwise.
  EXPECT_EQ(Cdate("01/03/2004", "29/02/2004"), "1");
  EXPECT_EQ(Cdate("29/02/2004", "01/03/2004"), "0");
  EXPECT_EQ(Cdate("02/04/2004", "30/03/2004"), "1");
  // Across a year: month and day alone would say otherwise.
  EXPECT_EQ(Cdate("01/01/2005", "31/12/2004"), "1");
  EXPECT_EQ(Cdate("31/12/2004", "01/01/2005"), "0");
  EXPECT_EQ(Cdate("15/06/2003", "14/06/2004"), "0");
  // Texts that are no day compare as nothing.
  EXPECT_EQ(Cdate("31/02/2004", "01/01/2004"), "0");
  EXPECT_EQ(Cdate("garbage", "01/01/2004"), "0");
  EXPECT_EQ(Cdate("01/01/2004", ""), "0");
}

TEST_F(SchemaDatabase, CdateSelectsTheDaysOfARangeInclusive) {
  for (const char* day : {"28/02/2004", "29/02/2004", "01/03/2004", "08/03/2004", "09/03/2004"}) {
    Insert(std::string("insert into log (name, date1, word) values ('ann', '") + day + "', 'w')");
  }
  // From 29 February to 8 March, written as the window writes it.
  auto rows = Rows(path,
                   "select date1 from log where cdate(date1,'28/02/2004') = 1  and "
                   "cdate(date1,'08/03/2004') <> 1 order by date1");
  EXPECT_EQ(rows, (std::vector<std::vector<std::string>>{
                      {"01/03/2004"}, {"08/03/2004"}, {"29/02/2004"}}));
}

TEST_F(SchemaDatabase, ScoreTabGivesPercentAndRatioOfEachTest) {
  Insert(
      "insert into score (name, date1, time1, file1, max_help, help_total, word_count, score, "
      "log_group) values ('ann', '07/03/2004', '14:05:09', 'WORDS0.SCO', 2, 5, 10, 7, 41)");
  Insert(
      "insert into score (name, date1, time1, file1, max_help, help_total, word_count, score, "
      "log_group) values ('bob', '07/03/2004', '14:06:00', 'WORDS0.SCO', 0, 0, 3, 2, 42)");
  Insert(
      "insert into score (name, date1, time1, file1, max_help, help_total, word_count, score, "
      "log_group) values ('cy', '07/03/2004', '14:07:00', 'WORDS0.SCO', 0, 0, 0, 0, 43)");
  auto rows = Rows(path,
                   "select name, percent1, ratio, date1, time1, max_help, help_total, log_group, "
                   "file1 from score_tab order by log_group");
  ASSERT_EQ(rows.size(), 3u);
  EXPECT_EQ(rows[0], (std::vector<std::string>{"ann", "70", "7/10", "07/03/2004", "14:05:09", "2",
                                               "5", "41", "WORDS0.SCO"}));
  EXPECT_EQ(rows[1][1], "66");
  EXPECT_EQ(rows[1][2], "2/3");
  // A test of no questions has no percentage to divide out.
  EXPECT_EQ(rows[2][1], "0");
  EXPECT_EQ(rows[2][2], "0/0");
}

TEST_F(SchemaDatabase, SortDateOrdersTestsByCalendarDay) {
  // In text order 31/12/2003 would come last and 01/02/2004 before 02/01/2004.
  int group = 0;
  for (const char* day : {"02/01/2004", "31/12/2003", "01/02/2004", "15/01/2004", "01/01/2005"}) {
    Insert(std::string("insert into score (name, date1, time1, file1, max_help, help_total, "
                       "word_count, score, log_group) values ('ann', '") +
           day + "', '10:00:00', 'W.SCO', 0, 0, 10, 10, " + std::to_string(++group) + ")");
  }
  auto rows = Rows(path, "select date1, sort_date from score_tab order by sort_date desc");
  ASSERT_EQ(rows.size(), 5u);
  std::vector<std::string> order;
  for (const auto& r : rows) order.push_back(r[0]);
  EXPECT_EQ(order, (std::vector<std::string>{"01/01/2005", "01/02/2004", "15/01/2004", "02/01/2004",
                                             "31/12/2003"}));
  EXPECT_EQ(rows[0][1], "2005-01-01");
}

TEST_F(SchemaDatabase, ScoreQueryOfTheScoreWindowRunsOnTheView) {
  Insert(
      "insert into score (name, date1, time1, file1, max_help, help_total, word_count, score, "
      "log_group) values ('O''Neil', '01/03/2004', '09:00:00', 'ann.orv\\WORDS0.SCO', "
      "1, 1, 4, 4, 7)");
  auto rows = Rows(path,
                   "select name, percent1, ratio, date1, time1, max_help, help_total, log_group  "
                   "from score_tab where UPPER(file1) = 'ANN.ORV\\WORDS0.SCO' order by percent1 "
                   "desc, sort_date desc, time1 desc");
  ASSERT_EQ(rows.size(), 1u);
  EXPECT_EQ(rows[0][0], "O'Neil");
  EXPECT_EQ(rows[0][2], "4/4");
}

TEST_F(SchemaDatabase, PlainPathIsOpenedByTheEngineInThisProcess) {
  EXPECT_EQ(
      OneValue(path, "select rdb$get_context('SYSTEM', 'NETWORK_PROTOCOL') from rdb$database"),
      kNull);
  EXPECT_EQ(OneValue(path, "select mon$sql_dialect from mon$database"), "3");
}

TEST_F(SchemaDatabase, TextsKeepLettersBeyondAscii) {
  Insert("insert into log (name, word, answer) values ('Zoë', 'naïve', 'ñandú')");
  auto rows = Rows(path, "select name, word, answer, octet_length(name) from log");
  ASSERT_EQ(rows.size(), 1u);
  EXPECT_EQ(rows[0], (std::vector<std::string>{"Zoë", "naïve", "ñandú", "4"}));
}

TEST_F(SchemaDatabase, CreatingOverAnExistingFileFailsWithTheEngineError) {
  try {
    CreateScoreDatabase(path, DbAccount{});
    FAIL() << "a second database was made over the first";
  } catch (const E_DB_Error& e) {
    EXPECT_NE(e.engine().code, 0);
    EXPECT_NE(e.engine().message.find(path), std::string::npos) << e.engine().message;
  }
  // The first database is untouched.
  EXPECT_EQ(OneValue(path, "select count(*) from score"), "0");
}

TEST_F(ScoreDbTest, AScriptThatFailsLeavesNoDatabaseBehind) {
  const std::string path = dir.Str() + "half.gdb";
  try {
    CreateDatabase(path, "CREATE TABLE A (X INTEGER);\nCREATE TABLE A (Y INTEGER);", DbAccount{});
    FAIL() << "the second table of the same name was accepted";
  } catch (const E_DB_Error& e) {
    EXPECT_NE(e.engine().code, 0);
  }
  EXPECT_FALSE(std::filesystem::exists(path));
  // The same path then takes a whole database.
  CreateDatabase(path, "CREATE TABLE A (X INTEGER);", DbAccount{});
  EXPECT_EQ(OneValue(path, "select count(*) from A"), "0");
}

}  // namespace
}  // namespace orv::test
