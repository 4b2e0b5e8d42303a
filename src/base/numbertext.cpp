// Numbers written as text and read out of text.
#include "base/numbertext.h"

#include <algorithm>
#include <charconv>
#include <limits>

#include "base/errors.h"
#include "base/strings.h"

namespace orv {

std::string IntText(std::int32_t value) {
  return std::to_string(value);
}

std::optional<std::int32_t> DecimalValue(std::string_view text) {
  std::int32_t value = 0;
  const char* end = text.data() + text.size();
  // from_chars takes a leading "-" but no "+", as wanted here.
  const auto [ptr, ec] = std::from_chars(text.data(), end, value, 10);
  if (ec != std::errc() || ptr != end) return std::nullopt;
  return value;
}

std::int32_t NumOf(std::string_view text) {
  return DecimalValue(KeepChars(text, "0123456789-")).value_or(0);
}

int DigitValue(char c) {
  const auto code = static_cast<unsigned char>(c);
  if (code >= '0' && code <= '9') return code - '0';
  if (code >= 'A' && code <= 'Z') return code - 'A' + 10;
  if (code >= 'a' && code <= 'z') return code - 'a' + 10;
  return code;
}

std::uint32_t HexValue(std::string_view chars, TextPos count) {
  if (count > chars.size()) throw ERangeError();
  std::uint64_t value = 0;
  for (std::size_t i = 0; i < count; ++i) {
    unsigned code = static_cast<unsigned char>(chars[i]);
    if (code > '9') code += 9;
    value = value * 16 + (code & 15);
    if (value > std::numeric_limits<std::uint32_t>::max()) throw EIntOverflow();
  }
  return static_cast<std::uint32_t>(value);
}

std::uint32_t HexAt(std::string_view text, int start) {
  const int len = TextLength(text);
  if (start >= len) throw ERangeError();
  if (start >= 0) {
    return HexValue(text.substr(static_cast<std::size_t>(start)),
                    static_cast<TextPos>(std::min(8, len - start)));
  }
  // Before the text there is nothing to read: only the part of the eight
  // characters that falls inside it counts.
  const int count = std::min(8 + start, len);
  return count <= 0 ? 0 : HexValue(text, static_cast<TextPos>(count));
}

}  // namespace orv
