#include "scores/firebird/schema.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace orv {
namespace {

using Statements = std::vector<std::string>;

TEST(ScriptStatements, SplitsAtTheTerminatorAndDropsComments) {
  EXPECT_EQ(ScriptStatements("-- a comment; with a terminator\n"
                             "CREATE TABLE A (X INTEGER);\n"
                             "/* another; one */ CREATE INDEX I ON A (X) ;\n\n"),
            (Statements{"CREATE TABLE A (X INTEGER)", "CREATE INDEX I ON A (X)"}));
}

TEST(ScriptStatements, KeepsTerminatorsAndCommentMarksInsideQuotes) {
  EXPECT_EQ(ScriptStatements("INSERT INTO A VALUES ('a;b', 'x--y', 'O''Neil;');"
                             "SELECT \"odd;name\" FROM A;"),
            (Statements{"INSERT INTO A VALUES ('a;b', 'x--y', 'O''Neil;')",
                        "SELECT \"odd;name\" FROM A"}));
}

TEST(ScriptStatements, SetTermLetsABodyHoldSemicolons) {
  EXPECT_EQ(ScriptStatements("set term ^ ;\n"
                             "CREATE PROCEDURE P AS BEGIN X = 1; Y = 2; END^\n"
                             "SET TERM ; ^\n"
                             "COMMIT;"),
            (Statements{"CREATE PROCEDURE P AS BEGIN X = 1; Y = 2; END", "COMMIT"}));
}

TEST(ScriptStatements, TakesALastStatementWithoutTerminator) {
  EXPECT_EQ(ScriptStatements("A; B"), (Statements{"A", "B"}));
  EXPECT_TRUE(ScriptStatements("  -- only a comment\n ; ;").empty());
}

}  // namespace
}  // namespace orv
