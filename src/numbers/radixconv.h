#pragma once
// Conversion between magnitudes and digit texts, quick at any size: long
// numbers are cut in halves at powers of the radix, so the work is done by a
// few large multiplications or divisions instead of one pass per digit.
#include <cstdint>
#include <string>
#include <string_view>

#include "numbers/longintegers.h"

namespace orv {

// The value of a character as a digit: "0"-"9" are 0-9, "A"-"Z" and "a"-"z" 10-35,
// anything else 255 (unlike DigitValue, which gives other characters their code).
std::uint8_t RadixDigit(char c);

// The value of a text made only of digits below the radix (2 to 36), without
// zero limbs on top. ERangeError for another radix.
TInt DigitsToMag(std::string_view digits, std::uint8_t radix);

// The digits of d in the radix (2 to 36), upper-case letters, no leading zeros;
// "0" for zero. ERangeError for another radix.
std::string MagToDigits(const TInt& d, std::uint8_t radix);

}  // namespace orv
