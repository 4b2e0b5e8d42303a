#pragma once
// Character tests and skips shared by the readers of expressions and lines.
#include <cstddef>
#include <string_view>

namespace orv {

inline bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

// The position of the first character from i on that is not a digit.
inline std::size_t SkipDigits(std::string_view text, std::size_t i) {
  while (i < text.size() && IsDigit(text[i])) ++i;
  return i;
}

// The position of the first character from i on that is not a space.
inline std::size_t SkipSpaces(std::string_view text, std::size_t i) {
  while (i < text.size() && text[i] == ' ') ++i;
  return i;
}

}  // namespace orv
