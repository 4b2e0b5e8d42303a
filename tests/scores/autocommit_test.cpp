// Statements committed as they run, on the program's own connection.
#include <gtest/gtest.h>

#include <optional>

#include "score_db_fixture.h"
#include "scores/firebird/autocommit.h"
#include "scores/scoredatabase.h"

namespace orv::test {
namespace {

class AutoCommit : public ScoreDbTest {
 protected:
  void SetUp() override {
    ScoreDbTest::SetUp();
    path = NewDatabase();
    su.emplace(dialogs, host);
    ASSERT_TRUE(su->ConectDB());
  }
  std::string path;
  // Made once the engine is prepared.
  std::optional<ScoreDatabase> su;
};

TEST_F(AutoCommit, ParametersGoInAndNumbersComeOutAsTheEngineHasThem) {
  struct Case {
    std::string statement;
    std::vector<SqlValue> params;
    std::optional<NumberRow> row;
  };
  const std::vector<Case> cases{
      {"SELECT CAST(NULL AS INTEGER), 7 FROM RDB$DATABASE", {}, NumberRow{std::nullopt, 7}},
      {"SELECT 1 FROM RDB$DATABASE WHERE 1 = 0", {}, std::nullopt},
      // Characters, not bytes, and a number added to.
      {"SELECT CHAR_LENGTH(CAST(? AS VARCHAR(10))), CAST(? AS INTEGER) + 1 FROM RDB$DATABASE",
       {std::string("Zoë😀"), std::int64_t{41}},
       NumberRow{4, 42}},
      {"SELECT COUNT(*) FROM RDB$DATABASE WHERE CAST(? AS INTEGER) IS NULL",
       {std::monostate{}},
       NumberRow{1}},
      {"INSERT INTO log (name, word, log_group) VALUES (?, ?, ?)",
       {std::monostate{}, std::string("it's"), std::int64_t{5}},
       std::nullopt},
  };
  AutoCommitStatements statements(su->Database());
  for (const Case& c : cases) {
    EXPECT_EQ(statements.Run(c.statement, c.params), c.row) << c.statement;
  }
  // Committed as it ran: another connection sees it while this one stays.
  EXPECT_EQ(Rows(path, "select name, word, log_group from log"),
            (std::vector<std::vector<std::string>>{{kNull, "it's", "5"}}));
}

TEST_F(AutoCommit, AFailedStatementRaisesAndTheNextOneRuns) {
  AutoCommitStatements statements(su->Database());
  const std::string insert = "INSERT INTO log (word, log_group) VALUES (?, 1 / ?)";
  EXPECT_THROW(statements.Run(insert, {std::string("a"), std::int64_t{0}}), E_DB_Error);
  EXPECT_THROW(statements.Run(insert, {std::string("b")}), E_DB_Error);
  statements.Run(insert, {std::string("c"), std::int64_t{1}});
  EXPECT_EQ(Rows(path, "select word, log_group from log"),
            (std::vector<std::vector<std::string>>{{"c", "1"}}));
}

}  // namespace
}  // namespace orv::test
