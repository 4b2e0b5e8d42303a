// The statements of the log and wrong-word windows over the log itself: the
// exact texts for the controls' combinations, and the day arithmetic of the
// start date. The counts through the narrow tables are checked against these
// on a database (countquery_test.cpp).
#include "scores/logquery.h"

#include <gtest/gtest.h>

namespace orv {
namespace {

LogQueryControls AnnWrongCounted() {
  LogQueryControls c;
  c.count = true;
  c.user = "ann";
  c.countTables = false;
  return c;
}

TEST(LogQuery, CountedWrongWordsOfOneUserInADateRange) {
  LogQueryControls c = AnnWrongCounted();
  c.from = CalendarDay{2004, 3, 1};
  c.to = CalendarDay{2004, 3, 8};
  EXPECT_EQ(
      CreateLogSql(c),
      " select word, count(word) from log  where ANSWER IS NOT NULL  and name = 'ann' and "
      "day1 > DATE '2004-02-29'  and day1 <= DATE '2004-03-08'  group by word order by 2 desc");
}

TEST(LogQuery, WithoutTheDayColumnDatesAreComparedAsTexts) {
  LogQueryControls c = AnnWrongCounted();
  c.from = CalendarDay{2004, 3, 1};
  c.to = CalendarDay{2004, 3, 8};
  c.dayColumn = false;
  EXPECT_EQ(CreateLogSql(c),
            " select word, count(word) from log  where ANSWER IS NOT NULL  and name = 'ann' and "
            "cdate(date1,'29/02/2004') = 1  and cdate(date1,'08/03/2004') <> 1  group by word "
            "order by 2 desc");
}

TEST(LogQuery, AnswerBoxesChooseTheAnswerClause) {
  LogQueryControls c;
  c.showWrong = false;
  c.showRight = true;
  EXPECT_EQ(CreateLogSql(c),
            " select name, date1, time1, file1, word, log_group, help_count, answer from log  "
            "where ANSWER IS NULL ");
  c.showWrong = true;
  EXPECT_EQ(CreateLogSql(c),
            " select name, date1, time1, file1, word, log_group, help_count, answer from log ");
  c.showWrong = c.showRight = false;
  EXPECT_EQ(CreateLogSql(c),
            " select name, date1, time1, file1, word, log_group, help_count, answer from log  "
            "where ANSWER <> ANSWER ");
}

TEST(LogQuery, FirstConditionOpensTheWhereClause) {
  LogQueryControls c;
  c.showRight = true;  // both kinds: no answer clause
  c.user = "bob";
  EXPECT_EQ(CreateLogSql(c),
            " select name, date1, time1, file1, word, log_group, help_count, answer from log  "
            "where name = 'bob'");
  c.user.clear();
  c.from = CalendarDay{2004, 1, 1};
  EXPECT_EQ(CreateLogSql(c),
            " select name, date1, time1, file1, word, log_group, help_count, answer from log  "
            "where day1 > DATE '2003-12-31' ");
}

TEST(LogQuery, EndDateCountsOnlyWithTheStartDate) {
  LogQueryControls c;
  c.to = CalendarDay{2004, 3, 8};
  EXPECT_EQ(CreateLogSql(c),
            " select name, date1, time1, file1, word, log_group, help_count, answer from log  "
            "where ANSWER IS NOT NULL ");
  c.from = CalendarDay{2004, 3, 1};
  c.to.reset();
  EXPECT_EQ(CreateLogSql(c),
            " select name, date1, time1, file1, word, log_group, help_count, answer from log  "
            "where ANSWER IS NOT NULL  and day1 > DATE '2004-02-29' ");
}

TEST(LogQuery, UserNamesAreQuoted) {
  LogQueryControls c;
  c.user = "O'Neil";
  EXPECT_EQ(CreateLogSql(c),
            " select name, date1, time1, file1, word, log_group, help_count, answer from log  "
            "where ANSWER IS NOT NULL  and name = 'O''Neil'");
}

TEST(LogQuery, DayBeforeCrossesMonthsYearsAndLeapDays) {
  auto text = [](CalendarDay d) {
    const CalendarDay b = DayBefore(d);
    return std::to_string(b.year) + "-" + std::to_string(b.month) + "-" + std::to_string(b.day);
  };
  EXPECT_EQ(text({2004, 3, 1}), "2004-2-29");
  EXPECT_EQ(text({2003, 3, 1}), "2003-2-28");
  EXPECT_EQ(text({1900, 3, 1}), "1900-2-28");
  EXPECT_EQ(text({2000, 3, 1}), "2000-2-29");
  EXPECT_EQ(text({2005, 1, 1}), "2004-12-31");
  EXPECT_EQ(text({2005, 5, 1}), "2005-4-30");
  EXPECT_EQ(text({2005, 5, 17}), "2005-5-16");
}

TEST(WrongWordQuery, BothLimitsOfTheExample) {
  CountLimits limits;
  limits.moreThanOn = limits.lessThanOn = true;
  EXPECT_EQ(WrongWordSql(AnnWrongCounted(), limits),
            " select word, count(word) from log  where ANSWER IS NOT NULL  and name = 'ann' group "
            "by word having count(word) > 1 and count(word) < 10 order by 2 desc");
}

TEST(WrongWordQuery, EachLimitAloneOpensTheGroupCondition) {
  CountLimits limits;
  limits.lessThanOn = true;
  limits.lessThan = 4;
  EXPECT_EQ(WrongWordSql(AnnWrongCounted(), limits),
            " select word, count(word) from log  where ANSWER IS NOT NULL  and name = 'ann' group "
            "by word having count(word) < 4 order by 2 desc");
  limits = {};
  limits.moreThanOn = true;
  limits.moreThan = 2;
  EXPECT_EQ(WrongWordSql(AnnWrongCounted(), limits),
            " select word, count(word) from log  where ANSWER IS NOT NULL  and name = 'ann' group "
            "by word having count(word) > 2 order by 2 desc");
  limits.moreThanOn = false;
  EXPECT_EQ(WrongWordSql(AnnWrongCounted(), limits),
            " select word, count(word) from log  where ANSWER IS NOT NULL  and name = 'ann' group "
            "by word order by 2 desc");
}

TEST(WrongWordQuery, WithoutCountingNothingIsGrouped) {
  LogQueryControls c = AnnWrongCounted();
  c.count = false;
  CountLimits limits;
  limits.moreThanOn = limits.lessThanOn = true;
  EXPECT_EQ(WrongWordSql(c, limits),
            " select name, date1, time1, file1, word, log_group, help_count, answer from log  "
            "where ANSWER IS NOT NULL  and name = 'ann'");
}

}  // namespace
}  // namespace orv
