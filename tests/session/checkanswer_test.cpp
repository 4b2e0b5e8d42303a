// Answer checking and the texts and times the session computes.
#include "session/checkanswer.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "session/session.h"

namespace orv {
namespace {

bool Right(const char* line, const char* typed) {
  return JudgeTyped(Question::FromLine(line), typed) == Verdict::Right;
}

TEST(JudgeTyped, SpellingWordsCompareExactly) {
  EXPECT_TRUE(Right("house", "house"));
  EXPECT_FALSE(Right("house", "House"));
  // Blanks at the ends are no part of an answer.
  EXPECT_TRUE(Right("house", "house "));
  // A number spelt as a word has no separate prompt: text only.
  EXPECT_FALSE(Right("3.5", "3.50"));
  EXPECT_FALSE(Right("3.5|3.5", "3.50"));
}

TEST(JudgeTyped, RealAnswersCompareByValue) {
  EXPECT_TRUE(Right("7/2|3.5", "3.50"));
  EXPECT_TRUE(Right("7/2|3.5", "3.5"));
  EXPECT_FALSE(Right("7/2|3.5", "3,5"));
  EXPECT_TRUE(Right("1/4|2.5e-1", "0.25"));
  EXPECT_TRUE(Right("1/4|0.25", ".25"));
  EXPECT_TRUE(Right("0-1/2|-0.5", "-0.50"));
  EXPECT_FALSE(Right("7/2|3.5", "3.6"));
}

TEST(JudgeTyped, IntegerAndOtherAnswersCompareAsText) {
  EXPECT_FALSE(Right("2+3|5", "5.0"));
  EXPECT_TRUE(Right("2+3|5", "5"));
  EXPECT_FALSE(Right("1/2+1/4|3/4", "0.75"));
  EXPECT_TRUE(Right("capital of France|Paris", "Paris"));
  EXPECT_FALSE(Right("capital of France|Paris", "paris"));
}

TEST(SessionTexts, ProgressLineMayGoNegative) {
  EXPECT_EQ(ProgressText(10, 3, 1), "Hi score 7 : 9 go''s left out of 10 words");
  EXPECT_EQ(ProgressText(10, 12, 3), "Hi score -2 : 7 go''s left out of 10 words");
  EXPECT_EQ(ProgressText(0, 0, 0), "Hi score 0 : 0 go''s left out of 0 words");
}

TEST(JudgeTyped, AnyTypedAnswerIsJudged) {
  const std::string digits(10000, '9');
  for (const std::string& typed : {std::string("1e5000"), std::string("1e-99999"), std::string("-"),
                                   std::string("."), digits}) {
    EXPECT_FALSE(Right("1/3.0|0.333", typed.c_str())) << typed.substr(0, 20);
    EXPECT_FALSE(Right("x|1e5000", (typed + "0").c_str())) << typed.substr(0, 20);
  }
  EXPECT_TRUE(Right("x|1e5000", "1e5000"));
}

TEST(SessionTexts, WordShowTimeGrowsWithTheLearnersFlashAndStopsWhereTheMessageCanStayUp) {
  const struct {
    std::size_t length;
    std::int32_t percent;
    std::uint32_t ms;
  } cases[] = {
      {5, 100, 875},
      {0, 100, 500},
      {5, 250, 2187},
      {5, 400, 3500},
      // With the 1500 ms after it, the longest a timed message stays up.
      {867, 100, 0xFFFF - 1500},
      {868, 100, 0xFFFF - 1500},
      {100000, 100, 0xFFFF - 1500},
      {217, 400, 0xFFFF - 1500},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(WordShowTime(std::string(c.length, 'a'), c.percent), c.ms)
        << c.length << " at " << c.percent;
  }
}

TEST(RoundingPlaces, TheCompiledPlacesOrThoseWrittenForRealAnswersOnly) {
  const AnswerPlaces compiled = {{"1/3.0|0.33", 2}, {"10/4.0|2.5", 4}};
  const std::vector<std::pair<const char*, const char*>> cases = {
      {"1/3.0|0.33", "2"}, {"10/4.0|2.5", "4"}, {"pi|3.14159", "5"}, {"big|1.5E20", "1"},
      {"7/2|3 1/2", ""},   {"3+4|7", ""},       {"x|1e5", "0"}};
  for (const auto& [line, places] : cases) {
    EXPECT_EQ(RoundingPlaces(Question::FromLine(line), compiled), places) << line;
  }
}

}  // namespace
}  // namespace orv
