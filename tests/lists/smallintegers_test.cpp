// The machine-word evaluation against the long arithmetic it stands in for:
// the same text, the same failure and the same work charged.
#include "lists/smallintegers.h"

#include <gtest/gtest.h>

#include <random>
#include <string>

#include "base/errors.h"
#include "lists/evaluator.h"
#include "numbers/workbudget.h"

namespace orv {
namespace {

struct Outcome {
  std::string text;  // the value, or the failure's message
  std::uint64_t workLeft = 0;
  bool operator==(const Outcome&) const = default;
};

Outcome Run(std::string (*evaluate)(std::string_view, int), std::string_view expression,
            std::uint64_t budget) {
  WorkBudget work(budget);
  Outcome outcome;
  try {
    outcome.text = evaluate(expression, kStartDecimalPlaces);
  } catch (const E_Orv_Error& e) {
    outcome.text = std::string("failed: ") + e.what();
  }
  outcome.workLeft = work::meter.left;
  return outcome;
}

void ExpectSameAsLong(std::string_view expression, std::uint64_t budget = 1'000'000) {
  EXPECT_EQ(Run(Evaluate, expression, budget), Run(EvaluateLong, expression, budget))
      << expression << " with a budget of " << budget;
}

TEST(SmallIntegers, GiveWhatTheLongArithmeticGives) {
  for (const char* expression : {"255x257",
                                 "1-2-3",
                                 "2+3x4-5/5",
                                 "8/2X2",
                                 "2X3/6",
                                 "5--3",
                                 "5+-3",
                                 "2++3",
                                 "+3",
                                 "007",
                                 "-0",
                                 "-0x5",
                                 "3x-0",
                                 "0/-5",
                                 "-8/2",
                                 "8/-2",
                                 "7/2",
                                 "10/0",
                                 "3+",
                                 "",
                                 "1e3",
                                 "2^10",
                                 "9223372036854775807",
                                 "9223372036854775807+0",
                                 "9223372036854775807+1",
                                 "-9223372036854775807-1",
                                 "-9223372036854775808x1",
                                 "9223372036854775808",
                                 "3037000499x3037000499",
                                 "3037000500x3037000500",
                                 "4294967295x4294967297",
                                 "12884901885/4294967295",
                                 "8589934592/4294967296",
                                 "-12884901885/-4294967295",
                                 "18446744073709551616/2",
                                 "1x2x3x4x5x6x7x8x9x10x11x12x13x14x15x16x17x18x19x20",
                                 "1+2x3X4x5+6",
                                 "000000000000000000000000000042x2"}) {
    ExpectSameAsLong(expression);
  }
}

TEST(SmallIntegers, RunOutOfWorkWhereTheLongArithmeticDoes) {
  for (const char* expression : {"12x34-5", "6/3+9223372036854775806", "0x7"}) {
    for (std::uint64_t budget = 0; budget < 400; ++budget) ExpectSameAsLong(expression, budget);
  }
}

TEST(SmallIntegers, RandomExpressionsNearTheLimitsAgree) {
  std::mt19937 rng(2024);
  const std::string ops = "+-*xX/";
  for (int n = 0; n < 3000; ++n) {
    std::string expression;
    const int operands = 1 + static_cast<int>(rng() % 5);
    for (int k = 0; k < operands; ++k) {
      if (k > 0) expression += ops[rng() % ops.size()];
      if (rng() % 4 == 0) expression += "-+"[rng() % 2];
      // Mostly small numbers, some of them at the edge of 32 and 64 bits.
      const int digits = rng() % 3 == 0 ? 1 + static_cast<int>(rng() % 20) : 1 + rng() % 3;
      for (int d = 0; d < digits; ++d) expression += static_cast<char>('0' + rng() % 10);
    }
    ExpectSameAsLong(expression);
  }
}

}  // namespace
}  // namespace orv
