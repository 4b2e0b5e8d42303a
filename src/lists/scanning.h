#pragma once
// Reading operands and operators from the front of a flat expression.
#include <string>

namespace orv {

// Reads one operand from the front of the text and removes it from the text:
// a signed number with optional ".digits", "e"/"E" digits and a mixed-number
// fraction after a blank, or a parenthesised operand. Empty (and the text
// untouched) when no operand can be read.
std::string ScanNumber(std::string& text);

// Reads one operator from the front of the text and removes it: a character of
// "+-*/xX()<>=^" with any letters directly after it, else a run of letters
// (possibly empty).
std::string ScanOperator(std::string& text);

}  // namespace orv
