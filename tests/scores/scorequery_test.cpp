// The score window's statements: the four filters, the three sort orders,
// names with quotes, and the words of one test.
#include "scores/scorequery.h"

#include <gtest/gtest.h>

namespace orv {
namespace {

TEST(ScoreQuery, ListKeyIsFolderBaseNameAndSco) {
  EXPECT_EQ(ScoreListKey("", "words0.orv"), "words0.sco");
  EXPECT_EQ(ScoreListKey("ann.orv\\maths\\", "Sums.Orv"), "ann.orv\\maths\\Sums.sco");
}

TEST(ScoreQuery, FiltersChooseTheFromAndWhereClauses) {
  const std::string head =
      "select name, percent1, ratio, date1, time1, max_help, help_total, "
      "log_group ";
  ScoreFilter f;
  EXPECT_EQ(BuildScoreSql(7, "ann.orv\\words0.sco", "ann", f),
            head + " from score_tab where UPPER(file1) = 'ANN.ORV\\WORDS0.SCO'");
  f.currentUserOnly = true;
  EXPECT_EQ(BuildScoreSql(7, "words0.sco", "ann", f),
            head + " from score_tab where UPPER(file1) = 'WORDS0.SCO' and name = 'ann'");
  f.currentFileOnly = false;
  EXPECT_EQ(BuildScoreSql(7, "words0.sco", "ann", f),
            head + " , file1 from score_tab where name = 'ann' ");
  f.currentUserOnly = false;
  EXPECT_EQ(BuildScoreSql(7, "words0.sco", "ann", f), head + " , file1 from score_tab ");
}

TEST(ScoreQuery, SortOrders) {
  ScoreFilter all{false, false};
  const std::string base = BuildScoreSql(2, "x.sco", "ann", all);
  EXPECT_EQ(BuildScoreSql(kByName, "x.sco", "ann", all),
            base + " order by name, percent1 desc, sort_date desc, time1 desc");
  EXPECT_EQ(BuildScoreSql(kByPercent, "x.sco", "ann", all),
            base + " order by percent1 desc, sort_date desc, time1 desc");
  EXPECT_EQ(BuildScoreSql(kByDate, "x.sco", "ann", all),
            base + " order by sort_date desc, time1 desc");
}

TEST(ScoreQuery, QuotesInNamesAreDoubled) {
  ScoreFilter f{true, true};
  const std::string sql = BuildScoreSql(kByDate, "o'neil.orv\\it's.sco", "O'Neil", f);
  EXPECT_NE(sql.find("UPPER(file1) = 'O''NEIL.ORV\\IT''S.SCO' and name = 'O''Neil'"),
            std::string::npos)
      << sql;
}

TEST(ScoreQuery, WordsOfOneTest) {
  const std::string head = "select Name, Word, Answer, Help_count from log where log_group = 42";
  EXPECT_EQ(WordsSql(42, true, true), head);
  EXPECT_EQ(WordsSql(42, true, false), head + " and Answer is not null");
  EXPECT_EQ(WordsSql(42, false, true), head + " and Answer is null");
}

}  // namespace
}  // namespace orv
