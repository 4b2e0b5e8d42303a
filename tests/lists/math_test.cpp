#include "lists/math.h"

#include <gtest/gtest.h>

#include <limits>
#include <string>

#include "base/errors.h"

namespace orv {
namespace {

TLongInt L(std::string_view text) {
  return StrToLong(text, 10);
}
std::string S(const TLongInt& a) {
  return LongToStr(a, 10);
}

TEST(NumberText, CharactersOutsideTheDigitsVanish) {
  EXPECT_EQ(S(L("")), "0");
  EXPECT_TRUE(L("").digits.empty());
  EXPECT_EQ(S(L("abc")), "0");
  const TLongInt neg_zero = L("-0");
  EXPECT_EQ(neg_zero.sign, -1);
  EXPECT_TRUE(MagIsZero(neg_zero.digits));
  EXPECT_EQ(S(neg_zero), "0");
  EXPECT_EQ(S(L("12-3")), "-123");
  EXPECT_EQ(S(L("1,234")), "1234");
  EXPECT_EQ(S(L("+5")), "5");
  EXPECT_EQ(S(L(" 0042 ")), "42");
  EXPECT_EQ(S(L("3.75")), "375");
  EXPECT_EQ(L("5").sign, 1);
}

TEST(NumberText, ParsedMagnitudesAreSizedFromTheDigitCount) {
  EXPECT_EQ(L("4294967296").digits, (TInt{0, 1}));
  EXPECT_EQ(S(L("4294967296")), "4294967296");
  EXPECT_EQ(L("4294967295").digits, (TInt{0xFFFFFFFFu, 0}));
  EXPECT_EQ(L("9").digits, (TInt{9}));
  // Leading zeros do not count.
  EXPECT_EQ(L("0000000000009").digits, (TInt{9}));
  EXPECT_EQ(StrToLong("11111111111111111111111111111111", 2).digits, (TInt{0xFFFFFFFFu}));
  EXPECT_EQ(StrToLong("100000000000000000000000000000000", 2).digits, (TInt{0, 1}));
}

TEST(NumberText, RadicesHaveTheirOwnDigits) {
  EXPECT_EQ(S(StrToLong("ff", 16)), "255");
  EXPECT_EQ(S(StrToLong("FF", 16)), "255");
  EXPECT_EQ(S(StrToLong("-1A", 16)), "-26");
  EXPECT_EQ(S(StrToLong("1012", 2)), "5");  // "2" is not a binary digit
  EXPECT_EQ(S(StrToLong("789", 8)), "7");
  EXPECT_EQ(S(StrToLong("12", 3)), "5");
  EXPECT_EQ(S(L("1a2")), "12");
  EXPECT_EQ(MagToStr({255}, 16), "FF");
  EXPECT_EQ(MagToStr({0, 1}, 16), "100000000");
  EXPECT_EQ(MagToStr({5}, 2), "101");
  EXPECT_EQ(LongToStr(TLongInt{{26}, -1}, 16), "-1A");
  EXPECT_THROW(StrToLong("1", 1), ERangeError);
  EXPECT_THROW(MagToStr({1}, 40), ERangeError);
}

TEST(NumberText, PrintingDropsLeadingZerosAndTheSignOfZero) {
  EXPECT_EQ(MagToStr({}, 10), "0");
  EXPECT_EQ(MagToStr({0, 0, 0}, 10), "0");
  EXPECT_EQ(MagToStr({7, 0, 0}, 10), "7");
  EXPECT_EQ(LongToStr(TLongInt{{0, 0}, -1}, 10), "0");
  EXPECT_EQ(LongToStr(TLongInt{{1}, -1}, 10), "-1");
  EXPECT_EQ(MagToStr({0, 0, 1}, 10), "18446744073709551616");
  EXPECT_EQ(MagToStr({0xFFFFFFFFu, 0xFFFFFFFFu}, 10), "18446744073709551615");
}

TEST(NumberText, TextLengthLimit) {
  const std::string longest(65535, '7');
  EXPECT_EQ(S(L(longest)), longest);
  EXPECT_THROW(L(std::string(65536, '7')), ERangeError);
  // The limit counts every character, not only digits.
  EXPECT_THROW(L(std::string(65536, ' ')), ERangeError);
}

TEST(NumberText, CompareTextWithInteger) {
  EXPECT_EQ(CompareStrInt("19", 18), 1);
  EXPECT_EQ(CompareStrInt("007", 7), 0);
  EXPECT_EQ(CompareStrInt("-3", 2), -1);
  EXPECT_EQ(CompareStrInt("", 0), 0);
  EXPECT_EQ(CompareStrInt("99999999999999999999", 2147483647), 1);
  EXPECT_THROW(CompareStrInt("5", std::numeric_limits<std::int32_t>::min()), EIntOverflow);
  EXPECT_THROW(CompareStrInt(std::string(70000, '1'), 5), ERangeError);
}

TEST(FractionText, ParsingSplitsWholeNumeratorAndDenominator) {
  const TFrac five = StrToFrac("5");
  EXPECT_EQ(five.sign, 1);
  EXPECT_EQ(MagToStr(five.whole, 10), "5");
  EXPECT_TRUE(MagIsZero(five.numerator));
  EXPECT_EQ(MagToStr(five.denominator, 10), "1");
  EXPECT_EQ(FracToStr(five), "5");
  const TFrac f = StrToFrac("-3/4");
  EXPECT_EQ(f.sign, -1);
  EXPECT_TRUE(MagIsZero(f.whole));
  EXPECT_EQ(MagToStr(f.numerator, 10), "3");
  EXPECT_EQ(MagToStr(f.denominator, 10), "4");
  const TFrac mixed = StrToFrac("2 6/8");
  EXPECT_EQ(MagToStr(mixed.whole, 10), "2");
  EXPECT_EQ(MagToStr(mixed.numerator, 10), "6");
  EXPECT_EQ(FracToStr(mixed), "2 6/8");  // parsing neither reduces nor mixes
  EXPECT_EQ(FracToStr(StrToFrac("7/2")), "7/2");
  // Each part's sign counts: two minus signs cancel.
  EXPECT_EQ(StrToFrac("-1 -1/2").sign, 1);
  EXPECT_EQ(StrToFrac("-2 1/2").sign, -1);
  EXPECT_EQ(StrToFrac("-5").sign, -1);
  EXPECT_EQ(FracToStr(StrToFrac("-5")), "-5");
}

TEST(FractionText, TextsThatAreNotFractionsBecomeOne) {
  EXPECT_EQ(FracToStr(StrToFrac("2.5")), "1");
  EXPECT_EQ(FracToStr(StrToFrac("abc")), "1");
  EXPECT_EQ(FracToStr(StrToFrac("")), "1");
  EXPECT_EQ(FracToStr(StrToFrac("3/0")), "0");
  EXPECT_TRUE(MagIsZero(StrToFrac("3/0").denominator));
}

TEST(FractionText, LeadingBlanksDoNotChangeTheValue) {
  EXPECT_EQ(FracToStr(StrToFrac(" 5")), "5");
  EXPECT_EQ(FracToStr(StrToFrac("\t-5")), "-5");
  EXPECT_EQ(FracToStr(StrToFrac(" 3/4")), "3/4");
}

TEST(FractionText, Printing) {
  EXPECT_EQ(FracToStr(TFrac{1, {1}, {1}, {2}}), "1 1/2");
  EXPECT_EQ(FracToStr(TFrac{1, {}, {3}, {4}}), "3/4");
  EXPECT_EQ(FracToStr(TFrac{-1, {2}, {5}, {6}}), "-2 5/6");
  // A denominator of 1 prints the whole value as one number.
  EXPECT_EQ(FracToStr(TFrac{-1, {2}, {3}, {1, 0}}), "-5");
  EXPECT_EQ(FracToStr(TFrac{-1, {}, {}, {1}}), "0");
  EXPECT_EQ(FracToStr(TFrac{-1, {0}, {3}, {0}}), "0");
}

}  // namespace
}  // namespace orv
