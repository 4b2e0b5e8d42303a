// Texts the client library takes with a length of one or two bytes: one too
// long is refused by name on every path that would have cut it (the driver's
// cut length once crashed the program at a test's start).
#include "scores/firebird/parameterblock.h"

#include <gtest/gtest.h>

#include <string>

#include "score_db_fixture.h"
#include "scores/firebird/dbaccount.h"
#include "scores/scoredatabase.h"

namespace orv::test {
namespace {

TEST(ParameterBlock, ATextLongerThanItsFieldOrABlockTooLongIsRefused) {
  const struct {
    std::size_t bytes;
    bool wide;
    bool textFits;
    bool blockFits;
  } cases[] = {
      {255, false, true, true},   {256, false, false, true},  {32000, true, true, true},
      {40000, true, true, false}, {65536, true, false, true},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.bytes);
    ParameterBlock block(1);
    if (!c.textFits) {
      try {
        block.Text(2, std::string(c.bytes, 'u'), "The user name", c.wide);
        FAIL() << "taken";
      } catch (const E_DB_Error& e) {
        EXPECT_EQ(std::string(e.what()), "The user name is " + std::to_string(c.bytes) +
                                             " bytes long; the database engine takes at most " +
                                             std::to_string(c.wide ? 65535 : 255));
      }
      continue;
    }
    block.Text(2, std::string(c.bytes, 'u'), "The user name", c.wide);
    if (c.blockFits) {
      EXPECT_EQ(block.Size(), static_cast<short>(1 + 2 + (c.wide ? 1 : 0) + c.bytes));
    } else {
      EXPECT_THROW(block.Size(), E_DB_Error);
    }
  }
}

// The driver cut the account's lengths to a byte and the block's to a short.
TEST_F(ScoreDbTest, AnAccountTheDriverCannotPassOnIsRefusedBeforeConnecting) {
  for (const DbAccount& account :
       {DbAccount{std::string(40000, 'u'), kDbPassword}, DbAccount{"\xc3\x85SA", kDbPassword}}) {
    host.account = account;
    EXPECT_THROW({ ScoreDatabase database(dialogs, host); }, E_DB_Error)
        << account.user.substr(0, 8);
  }
}

}  // namespace
}  // namespace orv::test
