#pragma once
// The arithmetic expression evaluator: works on text from start to end; each
// operation looks at the kinds of its operand texts and uses exact long-integer
// or fraction arithmetic or extended-precision reals; every result is text.
#include <string>
#include <string_view>

namespace orv {

// The decimal places of real results until a list sets others.
inline constexpr int kStartDecimalPlaces = 3;

// The value of an arithmetic expression, an error text beginning "//Error",
// or empty text when the expression leaves no single value. Real results are
// rounded to places decimals.
std::string Evaluate(std::string_view text, int places = kStartDecimalPlaces);

// Evaluate with every operation in the long arithmetic, also those that
// Evaluate does in machine words: the reference those are checked against.
std::string EvaluateLong(std::string_view text, int places = kStartDecimalPlaces);

// Whether an answer is an error text ("//Error" in any letter case).
bool IsErrorText(std::string_view text);

// Keeps "0123456789.eE-" and converts; 0 when the kept text is not a real.
long double ToReal(std::string_view text);

// The answer form of a real result with places decimals (0 to 18).
std::string FormatReal(long double x, int places);

// The general real format: at most 15 significant digits, no trailing zeros.
std::string GeneralReal(long double x);

}  // namespace orv
