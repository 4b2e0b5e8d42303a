#pragma once
// Conversions between the exact number types and text.
#include <cstdint>
#include <string>
#include <string_view>

#include "numbers/fractions.h"
#include "numbers/longintegers.h"

namespace orv {

// Parses a number in a radix (2..10, 16); characters outside the radix's
// digits vanish, a "-" anywhere makes it negative. ERangeError above 65535 characters.
TLongInt StrToLong(std::string_view text, std::uint8_t radix);
std::string MagToStr(const TInt& d, std::uint8_t radix);
std::string LongToStr(const TLongInt& a, std::uint8_t radix);
int CompareStrInt(std::string_view text, std::int32_t n);

TFrac StrToFrac(std::string_view text);
std::string FracToStr(const TFrac& f);

}  // namespace orv
