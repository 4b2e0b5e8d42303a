#include "lists/numberkinds.h"

#include <gtest/gtest.h>

namespace orv {
namespace {

TEST(NumberKinds, Integers) {
  for (const char* yes : {"0", "12", "+5", "-5", "007", " 12", "\t\r\n-3", "  +0"}) {
    EXPECT_TRUE(IsInteger(yes)) << '"' << yes << '"';
  }
  for (const char* no :
       {"", " ", "+", "-", "1-2", "--1", "+-1", "12 ", "1 2", "1.0", "1e3", "1/2", "a1", "- 1"}) {
    EXPECT_FALSE(IsInteger(no)) << '"' << no << '"';
  }
}

TEST(NumberKinds, Decimals) {
  for (const char* yes : {"12", "1.5", "-1.5", ".5", "5.", "-.5", "+0.25", " 3.0"}) {
    EXPECT_TRUE(IsDecimal(yes)) << '"' << yes << '"';
  }
  for (const char* no : {".", "1.2.3", "1..2", ".-5", "1.-5", "1,5", "1.5e3", "a.5", ""}) {
    EXPECT_FALSE(IsDecimal(no)) << '"' << no << '"';
  }
  EXPECT_TRUE(IsPointReal("1.5"));
  EXPECT_TRUE(IsPointReal("3."));
  EXPECT_FALSE(IsPointReal("15"));
  EXPECT_FALSE(IsPointReal("1.2.3"));
}

TEST(NumberKinds, ExponentReals) {
  for (const char* yes : {"1e5", "1E5", "2.5e-3", "-2.5E+3", ".5e2", "1e05"}) {
    EXPECT_TRUE(IsExponentReal(yes)) << '"' << yes << '"';
  }
  for (const char* no : {"e5", "1e", "1e5e2", "1eE5", "1e2.5", "1.2.3e4", "12", "1.5"}) {
    EXPECT_FALSE(IsExponentReal(no)) << '"' << no << '"';
  }
}

TEST(NumberKinds, RealsIncludeIntegers) {
  EXPECT_TRUE(IsReal("12"));
  EXPECT_TRUE(IsReal("1.5"));
  EXPECT_TRUE(IsReal("1e3"));
  EXPECT_FALSE(IsReal("1/2"));
  EXPECT_FALSE(IsReal("abc"));
  EXPECT_FALSE(IsNonIntegerReal("12"));
  EXPECT_TRUE(IsNonIntegerReal("1.5"));
  EXPECT_TRUE(IsNonIntegerReal("1e3"));
  EXPECT_FALSE(IsNonIntegerReal("1/2"));
}

TEST(NumberKinds, Fractions) {
  for (const char* yes : {"3/4", "2 3/4", "-1/2", "-2 3/4", "3/0", "1 -3/4", "1  3/4", " 3/4"}) {
    EXPECT_TRUE(IsFraction(yes)) << '"' << yes << '"';
  }
  for (const char* no :
       {"3", "3/", "/4", "3/4/5", "1.5/2", "a 3/4", "3 /4", "3/ 4", "1/2 3", "2 3/4 ", "3 4"}) {
    EXPECT_FALSE(IsFraction(no)) << '"' << no << '"';
  }
}

}  // namespace
}  // namespace orv
