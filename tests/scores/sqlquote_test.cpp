#include "scores/firebird/sqlquote.h"

#include <gtest/gtest.h>

namespace orv {
namespace {

TEST(SqlQuote, DoublesEveryQuoteInsideTheLiteral) {
  std::string statement = "where name = ";
  SqlQuote(statement, "O'Neil");
  EXPECT_EQ(statement, "where name = 'O''Neil'");
  EXPECT_EQ(SqlLiteral("''"), "''''''");
  EXPECT_EQ(SqlLiteral(""), "''");
  EXPECT_EQ(SqlLiteral("it's 'x'"), "'it''s ''x'''");
}

TEST(SqlQuote, ListSeparatesValuesWithCommaAndBlank) {
  std::string list;
  SqlQuoteList(list, "ann");
  EXPECT_EQ(list, "'ann'");
  SqlQuoteList(list, "O'Neil");
  SqlQuoteList(list, "");
  EXPECT_EQ(list, "'ann', 'O''Neil', ''");
}

}  // namespace
}  // namespace orv
