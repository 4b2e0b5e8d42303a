// Logging answers and scores: the rows the test session leaves behind.
#include <gtest/gtest.h>

#include <QDate>
#include <QDateTime>
#include <QRegularExpression>

#include "score_db_fixture.h"
#include "scores/scoredatabase.h"

namespace orv::test {
namespace {

using Row = std::vector<std::string>;

class Logging : public ScoreDbTest {
 protected:
  void SetUp() override {
    ScoreDbTest::SetUp();
    path = NewDatabase();
  }
  std::vector<Row> LogRows() {
    return Rows(path,
                "select name, file1, word, log_group, help_count, answer from log order by "
                "log_group, word");
  }
  std::string path;
};

TEST_F(Logging, NextLogGroupHandsOutIncreasingNumbers) {
  ScoreDatabase su(dialogs, host);
  const std::int32_t first = su.NextLogGroup();
  const std::int32_t second = su.NextLogGroup();
  const std::int32_t third = su.NextLogGroup();
  EXPECT_GT(first, 0);
  EXPECT_LT(first, second);
  EXPECT_LT(second, third);
  // A second connection does not hand out a number again.
  ScoreDatabase other(dialogs, host);
  EXPECT_GT(other.NextLogGroup(), third);
}

TEST_F(Logging, LogGroupsGoOnPastSixteenBits) {
  Exec(path, "alter sequence LOG_GROUP_ID restart with 65535");
  ScoreDatabase su(dialogs, host);
  const std::int32_t group = su.NextLogGroup();
  EXPECT_EQ(group, 65536);
  su.LogWord("ann", "/x/WORDS0.ORV", "house", "hous", group, 0);
  su.LogScore("/x/WORDS0.ORV", {"ann", 0, 0, 0, 1}, group);
  EXPECT_EQ(OneValue(path, "select log_group from log"), "65536");
  EXPECT_EQ(OneValue(path, "select log_group from score"), "65536");
}

TEST_F(Logging, WrongAnswerIsStoredAndRightAnswerIsNull) {
  ScoreDatabase su(dialogs, host);
  su.LogWord("ann", "/home/orv/orv.orv/WORDS0.ORV", "house", "hous", 12, 0);
  su.LogWord("ann", "/home/orv/orv.orv/WORDS0.ORV", "garden", "garden", 12, 2);
  // Case matters: a right answer is the word exactly.
  su.LogWord("ann", "/home/orv/orv.orv/WORDS0.ORV", "Friend", "friend", 12, 1);
  EXPECT_EQ(LogRows(), (std::vector<Row>{{"ann", "WORDS0", "Friend", "12", "1", "friend"},
                                         {"ann", "WORDS0", "garden", "12", "2", kNull},
                                         {"ann", "WORDS0", "house", "12", "0", "hous"}}));
  EXPECT_EQ(OneValue(path, "select count(*) from log where ANSWER IS NULL"), "1");
  EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(Logging, QuotesInEveryTextAreStoredAsTyped) {
  host.currentDir = "o'brien.orv\\";
  ScoreDatabase su(dialogs, host);
  su.LogWord("O'Neil", "C:\\lists\\it's.orv", "don't", "dont'", 3, 0);
  su.LogScore("C:\\lists\\it's.orv", {"O'Neil", 1, 0, 0, 2}, 3);
  EXPECT_EQ(LogRows(),
            (std::vector<Row>{{"O'Neil", "o'brien.orv\\it's", "don't", "3", "0", "dont'"}}));
  EXPECT_EQ(Rows(path, "select name, file1 from score"),
            (std::vector<Row>{{"O'Neil", "o'brien.orv\\it's.SCO"}}));
}

TEST_F(Logging, EveryTextIsStoredAsTypedAndOnlyTheRightAnswerAsNull) {
  struct Case {
    std::string name, word, typed, stored;
  };
  const std::vector<Case> cases{
      {"Zoë", "naïve", "naive", "naive"},
      {"李", "猫", "猫", kNull},
      {"ann", "emu😀", "emu😀x", "emu😀x"},
      // An empty answer is a wrong one, not a right one.
      {"bob", "cat", "", ""},
      {"bob", "dog", " dog", " dog"},
  };
  ScoreDatabase su(dialogs, host);
  std::vector<Row> expected;
  for (std::size_t i = 0; i < cases.size(); ++i) {
    const Case& c = cases[i];
    su.LogWord(c.name, "/x/W.ORV", c.word, c.typed, static_cast<std::int32_t>(i + 1), 0);
    expected.push_back({c.name, "W", c.word, std::to_string(i + 1), "0", c.stored});
  }
  EXPECT_EQ(LogRows(), expected);
}

TEST_F(Logging, AnAnswerTheEngineRefusesLeavesNothingAndTheNextIsLogged) {
  Exec(path, "alter table log add constraint no_zz check (word <> 'zz')");
  ScoreDatabase su(dialogs, host);
  su.LogWord("ann", "W.ORV", "aa", "ab", 1, 0);
  EXPECT_THROW(su.LogWord("ann", "W.ORV", "zz", "zy", 1, 0), E_DB_Error);
  su.LogWord("ann", "W.ORV", "bb", "bb", 1, 0);
  EXPECT_EQ(Rows(path, "select word from log order by word"), (std::vector<Row>{{"aa"}, {"bb"}}));
  // The narrow count rows follow the log: none of the refused answer.
  EXPECT_EQ(OneValue(path, "select count(*) from log_count"), "2");
  // The connection was alive: no retry box, no new connection.
  EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(Logging, LastScoreIsTheLatestTestOfThatLearnerAndList) {
  ScoreDatabase su(dialogs, host);
  EXPECT_FALSE(su.LastScore("ann", "/x/W.ORV").has_value());
  su.LogScore("/x/W.ORV", {"ann", 3, 0, 0, 10}, 5);
  su.LogScore("/x/W.ORV", {"ann", 8, 0, 0, 9}, 7);
  su.LogScore("/x/W.ORV", {"ann", 1, 0, 0, 4}, 6);
  su.LogScore("/x/V.ORV", {"ann", 2, 0, 0, 2}, 9);
  su.LogScore("/x/W.ORV", {"bob", 5, 0, 0, 5}, 9);
  struct Case {
    std::string name, list;
    std::optional<PastScore> last;
  };
  for (const Case& c : std::vector<Case>{{"ann", "/x/W.ORV", PastScore{8, 9}},
                                         {"ann", "/y/V.ORV", PastScore{2, 2}},
                                         {"bob", "/x/W.ORV", PastScore{5, 5}},
                                         {"bob", "/x/V.ORV", std::nullopt},
                                         {"cy", "/x/W.ORV", std::nullopt}}) {
    const std::optional<PastScore> last = su.LastScore(c.name, c.list);
    ASSERT_EQ(last.has_value(), c.last.has_value()) << c.name << " " << c.list;
    if (last) {
      EXPECT_EQ(last->score, c.last->score) << c.name << " " << c.list;
      EXPECT_EQ(last->wordCount, c.last->wordCount) << c.name << " " << c.list;
    }
  }
}

TEST_F(Logging, MissedBeforeIsAWrongAnswerOfThatLearnerInAnEarlierTest) {
  ScoreDatabase su(dialogs, host);
  su.LogWord("ann", "/x/W.ORV", "cat", "kat", 4, 0);
  su.LogWord("ann", "/x/W.ORV", "dog", "dog", 4, 0);
  su.LogWord("ann", "/x/V.ORV", "emu", "emo", 6, 0);
  su.LogWord("bob", "/x/W.ORV", "fox", "fx", 2, 0);
  struct Case {
    std::string name, word;
    std::int32_t beforeGroup;
    bool missed;
  };
  for (const Case& c : std::vector<Case>{{"ann", "cat", 5, true},
                                         {"ann", "cat", 4, false},
                                         {"ann", "dog", 9, false},
                                         {"ann", "emu", 7, true},
                                         {"ann", "fox", 9, false},
                                         {"bob", "cat", 9, false},
                                         {"bob", "fox", 3, true}}) {
    EXPECT_EQ(su.MissedBefore(c.name, c.word, c.beforeGroup), c.missed)
        << c.name << " " << c.word << " " << c.beforeGroup;
  }
}

TEST_F(Logging, ListKeyIsTheCurrentFolderAndTheBaseName) {
  ScoreDatabase su(dialogs, host);
  su.LogWord("ann", "/home/orv/orv.orv/WORDS0.ORV", "a", "b", 1, 0);
  host.currentDir = "ann.orv\\maths.orv\\";
  su.LogWord("ann", "/home/orv/orv.orv/ann.orv/maths.orv/TABLES.ORV", "2x3|6", "5", 1, 0);
  auto rows = Rows(path, "select file1, word from log order by word");
  EXPECT_EQ(rows, (std::vector<Row>{{"ann.orv\\maths.orv\\TABLES", "2x3|6"}, {"WORDS0", "a"}}));
}

TEST_F(Logging, ScoreRowHoldsTheResultAndTheListKeyWithSco) {
  host.currentDir = "ann.orv\\";
  ScoreDatabase su(dialogs, host);
  su.LogScore("/home/orv/orv.orv/ann.orv/WORDS0.ORV", {"ann", 7, 3, 5, 10}, 41);
  EXPECT_EQ(Rows(path,
                 "select name, file1, max_help, help_total, word_count, score, log_group from "
                 "score"),
            (std::vector<Row>{{"ann", "ann.orv\\WORDS0.SCO", "3", "5", "10", "7", "41"}}));
  EXPECT_EQ(Rows(path, "select percent1, ratio from score_tab"),
            (std::vector<Row>{{"70", "7/10"}}));
}

TEST_F(Logging, DateAndTimeAreTodayAsDayMonthYearAndHoursMinutesSeconds) {
  ScoreDatabase su(dialogs, host);
  const QDateTime before = QDateTime::currentDateTime();
  su.LogWord("ann", "W.ORV", "a", "b", 1, 0);
  su.LogScore("W.ORV", {"ann", 0, 0, 0, 1}, 1);
  const QDateTime after = QDateTime::currentDateTime();
  for (const char* table : {"log", "score"}) {
    auto row = Rows(path, std::string("select date1, time1 from ") + table).at(0);
    const QDate date = QDate::fromString(QString::fromStdString(row[0]), "dd/MM/yyyy");
    EXPECT_TRUE(date == before.date() || date == after.date()) << row[0];
    EXPECT_TRUE(QRegularExpression("^\\d\\d:\\d\\d:\\d\\d$")
                    .match(QString::fromStdString(row[1]))
                    .hasMatch())
        << row[1];
    const QDateTime stamp(date, QTime::fromString(QString::fromStdString(row[1]), "HH:mm:ss"));
    EXPECT_GE(stamp.secsTo(after), 0) << row[1];
    EXPECT_LE(stamp.secsTo(before), 1) << row[1];
  }
}

TEST_F(Logging, EveryWriteIsCommittedAtOnceAndTheTransactionStaysOpen) {
  ScoreDatabase su(dialogs, host);
  su.LogWord("ann", "W.ORV", "a", "b", 1, 0);
  // Another connection sees the row while su is still connected.
  EXPECT_EQ(OneValue(path, "select count(*) from log"), "1");
  su.RunAndCommit("insert into log (name) values ('second')");
  EXPECT_EQ(OneValue(path, "select count(*) from log"), "2");
  EXPECT_TRUE(su.Connected());
  // Rolling back undoes only what came after the last commit.
  QSqlQuery pending(su.Database());
  ASSERT_TRUE(pending.exec("insert into log (name) values ('pending')"));
  pending.finish();
  su.Rollback();
  EXPECT_EQ(OneValue(path, "select count(*) from log"), "2");
  su.LogWord("ann", "W.ORV", "c", "d", 1, 0);
  EXPECT_EQ(OneValue(path, "select count(*) from log"), "3");
}

TEST_F(Logging, ReadsOfTheConnectionSeeWhatOthersCommittedAfterItsNextWrite) {
  ScoreDatabase su(dialogs, host);
  su.LogWord("ann", "W.ORV", "a", "b", 1, 0);
  ScoreDatabase other(dialogs, host);
  other.LogWord("bob", "W.ORV", "c", "d", 2, 0);
  su.LogWord("ann", "W.ORV", "e", "f", 1, 0);
  QSqlQuery q(su.Database());
  ASSERT_TRUE(q.exec("select count(*) from log"));
  ASSERT_TRUE(q.next());
  EXPECT_EQ(q.value(0).toInt(), 3);
}

TEST_F(Logging, AFailedInsertRaisesTheEngineErrorToTheCaller) {
  ScoreDatabase su(dialogs, host);
  ASSERT_TRUE(su.ConectDB());
  // A statement the engine refuses on a live connection.
  EXPECT_THROW(su.RunAndCommit("INSERT INTO log (nowhere) VALUES (1)"), E_DB_Error);
  // A word longer than the column holds is cut to it.
  su.LogWord("ann", "W.ORV", std::string(5000, 'x'), "y", 1, 0);
  EXPECT_EQ(OneValue(path, "select char_length(word) from log"), "4000");
}

}  // namespace
}  // namespace orv::test
