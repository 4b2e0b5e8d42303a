// Answer checking and the texts and times the session computes.
#include "session/checkanswer.h"

#include <gtest/gtest.h>

#include "app/errors.h"
#include "session/session.h"

namespace orv {
namespace {

bool Right(const char* line, const char* typed) {
  return AnswerMatches(Question::FromLine(line), typed);
}

TEST(AnswerMatches, SpellingWordsCompareExactly) {
  EXPECT_TRUE(Right("house", "house"));
  EXPECT_FALSE(Right("house", "House"));
  EXPECT_FALSE(Right("house", "house "));
  // A number spelt as a word has no separate prompt: text only.
  EXPECT_FALSE(Right("3.5", "3.50"));
  EXPECT_FALSE(Right("3.5|3.5", "3.50"));
}

TEST(AnswerMatches, RealAnswersCompareByValue) {
  EXPECT_TRUE(Right("7/2|3.5", "3.50"));
  EXPECT_TRUE(Right("7/2|3.5", "3.5"));
  EXPECT_FALSE(Right("7/2|3.5", "3,5"));
  EXPECT_TRUE(Right("1/4|2.5e-1", "0.25"));
  EXPECT_TRUE(Right("1/4|0.25", ".25"));
  EXPECT_TRUE(Right("0-1/2|-0.5", "-0.50"));
  EXPECT_FALSE(Right("7/2|3.5", "3.6"));
}

TEST(AnswerMatches, IntegerAndOtherAnswersCompareAsText) {
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

TEST(SessionTexts, WordShowTimeIsSixteenBits) {
  EXPECT_EQ(WordShowTime("house"), 875);
  EXPECT_EQ(WordShowTime(""), 500);
  EXPECT_EQ(WordShowTime(std::string(867, 'a')), 65525);
  EXPECT_THROW(WordShowTime(std::string(868, 'a')), ERangeError);
}

}  // namespace
}  // namespace orv
