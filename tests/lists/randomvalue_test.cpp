// Random numbers of random calls, and the group passes that use them.
#include "lists/randomvalue.h"

#include <gtest/gtest.h>

#include <cmath>
#include <set>

#include "base/errors.h"
#include "lists/evaluatelines.h"
#include "lists/random.h"

namespace orv {
namespace {

class RandomNumbers : public ::testing::Test {
 protected:
  void SetUp() override { SeedRandom(99); }
};

TEST_F(RandomNumbers, IntegerBoundsCoverTheRangeInclusively) {
  std::set<int> seen;
  for (int i = 0; i < 400; ++i) {
    const int v = std::stoi(RandomValue("-3", "3"));
    EXPECT_GE(v, -3);
    EXPECT_LE(v, 3);
    seen.insert(v);
  }
  EXPECT_EQ(seen.size(), 7u);
  for (int i = 0; i < 50; ++i) {
    const int v = std::stoi(RandomValue("10", "5"));
    EXPECT_GE(v, 5);
    EXPECT_LE(v, 10);
  }
  EXPECT_EQ(RandomValue("6", "6"), "6");
  EXPECT_EQ(RandomValue("+6", "6"), "6");
}

TEST_F(RandomNumbers, FullThirtyTwoBitRangeStaysInRange) {
  std::set<bool> signs;
  for (int i = 0; i < 200; ++i) {
    const long long v = std::stoll(RandomValue("-2147483648", "2147483647"));
    EXPECT_GE(v, -2147483648LL);
    EXPECT_LE(v, 2147483647LL);
    signs.insert(v < 0);
  }
  EXPECT_EQ(signs.size(), 2u);
}

TEST_F(RandomNumbers, IntegerLowBoundNeedsAnIntegerHighBound) {
  EXPECT_THROW(RandomValue("1", "2.5"), EConvertError);
  EXPECT_THROW(RandomValue("1", ""), EConvertError);
  EXPECT_THROW(RandomValue("1", "2147483648"), EConvertError);
  EXPECT_THROW(RandomValue("-2147483649", "1"), EConvertError);
}

TEST_F(RandomNumbers, ExponentLowBoundGivesARealBetweenTheBounds) {
  std::set<std::string> seen;
  for (int i = 0; i < 200; ++i) {
    const std::string text = RandomValue("1e0", "5");
    const double v = std::stod(text);
    EXPECT_GE(v, 1.0);
    EXPECT_LE(v, 5.0);
    EXPECT_EQ(v, std::floor(v)) << "a span of 5 has one digit, drawn bounded";
    seen.insert(text);
  }
  EXPECT_EQ(seen, (std::set<std::string>{"1", "2", "3", "4", "5"}));
  const double low = std::stod(RandomValue("2E1", "1e1"));
  EXPECT_GE(low, 10.0);
  EXPECT_LE(low, 20.0);
}

TEST_F(RandomNumbers, OtherLowBoundsGiveNothing) {
  EXPECT_EQ(RandomValue("0.5", "3"), "");
  EXPECT_EQ(RandomValue("", "3"), "");
  EXPECT_EQ(RandomValue("1/2", "3"), "");
}

TEST_F(RandomNumbers, RealBelowDrawsDigitByDigit) {
  std::set<long double> three;
  std::set<int> tenths;
  for (int i = 0; i < 500; ++i) {
    three.insert(RealBelow(3));
    const long double v = RealBelow(2.5L);
    const int scaled = static_cast<int>(std::lround(v * 10));
    EXPECT_NEAR(static_cast<double>(v * 10), scaled, 1e-9);
    EXPECT_TRUE((scaled >= 0 && scaled <= 8) || (scaled >= 10 && scaled <= 18)) << scaled;
    tenths.insert(scaled);
  }
  EXPECT_EQ(three, (std::set<long double>{0, 1, 2}));
  EXPECT_EQ(tenths.size(), 18u) << "a free digit is 0 to 8, never 9";
  // A zero digit stays zero and keeps the next digit bounded; after the
  // first smaller digit every digit is free.
  std::set<long double> half;
  for (int i = 0; i < 200; ++i) {
    half.insert(RealBelow(0.5L));
    const long double v = RealBelow(101);
    EXPECT_EQ(v, std::floor(v));
    EXPECT_LE(v, 88) << static_cast<double>(v);
  }
  ASSERT_EQ(half.size(), 5u);
  EXPECT_EQ(*half.begin(), 0);
  EXPECT_NEAR(static_cast<double>(*half.rbegin()), 0.4, 1e-12);
}

TEST_F(RandomNumbers, ResolveRandomReplacesCallsThenGroups) {
  EXPECT_EQ(ResolveRandom("2+rand(5:5)x{1+2}"), "2+5x3");
  EXPECT_EQ(ResolveRandom("{rand(4:4)*2}"), "8");
  EXPECT_EQ(ResolveRandom("{2x3"), "6") << "an unclosed group runs to the end";
  EXPECT_EQ(ResolveRandom("no calls"), "no calls");
  EXPECT_EQ(ResolveRandom("1+RAND(2:"),
            "//error rand function marked with ^ needs \")\" 1+^RAND(2:");
}

TEST_F(RandomNumbers, ResolveGroupsKeepsTextAroundGroups) {
  EXPECT_EQ(ResolveGroups("What is {3x4}?"), "What is 12?");
  EXPECT_EQ(ResolveGroups("  {3x4}  "), "12");
  EXPECT_EQ(ResolveGroups("{1}{2}{3}"), "123");
  EXPECT_EQ(ResolveGroups("a{1+1}b{2+2}c{rand(3:3)}"), "a2b4c3");
}

TEST_F(RandomNumbers, ApplyFPointSetsThePlacesAndRemovesTheCall) {
  int places = kStartDecimalPlaces;
  EXPECT_EQ(ApplyFPoint("2+3", places), "2+3");
  EXPECT_EQ(places, 3);
  EXPECT_EQ(ApplyFPoint("1/3.0FPOINT ( 5 )", places), "1/3.0");
  EXPECT_EQ(places, 5);
  EXPECT_EQ(ApplyFPoint("FPoint(FPoint(1)2x3)7", places), "7");
  EXPECT_EQ(places, 6);
  EXPECT_EQ(ApplyFPoint("fpoint 2+FPoint(18)", places), "fpoint 2+")
      << "the first call with a \"(\" counts";
  EXPECT_EQ(places, 18);
  EXPECT_EQ(ApplyFPoint("FPoint(0)", places), "");
  EXPECT_EQ(places, 0);
  EXPECT_EQ(ApplyFPoint("FPoint(40/2)", places),
            "//error the number of decimal points should be 0 to 18");
  EXPECT_EQ(places, 0) << "unchanged by a bad count";
}

}  // namespace
}  // namespace orv
