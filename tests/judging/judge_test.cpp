// The judging of a typed answer: what is always the same answer, and what
// each option of a list's policy adds, off and on.
#include "judging/judge.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace orv {
namespace {

using Option = std::optional<bool> AnswerPolicy::*;

AnswerPolicy With(std::initializer_list<Option> on) {
  AnswerPolicy policy;
  for (Option option : on) policy.*option = true;
  return policy;
}

constexpr auto kCase = &AnswerPolicy::ignoreCase;
constexpr auto kAccents = &AnswerPolicy::ignoreAccents;
constexpr auto kPunctuation = &AnswerPolicy::ignorePunctuation;
constexpr auto kAlternatives = &AnswerPolicy::alternatives;
constexpr auto kValues = &AnswerPolicy::equalValues;
constexpr auto kLowest = &AnswerPolicy::lowestTerms;

struct Case {
  std::string expected;
  std::string typed;
  AnswerPolicy policy;
  Verdict verdict;
};

std::string Name(Verdict verdict) {
  switch (verdict) {
    case Verdict::Right:
      return "right";
    case Verdict::Wrong:
      return "wrong";
    case Verdict::RightValueNotLowestTerms:
      return "not in lowest terms";
  }
  return "?";
}

void Judge(const std::vector<Case>& cases) {
  for (const Case& c : cases) {
    EXPECT_EQ(Name(JudgeAnswer(c.expected, c.typed, c.policy)), Name(c.verdict))
        << c.expected.substr(0, 40) << " typed " << c.typed.substr(0, 40) << " under ["
        << PolicyMarks(c.policy) << "]";
  }
}

constexpr Verdict R = Verdict::Right;
constexpr Verdict W = Verdict::Wrong;
constexpr Verdict L = Verdict::RightValueNotLowestTerms;

TEST(JudgeAnswer, AlwaysTheSameAnswer) {
  Judge({
      {"don't", "don\u2019t", {}, R},
      {"\u201Cyes\u201D", "\"yes\"", {}, R},
      {"well-known", "well\u2013known", {}, R},
      {"-3", "\u22123", {}, R},
      {"cat", "cat ", {}, R},
      {"cat", "  cat", {}, R},
      {"ice cream", "ice   cream", {}, R},
      {"ice cream", "icecream", {}, W},
      {"caf\u00E9", "cafe\u0301", {}, R},
      {"cafe\u0301", "caf\u00E9", {}, R},
      {"Paris", "paris", {}, W},
  });
}

TEST(JudgeAnswer, LettersOffAndOn) {
  Judge({
      {"Paris", "paris", {}, W},
      {"Paris", "paris", With({kCase}), R},
      {"caf\u00E9", "cafe", {}, W},
      {"caf\u00E9", "cafe", With({kAccents}), R},
      {"caf\u00E9", "CAFE", With({kAccents}), W},
      {"caf\u00E9", "CAFE", With({kAccents, kCase}), R},
      {"don't", "dont", {}, W},
      {"don't", "dont", With({kPunctuation}), R},
      {"Hello, world!", "Hello world", With({kPunctuation}), R},
      // The point of a number is no punctuation to leave out.
      {"3.5", "35", With({kPunctuation}), W},
  });
}

TEST(JudgeAnswer, AlternativesOffAndOn) {
  Judge({
      {"grey;gray", "gray", {}, W},
      {"grey;gray", "grey;gray", {}, R},
      {"grey;gray", "gray", With({kAlternatives}), R},
      {"grey;gray", "grey", With({kAlternatives}), R},
      {"grey;gray", "grey;gray", With({kAlternatives}), W},
      {"grey; gray", "gray", With({kAlternatives}), R},
      {"a\\;b;c", "a;b", With({kAlternatives}), R},
      {"a\\;b;c", "a", With({kAlternatives}), W},
      {"Grey;gray", "GRAY", With({kAlternatives, kCase}), R},
  });
  EXPECT_EQ(ShownAnswer("grey;gray", With({kAlternatives})), "grey");
  EXPECT_EQ(ShownAnswer("grey;gray", {}), "grey;gray");
}

TEST(JudgeAnswer, SumsOffAndOn) {
  const AnswerPolicy values = With({kValues});
  const AnswerPolicy lowest = With({kLowest});
  const AnswerPolicy both = With({kValues, kLowest});
  Judge({
      {"1/2", "2/4", {}, W},       {"1/2", "2/4", values, R},        {"1/2", "2/4", lowest, L},
      {"1/2", "2/4", both, L},     {"2/4", "2/4", both, R},          {"1/2", "1/2", both, R},
      {"1/2", "0.5", {}, W},       {"1/2", "0.5", values, R},        {"1/2", "0,5", values, R},
      {"1/2", "0.5", lowest, W},   {"1/2", "0.5", both, R},          {"1/2", "1/3", values, W},
      {"1 1/2", "3/2", {}, W},     {"1 1/2", "3/2", values, R},      {"1 1/2", "3/2", both, R},
      {"1 1/2", "1 2/4", both, L}, {"7.5", "7.50", {}, W},           {"7.5", "7.50", values, R},
      {"7.5", "7.05", values, W},  {"-1/2", "\u22120.5", values, R}, {"1/2", "-0.5", values, W},
      {"2", "4/2", both, L},       {"1/2", "1/0", values, W},        {"1/2", "half", values, W},
  });
}

// Values that a double cannot tell apart are compared exactly.
TEST(JudgeAnswer, ThousandDigitFractions) {
  const std::string top = "1" + std::string(999, '3');
  const std::string bottom = "7" + std::string(999, '1');
  const std::string expected = top + "/" + bottom;
  const std::string doubled = top + "0/" + bottom + "0";
  std::string off = top;
  off.back() = '4';
  Judge({
      {expected, doubled, {}, W},
      {expected, doubled, With({kValues}), R},
      {expected, doubled, With({kValues, kLowest}), L},
      {expected, off + "/" + bottom, With({kValues}), W},
  });
}

}  // namespace
}  // namespace orv
