#pragma once
// The common case of the evaluator in machine words: a flat expression of
// whole numbers joined by "+", "-", "x", "X", "*" and "/", as nearly every
// generated question is. Reading each operand into a long integer and writing
// every result back as text costs far more than the sums themselves.
#include <optional>
#include <string>
#include <string_view>

namespace orv {

// What Evaluate gives for the expression when it is such a flat expression
// whose operands and intermediate results fit in 63 bits and whose divisions
// come out whole; nothing for every other expression, which the long
// arithmetic then evaluates (also an overflow, a fraction or a division by
// zero). The work budget is charged the limb steps the long arithmetic would
// have counted, once the value is known, so a list runs out of work exactly
// where it would have.
std::optional<std::string> EvaluateSmallIntegers(std::string_view expression);

}  // namespace orv
