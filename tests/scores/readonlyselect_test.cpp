// Statements typed by hand: a single select runs and every row comes back
// with its values; anything else is refused before it runs and the database
// stays as it was.
#include "scores/firebird/readonlyselect.h"

#include <gtest/gtest.h>

#include <QDate>

#include "score_db_fixture.h"
#include "scores/scoredatabase.h"

namespace orv::test {
namespace {

class ReadOnly : public ScoreDbTest {
 protected:
  void SetUp() override {
    ScoreDbTest::SetUp();
    NewDatabase();
    Exec(host.path,
         "INSERT INTO log (name, date1, time1, file1, word, log_group, help_count, answer) "
         "VALUES ('ann', '01/03/2004', '10:00:00', 'WORDS0', 'house', 7, 2, 'hous')");
    Exec(host.path,
         "INSERT INTO log (name, date1, time1, file1, word, log_group, help_count) "
         "VALUES ('ann', '02/03/2004', '10:00:01', 'WORDS0', 'mouse', 7, 0)");
  }
  std::string Count(const std::string& table) {
    return OneValue(host.path, "select count(*) from " + table);
  }
};

TEST_F(ReadOnly, SelectGivesFieldNamesAndEveryValue) {
  ScoreDatabase su(dialogs, host);
  ASSERT_TRUE(su.ConectDB());
  const ResultTable t = ReadOnlySelect(
      su.Database(),
      "select word, help_count, answer, cast(help_count as numeric(9,2)) / 4 as quarter, "
      "dmy_date(date1) as day1 from log order by word;  ");
  ASSERT_EQ(t.fields.size(), 5u);
  EXPECT_EQ(t.fields[0], "WORD");
  EXPECT_EQ(t.fields[3], "QUARTER");
  ASSERT_EQ(t.rows.size(), 2u);
  EXPECT_EQ(t.rows[0][0].toString(), "house");
  EXPECT_EQ(t.rows[0][1].toInt(), 2);
  EXPECT_EQ(t.rows[0][2].toString(), "hous");
  EXPECT_TRUE(t.rows[1][2].isNull());
  EXPECT_EQ(t.rows[0][3].toString().toDouble(), 0.5);
  EXPECT_EQ(t.rows[1][4].toDate(), QDate(2004, 3, 2));
}

TEST_F(ReadOnly, TextBlobsComeWholeAndBinaryOnesWithoutTheirBytes) {
  ScoreDatabase su(dialogs, host);
  ASSERT_TRUE(su.ConectDB());
  const ResultTable t = ReadOnlySelect(su.Database(),
                                       "select cast('a long note' as blob sub_type text) as t, "
                                       "cast('RIFF....WAVE' as blob sub_type binary) as b, "
                                       "cast(null as blob sub_type binary) as n from rdb$database");
  ASSERT_EQ(t.rows.size(), 1u);
  EXPECT_EQ(t.rows[0][0].toString(), "a long note");
  EXPECT_EQ(t.rows[0][1].typeId(), QMetaType::QByteArray);
  EXPECT_FALSE(t.rows[0][1].isNull());
  EXPECT_TRUE(t.rows[0][1].toByteArray().isEmpty());
  EXPECT_TRUE(t.rows[0][2].isNull());
}

TEST_F(ReadOnly, EverythingButASelectIsRefusedAndChangesNothing) {
  ScoreDatabase su(dialogs, host);
  ASSERT_TRUE(su.ConectDB());
  const std::string before = Count("log");
  for (const char* statement :
       {"delete from log", "update log set word = 'x'", "insert into log (name) values ('eve')",
        "execute procedure GETNEXTLOGGROUPID", "execute block as begin delete from log; end",
        "drop table sound", "create table t (a integer)"}) {
    SCOPED_TRACE(statement);
    EXPECT_THROW(ReadOnlySelect(su.Database(), statement), E_Select_Refused);
  }
  su.CommitRetaining();
  EXPECT_EQ(Count("log"), before);
  EXPECT_EQ(OneValue(host.path, "select count(*) from rdb$relations where rdb$relation_name = 'T'"),
            "0");
  EXPECT_EQ(Count("sound"), "0");
}

TEST_F(ReadOnly, ASecondStatementAfterASelectIsRejected) {
  ScoreDatabase su(dialogs, host);
  ASSERT_TRUE(su.ConectDB());
  EXPECT_THROW(ReadOnlySelect(su.Database(), "select * from log; delete from log"), E_DB_Error);
  EXPECT_EQ(Count("log"), "2");
}

TEST_F(ReadOnly, SequencesDoNotMove) {
  ScoreDatabase su(dialogs, host);
  ASSERT_TRUE(su.ConectDB());
  const std::int32_t first = su.NextLogGroup();
  for (const char* statement : {"select gen_id(log_group_id, -100) from rdb$database",
                                "select Next /* of */ Value\n For log_group_id from rdb$database",
                                "select word, gen_id(log_group_id, 1) from log"}) {
    SCOPED_TRACE(statement);
    EXPECT_THROW(ReadOnlySelect(su.Database(), statement), E_Select_Refused);
  }
  EXPECT_THROW(ReadOnlySelect(su.Database(), "select * from GETNEXTLOGGROUPID"), E_DB_Error);
  EXPECT_EQ(su.NextLogGroup(), first + 1);
  // The words only count outside texts and comments.
  EXPECT_EQ(ReadOnlySelect(su.Database(),
                           "select 'gen_id(x, 1)' as t from rdb$database -- next value for x")
                .rows.size(),
            1u);
}

// A select can still reach a procedure that writes; the transaction stops it.
TEST_F(ReadOnly, AProcedureThatWritesCannotWriteFromASelect) {
  Exec(host.path,
       "create procedure sneak returns (n integer) as begin "
       "insert into log (name, word) values ('eve', 'x'); n = 1; suspend; end");
  ScoreDatabase su(dialogs, host);
  ASSERT_TRUE(su.ConectDB());
  try {
    ReadOnlySelect(su.Database(), "select n from sneak");
    ADD_FAILURE() << "the procedure ran";
  } catch (const E_Select_Refused&) {
    ADD_FAILURE() << "refused as no select";
  } catch (const E_DB_Error& e) {
    EXPECT_NE(std::string(e.what()).find("read-only"), std::string::npos) << e.what();
  }
  su.CommitRetaining();
  EXPECT_EQ(Count("log"), "2");
}

}  // namespace
}  // namespace orv::test
