// A database made by the older schema, upgraded in place on connecting: its
// rows get their days, it ends with the objects a new database has, programs
// that know only the older schema go on writing and reading it, and the log
// window's statements with the day column give the rows of those with cdate.
#include "scores/schemaupgrade.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <iterator>

#include "score_db_fixture.h"
#include "scores/firebird/fbclient.h"
#include "scores/logquery.h"
#include "scores/scoredatabase.h"

namespace orv::test {
namespace {

using Table = std::vector<std::vector<std::string>>;

std::string OlderSchema() {
  std::ifstream in(std::string(ORV_TEST_DATA_DIR) + "/schema-form1.sql");
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// The days around a month's, a leap day's and a year's end, and a text that
// is no day.
const char* const kDays[] = {"31/12/2003", "01/01/2004", "28/02/2004", "29/02/2004",
                             "01/03/2004", "08/03/2004", "09/03/2004", "31/02/2004"};

class SchemaUpgrade : public ScoreDbTest {
 protected:
  std::string OlderDatabase() {
    host.path = dir.Str() + "older.gdb";
    CreateDatabase(host.path, OlderSchema());
    int i = 0;
    for (const char* day : kDays) {
      for (const char* name : {"ann", "bob"}) {
        Exec(host.path, std::string("insert into log (name, date1, time1, file1, word, log_group, "
                                    "help_count, answer) values ('") +
                            name + "', '" + day + "', '10:00:00', 'WORDS0', 'w" +
                            std::to_string(i % 3) + "', 1, 0, " + (i % 2 ? "'x'" : "null") + ")");
        ++i;
      }
    }
    Exec(host.path, "insert into log (name, word) values ('ann', 'no date')");
    return host.path;
  }
  // The objects of the log that the schema makes, for comparing two databases.
  static Table LogObjects(const std::string& path) {
    Table objects =
        Rows(path,
             "select 'field', trim(rdb$field_name) from rdb$relation_fields where "
             "rdb$relation_name = 'LOG' union all "
             "select 'index', trim(rdb$index_name) from rdb$indices where "
             "rdb$relation_name = 'LOG' union all "
             "select 'segment', trim(s.rdb$index_name) || '.' || trim(s.rdb$field_name) "
             "|| '.' || s.rdb$field_position from rdb$index_segments s join rdb$indices "
             "i on i.rdb$index_name = s.rdb$index_name where i.rdb$relation_name = "
             "'LOG' union all "
             "select 'trigger', trim(rdb$trigger_name) || '.' || rdb$trigger_type from "
             "rdb$triggers where rdb$relation_name = 'LOG' and "
             "coalesce(rdb$system_flag, 0) = 0");
    std::sort(objects.begin(), objects.end());
    return objects;
  }
};

TEST_F(SchemaUpgrade, ConnectingUpgradesAnOlderDatabaseToTheNewSchema) {
  const std::string older = OlderDatabase();
  {
    ScoreDatabase su(dialogs, host);
    ASSERT_TRUE(su.ConectDB());
    EXPECT_EQ(ScoreSchemaVersion(su.Database()), kScoreSchemaVersion);
  }
  EXPECT_EQ(dialogs.Texts(), std::vector<std::string>{});
  // Every old row has the day its text names; texts that are no day have none.
  EXPECT_EQ(OneValue(older, "select count(*) from log where day1 is distinct from dmy_date(date1)"),
            "0");
  EXPECT_EQ(OneValue(older, "select count(*) from log where day1 is null"), "3");
  const std::string fresh = NewDatabase("fresh.gdb");
  EXPECT_EQ(LogObjects(older), LogObjects(fresh));
  EXPECT_EQ(OneValue(fresh, "select version from schema_version"),
            std::to_string(kScoreSchemaVersion));
  // A second connection finds nothing left to do.
  host.path = older;
  ScoreDatabase again(dialogs, host);
  ASSERT_TRUE(again.ConectDB());
  EXPECT_EQ(dialogs.Texts(), std::vector<std::string>{});
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
  {
    ScoreDatabase su(dialogs, host);
    ASSERT_TRUE(su.ConectDB());
  }
  // The statements of a program that knows nothing of the day column.
  Exec(path,
       "INSERT INTO log (name, date1, time1, file1, word, log_Group, help_count, answer) VALUES "
       "('cy', '05/03/2004', '09:07:03', 'WORDS0', 'house', 12, 0, 'hous')");
  Exec(path,
       "INSERT INTO score (name, date1, time1, file1, max_help,  help_total, word_count, "
       "score,log_group  ) VALUES ('cy', '05/03/2004', '09:07:03', 'WORDS0.SCO',0,0,1,0,12)");
  EXPECT_EQ(OneValue(path, "select day1 from log where name = 'cy'"), "2004-03-05");
  EXPECT_EQ(Rows(path,
                 " select * from log  where ANSWER IS NOT NULL  and name = 'cy' and "
                 "cdate(date1,'04/03/2004') = 1  and cdate(date1,'05/03/2004') <> 1 ")
                .size(),
            1u);
  EXPECT_EQ(OneValue(path, "select ratio from score_tab where name = 'cy'"), "0/1");
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
