#include "base/strings.h"

#include <gtest/gtest.h>

#include "base/clock.h"
#include "base/delay.h"
#include "base/errors.h"
#include "base/numbertext.h"
#include "support/counting_clock.h"

namespace orv {
namespace {

TEST(StringsSearch, PositionsAreOneBasedAndZeroMeansNone) {
  EXPECT_EQ(FirstOf("abc", "xyz"), 0);
  EXPECT_EQ(FirstOf("abc", "cb"), 2);
}

TEST(StringsSearch, SetsAndEmptyTexts) {
  EXPECT_TRUE(AllOf("", "x"));
  EXPECT_FALSE(AllOf("xy", "x"));
  EXPECT_FALSE(InSet("", 'a'));
}

TEST(StringsSearch, MatchCloseCountsOnlyTheCloserBracketKind) {
  EXPECT_EQ(MatchClose("a(b)c)d", ')'), 6);
  EXPECT_EQ(MatchClose("(()", ')'), 0);
  EXPECT_EQ(MatchClose("", ')'), 0);
  EXPECT_EQ(MatchClose("[(]x))", ')'), 6);
  EXPECT_EQ(MatchClose("[x)", ')'), 3);
  EXPECT_EQ(MatchClose("[(])", ']'), 0);
  EXPECT_EQ(MatchClose("{a}}", '}'), 4);
  EXPECT_EQ(MatchClose("<a>>", '>'), 4);
  EXPECT_EQ(MatchClose("f(a,b),c", ','), 4);
}

TEST(StringsCut, PartsClampToTheText) {
  EXPECT_EQ(LeftPart("abc", 2), "ab");
  EXPECT_EQ(LeftPart("abc", 9), "abc");
  EXPECT_EQ(DropLeft("abc", 1), "bc");
  EXPECT_EQ(DropLeft("abc", 3), "");
}

TEST(StringsCut, CutAtDropsTheCharacterAtThePosition) {
  std::string t = "abcde";
  EXPECT_EQ(CutAt(t, 3), "ab");
  EXPECT_EQ(t, "de");
  t = "abc";
  EXPECT_EQ(CutAt(t, 0), "");
  EXPECT_EQ(t, "abc");
  EXPECT_EQ(CutAt(t, 4), "abc");
  EXPECT_EQ(t, "");
  t = "abc";
  EXPECT_EQ(CutAt(t, 3), "ab");
  EXPECT_EQ(t, "");
}

TEST(StringsCut, TokensWithAndWithoutSeparator) {
  std::string t = "a|b|c";
  EXPECT_EQ(CutToken(t, "|"), "a");
  EXPECT_EQ(t, "b|c");
  t = "abc";
  EXPECT_EQ(NextToken(t, "|"), "abc");
  EXPECT_EQ(t, "");
  t = "abc";
  EXPECT_EQ(CutToken(t, "|"), "");
  EXPECT_EQ(t, "abc");
  t = "|x";
  EXPECT_EQ(NextToken(t, "|"), "");
  EXPECT_EQ(t, "x");
}

TEST(StringsWordN, CountsWordsBetweenRunsOfSeparators) {
  const std::string text = "  alpha  beta gamma ";
  EXPECT_EQ(WordN(text, 2, " ", false), "beta");
  EXPECT_EQ(WordN(text, 3, " ", true), "gamma");
  EXPECT_EQ(WordN(text, 5, " ", false), "gamma");
  EXPECT_EQ(WordN(text, 5, " ", true), "");
  EXPECT_EQ(WordN(text, 1, " ", true), "alpha");
  EXPECT_EQ(WordN("a,b;;c", 3, ",;", true), "c");
  EXPECT_EQ(WordN("   ", 1, " ", true), "");
}

TEST(StringsTakeInteger, TakesSignAndDigitsAndLeavesTheRest) {
  std::string t = "  -42x+1";
  EXPECT_EQ(TakeInteger(t), "-42");
  EXPECT_EQ(t, "x+1");
  EXPECT_EQ(TakeInteger(t), "");
  EXPECT_EQ(t, "x+1");
  t = "+1";
  EXPECT_EQ(TakeInteger(t), "+1");
  EXPECT_EQ(t, "");
  t = "\t\r\n-";
  EXPECT_EQ(TakeInteger(t), "-");
  EXPECT_EQ(t, "");
  t = " \t ";
  EXPECT_EQ(TakeInteger(t), "");
  EXPECT_EQ(t, "");
  t = "007 8";
  EXPECT_EQ(TakeInteger(t), "007");
  EXPECT_EQ(t, " 8");
}

TEST(StringsFilter, KeepDropAndTrim) {
  EXPECT_EQ(KeepChars("a1b2-c", "0123456789-"), "12-");
  EXPECT_EQ(DropChars("a1b2-c", "0123456789-"), "abc");
  EXPECT_EQ(DeleteChar("a b c ", ' '), "abc");
  EXPECT_EQ(TrimLeftSet("    ", " "), "");
  EXPECT_EQ(TrimLeftSet(" \tab ", " \t"), "ab ");
  EXPECT_EQ(TrimRightSet(" ab \t", " \t"), " ab");
  EXPECT_EQ(TrimRightSet("   ", " "), "");
  EXPECT_EQ(TrimSet("..a.b..", "."), "a.b");
}

TEST(StringsCase, UpperMapsLettersBeyondAsciiAndKeepsOtherBytes) {
  EXPECT_EQ(Upper("abc xyz 09"), "ABC XYZ 09");
  EXPECT_EQ(Upper("\xC3\xA0\xC3\xA9\xC3\xB1"), "\xC3\x80\xC3\x89\xC3\x91");  // àéñ
  EXPECT_EQ(Upper("\xC3\xBF"), "\xC5\xB8");                                  // ÿ -> Ÿ
  EXPECT_EQ(Upper("\xD0\xB6\xD1\x83\xD0\xBA"), "\xD0\x96\xD0\xA3\xD0\x9A");  // жук
  EXPECT_EQ(Upper("a\xE9z"), "A\xE9Z");  // a lone Latin-1 byte is not UTF-8
  EXPECT_EQ(Upper("a\xC3"), "A\xC3");    // a cut sequence
  EXPECT_EQ(UpperAZ("abc \xC3\xA9"), "ABC \xC3\xA9");
}

TEST(NumberText, NumOfKeepsDigitsAndMinus) {
  EXPECT_EQ(NumOf("12a3"), 123);
  EXPECT_EQ(NumOf("x"), 0);
  EXPECT_EQ(NumOf("-7"), -7);
  EXPECT_EQ(NumOf("5-"), 0);
  EXPECT_EQ(NumOf("a-2147483648"), INT32_MIN);
  EXPECT_EQ(NumOf("2147483647"), INT32_MAX);
  EXPECT_EQ(NumOf("2147483648"), 0);
  EXPECT_EQ(NumOf("--1"), 0);
  EXPECT_EQ(NumOf("+5"), 5);
  EXPECT_EQ(IntText(-305), "-305");
  EXPECT_EQ(IntText(INT32_MIN), "-2147483648");
}

TEST(NumberText, DecimalValueAcceptsOnlyAWholeInteger) {
  EXPECT_EQ(DecimalValue("-0"), 0);
  EXPECT_EQ(DecimalValue("042"), 42);
  EXPECT_EQ(DecimalValue(""), std::nullopt);
  EXPECT_EQ(DecimalValue("-"), std::nullopt);
  EXPECT_EQ(DecimalValue("+5"), std::nullopt);
  EXPECT_EQ(DecimalValue("5 "), std::nullopt);
  EXPECT_EQ(DecimalValue("99999999999"), std::nullopt);
}

TEST(NumberText, DigitsOfAnyBase) {
  EXPECT_EQ(DigitValue('z'), 35);
  EXPECT_EQ(DigitValue('Z'), 35);
  EXPECT_EQ(DigitValue('0'), 0);
  EXPECT_EQ(DigitValue('%'), '%');
  EXPECT_EQ(DigitValue('\xE9'), 0xE9);
}

TEST(NumberText, HexValueReadsCountDigits) {
  EXPECT_EQ(HexValue("ff", 2), 255u);
  EXPECT_EQ(HexValue("A", 1), 10u);
  EXPECT_EQ(HexValue("a", 1), 10u);
  EXPECT_EQ(HexValue("xyz", 0), 0u);
  EXPECT_EQ(HexValue("12ff", 2), 0x12u);
  EXPECT_EQ(HexValue("FFFFFFFF", 8), 0xFFFFFFFFu);
  EXPECT_EQ(HexValue("8BADF00D", 8), 0x8BADF00Du);
  EXPECT_EQ(HexValue("000000001", 9), 1u);
  EXPECT_THROW(HexValue("100000000", 9), EIntOverflow);
  EXPECT_THROW(HexValue("ab", 3), ERangeError);
}

TEST(NumberText, HexAtReadsAtMostEightCharacters) {
  EXPECT_EQ(HexAt("123456789A", 2), 0x3456789Au);
  EXPECT_EQ(HexAt("123456789A", 0), 0x12345678u);
  EXPECT_EQ(HexAt("123456789A", 8), 0x9Au);
  EXPECT_EQ(HexAt("123456789A", -3), 0x12345u);
  EXPECT_EQ(HexAt("12", -3), 0x12u);
  EXPECT_EQ(HexAt("123456789A", -8), 0u);
  EXPECT_EQ(HexAt("123456789A", -9), 0u);
  EXPECT_THROW(HexAt("123456789A", 10), ERangeError);
  EXPECT_THROW(HexAt("", 0), ERangeError);
}

TEST(StringsLimits, MeasuringMembersRefuseTextsOver65535Bytes) {
  std::string text(65535, 'a');
  text.back() = 'b';
  EXPECT_EQ(TextLength(text), 65535);
  EXPECT_EQ(FirstOf(text, "b"), 65535);
  text += 'c';
  EXPECT_THROW(TextLength(text), ERangeError);
  EXPECT_THROW(FirstOf(text, "c"), ERangeError);
  EXPECT_THROW(LeftPart(text, 1), ERangeError);
  EXPECT_THROW(WordN(text, 1, " ", false), ERangeError);
  std::string copy = text;
  EXPECT_THROW(CutToken(copy, "b"), ERangeError);
  EXPECT_EQ(copy, text);
  // Filters have no positions to give and take a text of any length.
  EXPECT_EQ(KeepChars(text, "c"), "c");
  EXPECT_EQ(UpperAZ(text).size(), text.size());
}

// A clock that starts where the caller says, to see the tick counter wrap; a
// wait that misses the wrap would never end, so it gives up after many rounds.
class StartedClock : public Clock {
 public:
  explicit StartedClock(std::uint32_t start) : now_(start) {}
  std::uint32_t Ticks() override { return now_; }
  std::int64_t UnixSeconds() override { return 0; }
  void Sleep(std::uint32_t ms) override { now_ += ms; }
  void ProcessEvents() override {
    if (++rounds > 1000) throw std::runtime_error("the wait did not end");
  }
  int rounds = 0;

 private:
  std::uint32_t now_;
};

TEST(Delay, SleepsInStepsOf25MsWhileHandlingEvents) {
  test::CountingClock clock;
  ScopedClock scope(clock);
  Delay(0);
  EXPECT_EQ(clock.eventRounds, 1u);
  EXPECT_EQ(clock.Ticks(), 25u);
  Delay(100);
  EXPECT_EQ(clock.eventRounds, 5u);
  EXPECT_EQ(clock.Ticks(), 125u);
  Delay(101);
  EXPECT_EQ(clock.eventRounds, 10u);
  EXPECT_EQ(clock.Ticks(), 250u);
}

TEST(Delay, EndsWhenTheTickCounterWraps) {
  StartedClock clock(0xFFFFFFF0u);
  ScopedClock scope(clock);
  Delay(60);
  EXPECT_EQ(clock.rounds, 3);
  EXPECT_EQ(clock.Ticks(), 0xFFFFFFF0u + 75u);
}

}  // namespace
}  // namespace orv
