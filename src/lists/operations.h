#pragma once
// One arithmetic operation on two operand texts. The kinds of the operands
// (integer, fraction, real) choose exact long-integer, exact fraction or
// extended-precision real arithmetic; the result is text again.
#include <string>
#include <string_view>

namespace orv {

// "+" "-": 1; "*" "/" "x": 2; "^": 3; empty: 0; any other operator: 4.
int Precedence(std::string_view op);

// "-" subtracts, "+" adds, "/" divides, "^" raises to a power and every other
// operator multiplies. A real result is rounded to places decimals.
std::string Apply(std::string_view a, std::string_view op, std::string_view b, int places);

// Results of an integer power beyond this many decimal digits are refused.
constexpr long kMaxPowerDigits = 200000;

}  // namespace orv
