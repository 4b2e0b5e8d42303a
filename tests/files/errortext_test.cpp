#include "files/errortext.h"

#include <gtest/gtest.h>

namespace orv {
namespace {

TEST(ErrorText, ListedCodesKeepTheirTextsExactly) {
  EXPECT_EQ(ErrorText(2), "Error num 2, File not found");
  EXPECT_EQ(ErrorText(601), "Error num 601, Error making dir.");
  EXPECT_EQ(ErrorText(562),
            "Error num 562, Trying to access the environment''s Program Name of the first PSP");
  EXPECT_EQ(ErrorText(600), "Error num 600, String value of '' not acceptable.");
  EXPECT_EQ(ErrorText(1), "Error num 1, Invalid function number");
  EXPECT_EQ(ErrorText(800), "Error num 800, No database found");
}

TEST(ErrorText, UnlistedCodesAreUnknown) {
  EXPECT_EQ(ErrorText(0), "Error num 0, Unknown error");
  EXPECT_EQ(ErrorText(7), "Error num 7, Unknown error");
  EXPECT_EQ(ErrorText(155), "Error num 155, Unknown error");
  EXPECT_EQ(ErrorText(801), "Error num 801, Unknown error");
  EXPECT_EQ(ErrorText(-5), "Error num -5, Unknown error");
}

}  // namespace
}  // namespace orv
