// The counted forms of the log and wrong-word windows, and the progress
// window's wrong words, read from the log's narrow tables and word totals
// give the rows that counting the log itself gives, over rows made to trip
// them: several users and days, a NULL word, words differing only in case or
// trailing blanks, a word as long as the column, a word that two programs
// added at once, rows changed and removed; before and after the totals are
// folded, also while learners write.
#include <gtest/gtest.h>

#include <algorithm>
#include <optional>

#include "progress/progressdata.h"
#include "score_db_fixture.h"
#include "scores/logquery.h"
#include "scores/scoredatabase.h"
#include "scores/wordtotals.h"

namespace orv::test {
namespace {

using Table = std::vector<std::vector<std::string>>;

struct Result {
  std::vector<std::string> columns;
  Table rows;              // sorted
  bool countsFall = true;  // the counts come largest first
};

Result CountRows(const QSqlDatabase& db, const std::string& sql) {
  QSqlQuery query(db);
  EXPECT_TRUE(query.exec(QString::fromStdString(sql))) << sql << "\n"
                                                       << query.lastError().text().toStdString();
  Result result;
  for (int i = 0; i < query.record().count(); ++i) {
    result.columns.push_back(query.record().fieldName(i).toStdString());
  }
  std::optional<long long> last;
  while (query.next()) {
    const QVariant word = query.value(0);
    const long long count = query.value(1).toLongLong();
    if (last && count > *last) result.countsFall = false;
    last = count;
    // The engine groups texts that differ in trailing blanks only; which of
    // them names the group is its choice.
    std::string text = word.isNull() ? kNull : word.toString().toStdString();
    text.erase(text.find_last_not_of(' ') + 1);
    result.rows.push_back({text, std::to_string(count)});
  }
  std::sort(result.rows.begin(), result.rows.end());
  return result;
}

class CountQuery : public ScoreDbTest {
 protected:
  void SetUp() override {
    ScoreDbTest::SetUp();
    NewDatabase();
    database.emplace(dialogs, host);
    ASSERT_TRUE(database->ConectDB());
    const std::string longWord(4000, 'x');
    const std::string words[] = {"house", "House", "house ", "mouse", "", longWord, "tree"};
    const char* const days[] = {"28/02/2004", "29/02/2004", "01/03/2004",
                                "08/03/2004", "09/03/2004", "31/02/2004"};
    int i = 0;
    for (const char* name : {"ann", "bob", "cy"}) {
      for (const char* day : days) {
        for (const std::string& word : words) {
          std::string sql = "insert into log (name, date1, word, answer) values ('" +
                            std::string(name) + "', '" + day + "', ";
          sql += word.empty() ? "null" : "'" + word + "'";
          sql += i % 3 == 0 ? ", null)" : ", 'x')";
          database->RunAndCommit(sql);
          ++i;
        }
      }
    }
    AddWordTwiceAtOnce("tree ");
    for (const char* change : {"delete from log where word = 'mouse' and name = 'cy'",
                               "update log set answer = null where name = 'bob' and word = 'tree'",
                               "delete from log where word = 'House'",
                               "delete from log where word is null and name = 'cy'"}) {
      database->RunAndCommit(change);
    }
  }
  // Every counted form through the narrow tables against the same over the
  // log; how many gave more than a couple of rows.
  int CompareEveryForm() {
    const QSqlDatabase db = database->Database();
    const std::optional<CalendarDay> none;
    const std::pair<std::optional<CalendarDay>, std::optional<CalendarDay>> ranges[] = {
        {none, none},
        {CalendarDay{2004, 3, 1}, none},
        {CalendarDay{2004, 2, 29}, CalendarDay{2004, 3, 8}}};
    CountLimits limits[4];
    limits[1].moreThanOn = true;
    limits[1].moreThan = 2;
    limits[2].lessThanOn = true;
    limits[2].lessThan = 4;
    limits[3].moreThanOn = limits[3].lessThanOn = true;
    limits[3].moreThan = 0;
    int compared = 0;
    for (const char* user : {"", "ann"}) {
      for (int answers = 0; answers < 4; ++answers) {
        for (const auto& [from, to] : ranges) {
          for (const CountLimits& limit : limits) {
            LogQueryControls c;
            c.count = true;
            c.user = user;
            c.showWrong = answers == 0 || answers == 2;
            c.showRight = answers == 1 || answers == 2;
            c.from = from;
            c.to = to;
            LogQueryControls log = c;
            log.countTables = false;
            const std::pair<std::string, std::string> statements[] = {
                {CreateLogSql(c), CreateLogSql(log)},
                {WrongWordSql(c, limit), WrongWordSql(log, limit)}};
            for (const auto& [sql, logSql] : statements) {
              const Result narrow = CountRows(db, sql);
              const Result expected = CountRows(db, logSql);
              EXPECT_EQ(narrow.columns, expected.columns) << sql;
              EXPECT_EQ(narrow.rows, expected.rows) << sql;
              EXPECT_TRUE(narrow.countsFall) << sql;
              if (narrow.rows.size() > 2) ++compared;
            }
          }
        }
      }
    }
    return compared;
  }
  std::string TotalRows() { return OneValue(host.path, "select count(*) from log_total"); }
  // Two programs log the same new word in transactions that overlap: neither
  // sees the other's dictionary entry, neither waits, both add one.
  void AddWordTwiceAtOnce(const std::string& word) {
    {
      QSqlDatabase first = QSqlDatabase::cloneDatabase(database->Database(), "orv-test-first");
      QSqlDatabase second = QSqlDatabase::cloneDatabase(database->Database(), "orv-test-second");
      ASSERT_TRUE(first.open() && second.open());
      const QString insert = QString::fromStdString(
          "insert into log (name, date1, word, answer) values ('ann', '01/03/2004', '" + word +
          "', 'x')");
      for (QSqlDatabase* db : {&first, &second}) {
        ASSERT_TRUE(db->transaction());
        EXPECT_TRUE(QSqlQuery(*db).exec(insert));
      }
      EXPECT_TRUE(first.commit() && second.commit());
    }
    QSqlDatabase::removeDatabase("orv-test-first");
    QSqlDatabase::removeDatabase("orv-test-second");
    EXPECT_EQ(OneValue(host.path, "select count(*) from log_word where word = '" + word +
                                      "' and octet_length(word) = " + std::to_string(word.size())),
              "2");
  }

