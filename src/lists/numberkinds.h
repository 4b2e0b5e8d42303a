#pragma once
// The number-kind tests on text that the evaluator dispatches on and that the
// test session uses to compare typed answers.
#include <string_view>

namespace orv {

// The decimal separator of number texts.
constexpr char kDecimalSeparator = '.';

bool IsInteger(std::string_view text);
bool IsDecimal(std::string_view text);
bool IsPointReal(std::string_view text);
bool IsExponentReal(std::string_view text);
bool IsReal(std::string_view text);
bool IsNonIntegerReal(std::string_view text);
bool IsFraction(std::string_view text);

}  // namespace orv
