#pragma once
// Numbers written as text and read out of text. Counts and positions follow
// the string utilities.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "base/strings.h"

namespace orv {

// The decimal text of a value.
std::string IntText(std::int32_t value);
// The number the text's digits and minus signs form; 0 when they form none.
std::int32_t NumOf(std::string_view text);
// The value of a text that is exactly a decimal 32-bit integer (an optional
// leading "-", then digits); nothing for any other text.
std::optional<std::int32_t> DecimalValue(std::string_view text);
// The value of a digit 0-9, A-Z or a-z (10-35); any other character its code.
int DigitValue(char c);
// The value of the first count hexadecimal digits; EIntOverflow beyond 32 bits.
std::uint32_t HexValue(std::string_view chars, TextPos count);
// The value of up to eight hexadecimal digits from index start (0-based, may be negative).
std::uint32_t HexAt(std::string_view text, int start);

}  // namespace orv
