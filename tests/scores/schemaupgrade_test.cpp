// A database made by an older schema, upgraded in place on connecting: its
// rows get their days and their narrow count rows, exactly, also while older
// programs write, and its scores their stored days and percentages, which
// the score view gives as it computed them; it ends with the objects a new database has, programs
// that know only the older schema go on writing and reading it, an upgrade that cannot finish
// leaves a working database and is finished later, and the log window's statements with the day
// column give the rows of those with cdate.
#include "scores/schemaupgrade.h"

#include <gtest/gtest.h>

#include <QSqlDriver>
#include <algorithm>
#include <chrono>
#include <fstream>
#include <iterator>
#include <thread>
#include <tuple>

#include "score_db_fixture.h"
#include "scores/firebird/fbclient.h"
#include "scores/logquery.h"
#include "scores/reviewtable.h"
#include "scores/scoredatabase.h"

namespace orv::test {
namespace {

using Table = std::vector<std::vector<std::string>>;

std::string OlderSchema(int form) {
  std::ifstream in(std::string(ORV_TEST_DATA_DIR) + "/schema-form" + std::to_string(form) + ".sql");
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// The days around a month's, a leap day's and a year's end, and a text that
// is no day.
const char* const kDays[] = {"31/12/2003", "01/01/2004", "28/02/2004", "29/02/2004",
                             "01/03/2004", "08/03/2004", "09/03/2004", "31/02/2004"};

class SchemaUpgrade : public ScoreDbTest {
 protected:
  // The database of an older form, named name, in place: "" for the
  // embedded engine, a server's address with its colon for that server.
  std::string OlderDatabase(int form = 1, const std::string& name = "older",
                            const std::string& place = "") {
    host.path = place + dir.Str() + name + std::to_string(form) + ".gdb";
    CreateDatabase(host.path, OlderSchema(form), host.account);
    int i = 0;
    for (const char* day : kDays) {
      for (const char* name : {"ann", "bob"}) {
        Exec(host.path, std::string("insert into log (name, date1, time1, file1, word, log_group, "
                                    "help_count, answer) values ('") +
                            name + "', '" + day + "', '10:00:00', 'WORDS0', 'w" +
                            std::to_string(i % 3) + "', 1, 0, " + (i % 2 ? "'x'" : "null") + ")");
        Exec(host.path, std::string("insert into score (name, date1, time1, file1, word_count, "
                                    "score, log_group) values ('") +
                            name + "', '" + day + "', '1" + std::to_string(i % 10) +
                            ":00:00', 'WORDS0.SCO', " + std::to_string(i % 4) + ", " +
                            std::to_string(i % 3) + ", " + std::to_string(i) + ")");
        ++i;
      }
    }
    Exec(host.path, "insert into log (name, word) values ('ann', 'no date')");
    Exec(host.path, "insert into score (word_count, score) values (3, 1)");
    return host.path;
  }
  // The objects of the log and its narrow tables that the schema makes, for
  // comparing two databases.
  static Table LogObjects(const std::string& path) {
    const std::string tables =
        " in ('LOG', 'LOG_WORD', 'LOG_COUNT', 'LOG_TOTAL', 'REVIEW_BOX', 'REVIEW_MOVE', "
        "'REVIEW_LEARNER', 'REVIEW_TEST_DAY', 'SCORE')";
    Table objects = Rows(
        path,
        "select 'field', trim(r.rdb$relation_name) || '.' || trim(r.rdb$field_name) || '.' || "
        "f.rdb$field_type || '.' || coalesce(f.rdb$character_length, 0) || '.' || "
        "coalesce(r.rdb$null_flag, 0) from rdb$relation_fields r join rdb$fields f on "
        "f.rdb$field_name = r.rdb$field_source where r.rdb$relation_name" +
            tables +
            " union all "
            "select 'index', trim(rdb$index_name) || '.' || coalesce(rdb$unique_flag, 0) || '.' || "
            "coalesce(rdb$expression_source, '') from rdb$indices where rdb$relation_name" +
            tables +
            " union all "
            "select 'segment', trim(s.rdb$index_name) || '.' || trim(s.rdb$field_name) "
            "|| '.' || s.rdb$field_position from rdb$index_segments s join rdb$indices "
            "i on i.rdb$index_name = s.rdb$index_name where i.rdb$relation_name" +
            tables +
            " union all "
            "select 'trigger', trim(rdb$trigger_name) || '.' || rdb$trigger_type || '.' || "
            "rdb$trigger_sequence from rdb$triggers where rdb$relation_name" +
            tables +
            " and "
            "coalesce(rdb$system_flag, 0) = 0 union all "
            "select 'procedure', trim(rdb$procedure_name) from rdb$procedures where "
            "coalesce(rdb$system_flag, 0) = 0 union all "
            "select 'sequence', trim(rdb$generator_name) from rdb$generators where "
            "coalesce(rdb$system_flag, 0) = 0 union all "
            "select 'right', trim(rdb$user) || '.' || rdb$privilege || '.' || "
            "trim(rdb$relation_name) from rdb$user_privileges where rdb$user_type in (2, 5) "
            "union all "
            "select 'version', version from schema_version");
    std::sort(objects.begin(), objects.end());
    return objects;
  }
  // The narrow rows say of each log row who, which day, which word and
  // whether wrong: the same multiset as the log's own rows.
  static void ExpectNarrowRowsMatchTheLog(const std::string& path) {
    Table narrow = Rows(path,
                        "select c.name, c.day1, w.word, c.wrong, count(*) from log_count c "
                        "left join log_word w on w.id = c.word_id group by 1, 2, 3, 4");
    Table log = Rows(path,
                     "select name, day1, word, iif(answer is null, 0, 1), count(*) from log "
                     "group by 1, 2, 3, 4");
    std::sort(narrow.begin(), narrow.end());
    std::sort(log.begin(), log.end());
    EXPECT_FALSE(log.empty());
    EXPECT_EQ(narrow, log);
    // The word totals sum to the log's rows of each word and answer kind
    // (a group of texts that differ in trailing blanks is named by either).
    Table totals = Rows(path,
                        "select trim(trailing from w.word), t.wrong, sum(t.n) from log_total t "
                        "left join log_word w "
                        "on w.id = t.word_id group by 1, 2 having sum(t.n) <> 0");
    Table perWord = Rows(path,
                         "select trim(trailing from word), iif(answer is null, 0, 1), count(*) "
                         "from log group by 1, 2");
    std::sort(totals.begin(), totals.end());
    std::sort(perWord.begin(), perWord.end());
    EXPECT_EQ(totals, perWord);
  }
  // A connection of a program that knows only the older schema, by default
  // under the program's own account.
  QSqlDatabase OlderProgram(const std::string& path, const char* user = kDbUser) {
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QIBASE"), "orv-test-older");
    db.setDatabaseName(QString::fromStdString(path));
    db.setUserName(user);
    db.setPassword(kDbPassword);
    EXPECT_TRUE(db.open()) << db.lastError().text().toStdString();
    return db;
  }
  void TearDown() override {
    QSqlDatabase::removeDatabase("orv-test-older");
    ScoreDbTest::TearDown();
  }
  static void ExpectRuns(const QSqlDatabase& db, const std::string& sql) {
    QSqlQuery query(db);
    EXPECT_TRUE(query.exec(QString::fromStdString(sql)))
        << sql << ": " << query.lastError().text().toStdString();
  }
};

// Every column of the score view, of every row in one order.
constexpr char kScoreView[] =
    "select name, percent1, ratio, date1, time1, max_help, help_total, log_group, file1, "
    "sort_date from score_tab order by log_group, name";

constexpr char kOlderInsert[] =
    "INSERT INTO log (name, date1, time1, file1, word, log_Group, help_count, answer) VALUES "
    "('cy', '05/03/2004', '09:07:03', 'WORDS0', 'house', 12, 0, 'hous')";

TEST_F(SchemaUpgrade, ConnectingUpgradesAnOlderDatabaseToTheNewSchema) {
  const std::string fresh = NewDatabase("fresh.gdb");
  EXPECT_EQ(OneValue(fresh, "select version from schema_version"),
            std::to_string(kScoreSchemaVersion));
  for (int form : {1, 2, 4, 5, 6}) {
    const std::string older = OlderDatabase(form);
    const Table scores = Rows(older, kScoreView);
    {
      ScoreDatabase su(dialogs, host);
      ASSERT_TRUE(su.ConectDB());
      EXPECT_EQ(ScoreSchemaVersion(su.Database()), kScoreSchemaVersion);
      EXPECT_TRUE(su.HasCountTables());
      // The teachers' test days are kept from the first connection on.
      SetGroupTestDay(su.Database(), {"ann"}, "WORDS0", 2'461'000);
      EXPECT_EQ(GroupTestDays(su.Database(), "ann"), (TestDays{{"WORDS0", 2'461'000}})) << form;
    }
    EXPECT_EQ(dialogs.Texts(), std::vector<std::string>{});
    // Every old row has the day its text names; texts that are no day have none.
    EXPECT_EQ(
        OneValue(older, "select count(*) from log where day1 is distinct from dmy_date(date1)"),
        "0");
    EXPECT_EQ(OneValue(older, "select count(*) from log where day1 is null"), "3");
    ExpectNarrowRowsMatchTheLog(older);
    // The score view gives from the stored columns what it computed before.
    EXPECT_EQ(Rows(older, kScoreView), scores) << form;
    EXPECT_EQ(LogObjects(older), LogObjects(fresh)) << form;
    // A second connection finds nothing left to do.
    ScoreDatabase again(dialogs, host);
    ASSERT_TRUE(again.ConectDB());
    EXPECT_EQ(dialogs.Texts(), std::vector<std::string>{});
  }
}

// A school may give its learners an account of their own with rights on the
// log and the scores only; their answers must still be logged and counted.
TEST_F(SchemaUpgrade, AnAccountWithRightsOnTheLogOnlyLogsAndCounts) {
  for (int form : {0, 1, 2}) {
    const std::string path = form == 0 ? NewDatabase("fresh.gdb") : OlderDatabase(form);
    if (form > 0) {
      ScoreDatabase su(dialogs, host);
      ASSERT_TRUE(su.ConectDB());
    }
    Exec(path, "grant select, insert, update, delete on log to learner");
    {
      const QSqlDatabase learner = OlderProgram(path, "LEARNER");
      ExpectRuns(learner, kOlderInsert);
      ExpectRuns(learner, "update log set answer = null where name = 'cy'");
      ExpectRuns(learner, "delete from log where name = 'cy'");
      ExpectRuns(learner, kOlderInsert);
    }
    QSqlDatabase::removeDatabase("orv-test-older");
    EXPECT_EQ(OneValue(path, "select count(*) from log_count where name = 'cy'"), "1") << form;
    ExpectNarrowRowsMatchTheLog(path);
  }
}

TEST_F(SchemaUpgrade, IndexStatisticsAreComputedOnceTheLogHasRows) {
  const std::string path = NewDatabase();
  const std::string stale =
      "select count(*) from rdb$indices where rdb$relation_name = 'LOG' and rdb$statistics = 0";
  EXPECT_NE(OneValue(path, stale), "0");
  {
    ScoreDatabase su(dialogs, host);
    ASSERT_TRUE(su.ConectDB());
  }
  // An empty log has nothing to measure.
  EXPECT_NE(OneValue(path, stale), "0");
  Exec(path, "insert into log (name, date1, word) values ('ann', '01/03/2004', 'w')");
  ScoreDatabase su(dialogs, host);
  ASSERT_TRUE(su.ConectDB());
  EXPECT_EQ(OneValue(path, stale), "0");
}

TEST_F(SchemaUpgrade, OlderProgramsStillWriteAndReadAnUpgradedDatabase) {
  const std::string path = OlderDatabase();
  // The older program is running while the database is upgraded.
  const QSqlDatabase older = OlderProgram(path);
  ExpectRuns(older, "select count(*) from log");
  {
    ScoreDatabase su(dialogs, host);
    ASSERT_TRUE(su.ConectDB());
  }
  // The statements of a program that knows nothing of the new columns and tables.
  ExpectRuns(older, kOlderInsert);
  ExpectRuns(older,
             "INSERT INTO score (name, date1, time1, file1, max_help,  help_total, word_count, "
             "score,log_group  ) VALUES ('cy', '05/03/2004', '09:07:03', 'WORDS0.SCO',0,0,1,0,12)");
  EXPECT_EQ(OneValue(path, "select day1 from log where name = 'cy'"), "2004-03-05");
  EXPECT_EQ(Rows(path,
                 " select * from log  where ANSWER IS NOT NULL  and name = 'cy' and "
                 "cdate(date1,'04/03/2004') = 1  and cdate(date1,'05/03/2004') <> 1 ")
                .size(),
            1u);
  EXPECT_EQ(OneValue(path, "select ratio from score_tab where name = 'cy'"), "0/1");
  // Its changes and removals are counted too: a wrong answer made right
  // under another word, a right one moved to another day and user, a row
  // without a day and one whose word ends in a blank removed.
  ExpectRuns(older, "insert into log (name, date1, word) values ('cy', '05/03/2004', 'w1 ')");
  ExpectRuns(older,
             "update log set answer = null, word = 'w9' where name = 'bob' and "
             "date1 = '01/01/2004'");
  ExpectRuns(older,
             "update log set name = 'cy', date1 = '02/02/2004' where name = 'ann' and "
             "date1 = '28/02/2004'");
  ExpectNarrowRowsMatchTheLog(path);
  ExpectRuns(older, "delete from log where word = 'no date' or octet_length(word) = 3");
  ExpectRuns(older, "delete from log where name = 'bob' and date1 = '31/12/2003'");
  ExpectNarrowRowsMatchTheLog(path);
  EXPECT_EQ(OneValue(path, "select count(*) from log_count"),
            OneValue(path, "select count(*) from log"));
}

// Rows an older program logs in a transaction that is still open when the
// upgrade begins, before and after the count tables appear, are counted once.
TEST_F(SchemaUpgrade, AnswersLoggedDuringTheUpgradeAreCountedOnce) {
  const std::string path = OlderDatabase(2);
  QSqlDatabase older = OlderProgram(path);
  ASSERT_TRUE(older.transaction());
  ExpectRuns(older, kOlderInsert);
  std::thread upgrade([&] {
    ScoreDatabase su(dialogs, host);
    EXPECT_TRUE(su.ConectDB());
    EXPECT_TRUE(su.HasCountTables());
  });
  while (OneValue(path,
                  "select count(*) from rdb$relations where rdb$relation_name = "
                  "'LOG_COUNT'") == "0") {
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
  }
  ExpectRuns(older, kOlderInsert);
  EXPECT_TRUE(older.commit());
  upgrade.join();
  EXPECT_EQ(dialogs.Texts(), std::vector<std::string>{});
  ExpectNarrowRowsMatchTheLog(path);
  EXPECT_EQ(OneValue(path, "select count(*) from log_count where name = 'cy'"), "2");
}

// An older program holds its writes open longer than the upgrade waits: the
// upgrade gives up with a message, the database goes on at the form it
// has, and the next connection finishes it.
TEST_F(SchemaUpgrade, AnUpgradeThatCannotFinishIsFinishedAtTheNextConnect) {
  const std::string path = OlderDatabase(2);
  QSqlDatabase older = OlderProgram(path);
  ASSERT_TRUE(older.transaction());
  ExpectRuns(older, kOlderInsert);
  {
    ScoreDatabase su(dialogs, host);
    ASSERT_TRUE(su.ConectDB());
    EXPECT_EQ(ScoreSchemaVersion(su.Database()), 2);
    EXPECT_TRUE(su.HasDayColumn());
    EXPECT_FALSE(su.HasCountTables());
    ASSERT_EQ(dialogs.messages.size(), 1u);
    // The log is still written and counted as before.
    su.RunAndCommit(
        "insert into log (name, date1, word, answer) values ('bob', '01/01/2004', "
        "'w1', 'x')");
    LogQueryControls c;
    c.count = true;
    c.user = "bob";
    c.countTables = su.HasCountTables();
    EXPECT_EQ(Rows(path, CreateLogSql(c)), (Table{{"w1", "4"}, {"w0", "3"}, {"w2", "2"}}));
  }
  EXPECT_TRUE(older.commit());
  dialogs.messages.clear();
  ScoreDatabase su(dialogs, host);
  ASSERT_TRUE(su.ConectDB());
  EXPECT_EQ(dialogs.Texts(), std::vector<std::string>{});
  EXPECT_TRUE(su.HasCountTables());
  EXPECT_EQ(ScoreSchemaVersion(su.Database()), kScoreSchemaVersion);
  ExpectNarrowRowsMatchTheLog(path);
}

// A fill is cut off where it reaches bob (a check on its note refuses him)
// while ann is done, a learner answers and finishes a test meanwhile, and
// the next connection finishes it: the counts and the scores' days are those
// of an upgrade run straight through, on the embedded engine and on a
// server. The counts' fill comes with form 3, the scores' days with form 7.
TEST_F(SchemaUpgrade, AnUpgradeCutOffInTheMiddleEndsAsOneRunStraightThrough) {
  struct Cut {
    int form;
    const char* note;
    const char* make;
  };
  const Cut cuts[] = {{2, "log_count_fill",
                       "create table log_count_fill (name varchar(100), day1 date, "
                       "constraint cut check (name is distinct from 'bob'))"},
                      {6, "score_day_fill",
                       "create table score_day_fill (name varchar(100), "
                       "constraint cut check (name is distinct from 'bob'))"}};
  std::vector<std::string> places{""};
  if (!TestServer().empty()) places.push_back(TestServer() + ":");
  const auto counts = [](const std::string& path) {
    return std::tuple{Rows(path,
                           "select c.name, c.day1, w.word, c.wrong, count(*) from log_count c "
                           "left join log_word w on w.id = c.word_id group by 1, 2, 3, 4"),
                      Rows(path,
                           "select w.word, t.wrong, sum(t.n) from log_total t left join log_word "
                           "w on w.id = t.word_id group by 1, 2 having sum(t.n) <> 0"),
                      Rows(path, kScoreView)};
  };
  for (const Cut& c : cuts) {
    for (const std::string& place : places) {
      const std::string where = place.empty() ? "" : "server-";
      const std::string straight = OlderDatabase(c.form, where + "straight", place);
      {
        ScoreDatabase su(dialogs, host);
        ASSERT_TRUE(su.ConectDB());
      }
      const std::string cut = OlderDatabase(c.form, where + "cut", place);
      Exec(cut, c.make);
      {
        ScoreDatabase su(dialogs, host);
        ASSERT_TRUE(su.ConectDB());
        EXPECT_EQ(ScoreSchemaVersion(su.Database()), c.form);
      }
      EXPECT_EQ(dialogs.messages.size(), 1u) << place << c.form;
      EXPECT_EQ(OneValue(cut, std::string("select name from ") + c.note), "ann");
      for (const std::string& path : {straight, cut}) {
        Exec(path, kOlderInsert);
        Exec(path,
             "insert into score (name, date1, time1, file1, word_count, score, log_group) "
             "values ('bob', '02/03/2004', '12:00:00', 'WORDS1.SCO', 7, 5, 99)");
      }
      Exec(cut, std::string("alter table ") + c.note + " drop constraint cut");
      dialogs.messages.clear();
      {
        ScoreDatabase su(dialogs, host);
        ASSERT_TRUE(su.ConectDB());
        EXPECT_EQ(ScoreSchemaVersion(su.Database()), kScoreSchemaVersion);
      }
      EXPECT_EQ(dialogs.Texts(), std::vector<std::string>{});
      EXPECT_EQ(counts(cut), counts(straight)) << place << c.form;
      EXPECT_EQ(LogObjects(cut), LogObjects(straight));
    }
  }
}

TEST_F(SchemaUpgrade, DayColumnStatementsGiveTheRowsOfTheOlderOnes) {
  OlderDatabase();
  ScoreDatabase su(dialogs, host);
  ASSERT_TRUE(su.ConectDB());
  // One connection for the many statements.
  auto rowsOf = [&](const std::string& sql) {
    QSqlQuery query(su.Database());
    EXPECT_TRUE(query.exec(QString::fromStdString(sql))) << sql;
    Table rows;
    while (query.next()) {
      std::vector<std::string> row;
      for (int i = 0; i < query.record().count(); ++i) {
        row.push_back(query.value(i).toString().toStdString());
      }
      rows.push_back(row);
    }
    std::sort(rows.begin(), rows.end());
    return rows;
  };
  const std::optional<CalendarDay> none;
  const std::optional<CalendarDay> starts[] = {none, CalendarDay{2004, 1, 1},
                                               CalendarDay{2004, 3, 1}};
  const std::optional<CalendarDay> ends[] = {none, CalendarDay{2004, 2, 29},
                                             CalendarDay{2004, 3, 8}};
  int compared = 0;
  for (bool count : {false, true}) {
    for (const char* user : {"", "ann"}) {
      for (int answers = 0; answers < 3; ++answers) {
        for (const auto& from : starts) {
          for (const auto& to : ends) {
            LogQueryControls c;
            c.count = count;
            c.user = user;
            c.showWrong = answers != 1;
            c.showRight = answers != 0;
            c.from = from;
            c.to = to;
            CountLimits limits;
            limits.moreThanOn = count;
            limits.moreThan = 0;
            LogQueryControls older = c;
            older.dayColumn = false;
            const std::pair<std::string, std::string> statements[] = {
                {CreateLogSql(c), CreateLogSql(older)},
                {WrongWordSql(c, limits), WrongWordSql(older, limits)}};
            for (const auto& [sql, olderSql] : statements) {
              const Table rows = rowsOf(sql);
              EXPECT_EQ(rows, rowsOf(olderSql)) << sql;
              if (from && !rows.empty()) ++compared;
            }
          }
        }
      }
    }
  }
  // The comparison is not between empty results only.
  EXPECT_GT(compared, 40);
}

}  // namespace
}  // namespace orv::test