  std::optional<ScoreDatabase> database;
};

TEST_F(CountQuery, NarrowTablesCountAsTheLogDoes) {
  // The comparison is not between empty or trivial results only.
  EXPECT_GT(CompareEveryForm(), 40);
  const std::string unfolded = TotalRows();
  ASSERT_TRUE(FoldWordTotals(database->Database()));
  EXPECT_LT(std::stoi(TotalRows()), std::stoi(unfolded));
  EXPECT_GT(CompareEveryForm(), 40);
}

// A learner logs answers while one program folds and another is in the
// middle of folding: no answer waits or fails, the fold that meets the other
// gives up at once, and nothing is counted twice or lost.
TEST_F(CountQuery, FoldsAndLearnersNeverWaitOnEachOther) {
  ASSERT_TRUE(FoldWordTotals(database->Database()));
  {
    QSqlDatabase learner = QSqlDatabase::cloneDatabase(database->Database(), "orv-test-learner");
    QSqlDatabase folder = QSqlDatabase::cloneDatabase(database->Database(), "orv-test-folder");
    ASSERT_TRUE(learner.open() && folder.open());
    const QString answer = QStringLiteral(
        "insert into log (name, date1, word, answer) values ('ann', '01/03/2004', 'house', 'x')");
    ASSERT_TRUE(learner.transaction());
    EXPECT_TRUE(QSqlQuery(learner).exec(answer));
    database->RunAndCommit(
        "insert into log (name, date1, word, answer) values ('bob', '01/03/2004', 'house', 'x')");
    EXPECT_TRUE(FoldWordTotals(database->Database()));
    // The other program has removed the rows of a word it is folding.
    ASSERT_TRUE(folder.transaction());
    EXPECT_TRUE(QSqlQuery(folder).exec(QStringLiteral("delete from log_total")));
    EXPECT_TRUE(QSqlQuery(learner).exec(answer));
    database->RunAndCommit(
        "insert into log (name, date1, word, answer) values ('bob', '01/03/2004', 'house', 'x')");
    EXPECT_FALSE(FoldWordTotals(database->Database()));
    EXPECT_TRUE(folder.rollback());
    EXPECT_TRUE(learner.commit());
  }
  QSqlDatabase::removeDatabase("orv-test-learner");
  QSqlDatabase::removeDatabase("orv-test-folder");
  EXPECT_GT(CompareEveryForm(), 40);
  ASSERT_TRUE(FoldWordTotals(database->Database()));
  EXPECT_GT(CompareEveryForm(), 40);
}

TEST_F(CountQuery, ProgressWrongWordsAsTheLogGivesThem) {
  const DateRange ranges[] = {{},
                              {CalendarDay{2004, 3, 1}, std::nullopt},
                              {CalendarDay{2004, 2, 29}, CalendarDay{2004, 3, 8}}};
  for (const DateRange& range : ranges) {
    for (const char* name : {"ann", "bob"}) {
      auto texts = [&](bool countTables) {
        std::vector<std::pair<std::string, int>> words;
        for (const WordCount& w :
             ReadWrongWords(database->Database(), name, range, 5, countTables)) {
          std::string text = w.word;
          text.erase(text.find_last_not_of(' ') + 1);
          words.emplace_back(text, w.count);
        }
        return words;
      };
      const auto narrow = texts(true);
      EXPECT_EQ(narrow, texts(false)) << name;
      EXPECT_GE(narrow.size(), 3u) << name;
    }
  }
}

}  // namespace
}  // namespace orv::test
