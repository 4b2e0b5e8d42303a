#include "lists/evaluator.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <random>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "base/errors.h"
#include "base/strings.h"
#include "lists/mstack.h"
#include "lists/scanning.h"
#include "numbers/workbudget.h"

namespace orv {
namespace {

using Cases = std::vector<std::pair<const char*, const char*>>;

using EvaluatorTest = ::testing::Test;

// The answer as a compiled line shows it: without parentheses.
std::string Answer(std::string_view expression, int places = kStartDecimalPlaces) {
  return DropChars(Evaluate(expression, places), "()");
}

void ExpectAnswers(const Cases& cases) {
  for (const auto& [expression, answer] : cases) {
    EXPECT_EQ(Answer(expression), answer) << "expression: " << expression;
  }
}

TEST_F(EvaluatorTest, WorkedValues) {
  ExpectAnswers({{"3+4x2", "11"},     {"(3+4)x2", "14"},
                 {"2(3+4)", "14"},    {"7/2", "3 1/2"},
                 {"10/4", "2 1/2"},   {"1/2+1/3", "5/6"},
                 {"1.5+2", "3.5"},    {"10.0/4", "2.5"},
                 {"1/3.0", "0.333"},  {"2^10", "1024"},
                 {"2^0", "1"},        {"2^-2", "1/4"},
                 {"12", "12"},        {"007", "007"},
                 {"2/3.0", "0.667"},  {"1.5+1.5", "3."},
                 {"1/2+3", "3.5"},    {"1/2x3", "1 1/2"},
                 {"1/2/3", "1/6"},    {"3/4", "3/4"},
                 {"-5/2+0.5", "-2."}, {"2^100", "1267650600228229401496703205376"}});
}

TEST_F(EvaluatorTest, PrecedenceAndLeftAssociation) {
  ExpectAnswers({{"8-3-2", "3"},
                 {"2^3^2", "64"},
                 {"2X3^2", "36"},
                 {"2x3^2", "18"},
                 {"2*3^2", "18"},
                 {"5<3", "15"},
                 {"2abc3+1", "7"},
                 {"1+2*3^4+5", "168"},
                 {"12-2-3x2^2", "-2"},
                 {"99999999999999999999+1", "100000000000000000000"},
                 {"-4x5", "-20"},
                 {"3--4", "7"}});
}

TEST_F(EvaluatorTest, FractionsStayExactWherePossible) {
  ExpectAnswers({{"(1/2)x(2/3)", "2/6"},
                 {"1/2x2/3", "1/3"},
                 {"2 1/2 + 1/4", "2 3/4"},
                 {"2  1 / 2 x 2", "5"},
                 {"(2 1/2)-(3 1/4)", "-3/4"},
                 {"6/4", "1 1/2"},
                 {"10^-3", "1/1000"}});
  // A fraction result is wrapped so that it reads back as one operand.
  EXPECT_EQ(Evaluate("3/4"), "(3/4)");
  EXPECT_EQ(Evaluate("7/2"), "(3 1/2)");
  EXPECT_EQ(Evaluate("((1/2))"), "(1/2)");
  EXPECT_EQ(Evaluate("1/2+1/2"), "1");
}

TEST_F(EvaluatorTest, BlanksAndParentheses) {
  ExpectAnswers({{"1 2 + 3", "15"},
                 {"\t3 +\r\n4 ", "7"},
                 {"(1+2)(3+4)", "21"},
                 {"(3+4)2", "14"},
                 {"((2+3)x(1+1))^2", "100"},
                 {"2x(3+(4x(1+1)))", "22"},
                 {"(3+4", "7"},
                 {"2(1/2)", "1"}});
}

TEST_F(EvaluatorTest, UnreadableOperandGivesTheErrorText) {
  EXPECT_EQ(Evaluate("3+*4"), "//Error unexpected character in\"3+*4\" at:*4");
  EXPECT_EQ(Evaluate("abc"), "//Error unexpected character in\"abc\" at:abc");
}

TEST_F(EvaluatorTest, AnUnreadableGroupGivesItsOwnErrorText) {
  EXPECT_EQ(Evaluate("2x(3+*4)+1"), "//Error unexpected character in\"3+*4\" at:*4");
  // Each enclosing group would otherwise quote the error text twice.
  std::string nested = "1";
  for (int i = 0; i < 12; ++i) nested = "(*" + nested + ")";
  EXPECT_EQ(Evaluate(nested), "//Error unexpected character in\"*1\" at:*1");
}

TEST_F(EvaluatorTest, NoSingleValueGivesEmptyText) {
  ExpectAnswers({{"3+4*", ""}, {"", ""}, {"  \t ", ""}, {"1+2*3^4X", ""}, {"3+", "3"}});
}

TEST_F(EvaluatorTest, OperandsOfNoKnownKind) {
  // (2/3)^2 has no exact power, so it gives empty text; subtracting such
  // operands gives "1" and every other operation empty text.
  ExpectAnswers({{"(2/3)^2", ""},
                 {"(2/3)^2-(2/3)^2", "1"},
                 {"(2/3)^2+(2/3)^2", ""},
                 {"(2/3)^2x3", ""},
                 {"(2/3)^2/3", ""}});
}

TEST_F(EvaluatorTest, DecimalPlacesShapeRealAnswers) {
  EXPECT_EQ(Answer("1/3.0", 0), "0");
  EXPECT_EQ(FormatReal(3.5L, 0), "4");
  EXPECT_EQ(FormatReal(2.5L, 0), "3");
  EXPECT_EQ(FormatReal(-2.5L, 0), "-3");
  EXPECT_EQ(FormatReal(0.4L, 0), "0");
  EXPECT_EQ(FormatReal(0.125L, 2), "0.13");
  EXPECT_EQ(FormatReal(1.005L, 2), "1.01");
  EXPECT_EQ(FormatReal(9.999L, 2), "10.");
  EXPECT_EQ(FormatReal(-0.001L, 2), "0.");
  EXPECT_EQ(FormatReal(0.05L, 2), "0.05");
  EXPECT_EQ(FormatReal(2.0L / 3.0L, 18), "0.666666666666666667");
  EXPECT_EQ(FormatReal(123456789.123456789123L, 18), "123456789.123456789");
  EXPECT_EQ(FormatReal(1e-19L, 18), "0.");
  EXPECT_EQ(FormatReal(-1234.5L, 18), "-1234.5");
}

TEST_F(EvaluatorTest, HugeRealsUseTheExponentFormAndReadBack) {
  EXPECT_EQ(FormatReal(1e20L, 3), "1.E20");
  EXPECT_EQ(FormatReal(-2.5e30L, 3), "-2.5E30");
  EXPECT_EQ(Answer("(1e19x10.0)/1e19"), "10.");
}

TEST_F(EvaluatorTest, AnswersReadBackAsTheSameReal) {
  std::mt19937_64 random(20240611);
  std::uniform_real_distribution<double> mantissa(-1.0, 1.0);
  std::uniform_int_distribution<int> exponent(-12, 17);
  for (int i = 0; i < 2000; ++i) {
    long double x = mantissa(random) * std::pow(10.0L, exponent(random));
    std::string text = FormatReal(x, 18);
    long double back = ToReal(text);
    // 18 decimals after the point, or 18 significant digits, whichever is coarser.
    long double tolerance = std::max(std::fabs(x) * 1e-17L, 6e-19L);
    ASSERT_LE(std::fabs(back - x), tolerance) << text;
  }
}

TEST_F(EvaluatorTest, ToRealKeepsOnlyNumberCharacters) {
  EXPECT_EQ(ToReal("12.5 kg"), 12.5L);
  EXPECT_EQ(ToReal("2.5e2"), 250.0L);
  EXPECT_EQ(ToReal("-0.5"), -0.5L);
  EXPECT_EQ(ToReal("+7"), 7.0L);
  EXPECT_EQ(ToReal("abc"), 0.0L);
  EXPECT_EQ(ToReal("1-2"), 0.0L);
  EXPECT_EQ(ToReal("1e-99999"), 0.0L);
  EXPECT_THROW(ToReal("1e99999"), EOverflow);
}

TEST_F(EvaluatorTest, GeneralRealFormat) {
  const std::vector<std::pair<long double, const char*>> cases = {
      {1.7L, "1.7"},
      {0.5L, "0.5"},
      {12.0L, "12"},
      {-2.5L, "-2.5"},
      {0.0L, "0"},
      {1.0L / 3, "0.333333333333333"},
      {1e20L, "1E20"},
      {0.00001L, "1E-5"},
      {0.0001L, "0.0001"},
      {999999999999999.0L, "999999999999999"},
      {123456789012345678.0L, "1.23456789012346E17"}};
  for (const auto& [x, text] : cases) EXPECT_EQ(GeneralReal(x), text);
}

TEST_F(EvaluatorTest, RealFailuresAbandonTheEvaluation) {
  EXPECT_THROW(Evaluate("1/0.0"), EZeroDivide);
  EXPECT_THROW(Evaluate("0.0/0"), EZeroDivide);
  EXPECT_THROW(Evaluate("0.0^-1"), EZeroDivide);
  EXPECT_THROW(Evaluate("1e4000x1e4000"), EOverflow);
  EXPECT_THROW(Evaluate("1e5000+1"), EOverflow);
  EXPECT_THROW(Evaluate("(-8)^(1/3.0)"), EInvalidOp);
}

TEST_F(EvaluatorTest, AFifthPendingPairIsAFailure) {
  try {
    Evaluate("1+2*3^4X5");
    FAIL() << "no failure";
  } catch (const E_MStack_Error& e) {
    EXPECT_NE(std::string(e.what()).find("\"+\" \"*\" \"^\" \"X\""), std::string::npos) << e.what();
  }
}

TEST_F(EvaluatorTest, IntegerPowers) {
  ExpectAnswers({{"0^0", "1"}, {"(-2)^3", "-8"}, {"(-2)^-3", "1/-8"}, {"1^2147483647", "1"}});
  std::string big = Answer("10^199999");
  EXPECT_EQ(big.size(), 200000u);
  EXPECT_EQ(big.find_first_not_of('0', 1), std::string::npos);
  EXPECT_EQ(big[0], '1');
}

TEST_F(EvaluatorTest, DivisionByZeroFailsAsNoAnswerIsRight) {
  for (const char* expression : {"1/0", "12/(4-4)", "(1/2)/0", "3/(1/2-1/2)", "1.5/(0/5)"}) {
    EXPECT_THROW(Evaluate(expression), EZeroDivide) << expression;
  }
}

TEST_F(EvaluatorTest, ABudgetBoundsTheWorkOfTheArithmetic) {
  {
    WorkBudget budget(10000);
    EXPECT_THROW(Evaluate("3^30000+1/7^3000"), EWorkLimit);
    EXPECT_THROW(Evaluate("2+2"), EWorkLimit) << "a spent budget stays spent";
  }
  EXPECT_EQ(Evaluate("2+2"), "4");
}

TEST_F(EvaluatorTest, PowersTooLargeToComputeAreRefused) {
  for (const char* expression :
       {"10^200000", "2^1000000", "2^-1000000", "2^99999999999", "1^2147483648", "(2^20)^100000"}) {
    EXPECT_THROW(Evaluate(expression), EIntOverflow) << expression;
  }
}

TEST_F(EvaluatorTest, AssignmentsAreEvaluatedAndForgotten) {
  ExpectAnswers({{"a:=2;b:=3;4x5", "20"}, {"a:=5", ""}, {"x:=1:=2;3", "3"}});
  EXPECT_EQ(Evaluate("a:=5;a+1"), "//Error unexpected character in\"a+1\" at:a+1");
  EXPECT_THROW(Evaluate("a:=1/0.0;3"), EZeroDivide);
}

TEST(ScanNumber, ReadsOneOperandFromTheFront) {
  const std::vector<std::tuple<const char*, const char*, const char*>> cases = {
      {"2 1/2+1", "2 1/2", "+1"}, {"-3.5e2x", "-3.5e2", "x"}, {"2e+3", "2", "e+3"},
      {"((1/2))x3", "1/2", "x3"}, {"(4)+1", "4", "+1"},       {"(2  3/4)", "2 3/4", ""},
      {".5", ".5", ""},           {"7 8", "7", " 8"},         {"*4", "", "*4"}};
  for (const auto& [input, operand, rest] : cases) {
    std::string text = input;
    EXPECT_EQ(ScanNumber(text), operand) << input;
    EXPECT_EQ(text, rest) << input;
  }
}

TEST(ScanOperator, ReadsAnOperatorAndTheLettersAfterIt) {
  const std::vector<std::tuple<const char*, const char*, const char*>> cases = {
      {"xyz3", "xyz", "3"}, {"+abc1", "+abc", "1"}, {")x4", ")x", "4"},
      {"^-2", "^", "-2"},   {"3", "", "3"},         {"", "", ""}};
  for (const auto& [input, op, rest] : cases) {
    std::string text = input;
    EXPECT_EQ(ScanOperator(text), op) << input;
    EXPECT_EQ(text, rest) << input;
  }
}

TEST(MStack, HoldsFourPairs) {
  MStack stack;
  for (int i = 1; i <= MStack::kSlots; ++i) stack.Push(std::to_string(i), "+");
  EXPECT_EQ(stack.Depth(), 4);
  EXPECT_EQ(stack.At(1).operand, "1");
  EXPECT_THROW(stack.Push("5", ""), E_MStack_Error);
  stack.Drop();
  EXPECT_EQ(stack.Depth(), 3);
  EXPECT_THROW(stack.At(4), ERangeError);
}

}  // namespace
}  // namespace orv
