#include "lists/randomvalue.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>
#include <utility>

#include "base/errors.h"
#include "base/numbertext.h"
#include "base/strings.h"
#include "lists/evaluator.h"
#include "lists/numberkinds.h"
#include "lists/random.h"

namespace orv {
namespace {

// A whole text as a signed 32-bit integer (leading blanks and a sign allowed).
std::int32_t ToInt32(std::string_view text) {
  std::size_t i = 0;
  while (i < text.size() && text[i] == ' ') ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
  if (i == text.size()) throw EConvertError::NotInteger(std::string(text));
  std::int64_t value = 0;
  for (; i < text.size(); ++i) {
    if (text[i] < '0' || text[i] > '9') throw EConvertError::NotInteger(std::string(text));
    value = value * 10 + (text[i] - '0');
    if (value > std::int64_t{std::numeric_limits<std::int32_t>::max()} + 1) {
      throw EConvertError::NotInteger(std::string(text));
    }
  }
  if (negative) value = -value;
  if (value > std::numeric_limits<std::int32_t>::max()) {
    throw EConvertError::NotInteger(std::string(text));
  }
  return static_cast<std::int32_t>(value);
}

// A uniform draw from 0 to span - 1 for spans up to 2^32 (the full 32-bit
// range of a call from the smallest to the largest integer).
std::uint64_t DrawBelow(std::uint64_t span) {
  if (span <= std::numeric_limits<std::uint32_t>::max()) {
    return RandomBelow(static_cast<std::uint32_t>(span));
  }
  return (std::uint64_t{RandomBelow(1u << 16)} << 16) | RandomBelow(1u << 16);
}

}  // namespace

std::string RandomValue(std::string_view low, std::string_view high) {
  if (IsInteger(low)) {
    std::int32_t a = ToInt32(low);
    std::int32_t b = ToInt32(high);
    if (a > b) std::swap(a, b);
    const auto span = static_cast<std::uint64_t>(std::int64_t{b} - a + 1);
    return IntText(static_cast<std::int32_t>(a + static_cast<std::int64_t>(DrawBelow(span))));
  }
  if (IsExponentReal(low)) {
    const long double a = ToReal(low);
    const long double b = ToReal(high);
    const long double span = std::max(a, b) - std::min(a, b) + 1;
    if (std::isnan(span)) throw EInvalidOp();
    if (std::isinf(span)) throw EOverflow();
    return GeneralReal(std::min(a, b) + RealBelow(span));
  }
  return {};
}

long double RealBelow(long double x) {
  std::string text = GeneralReal(x);
  bool bounded = true;
  for (char& c : text) {
    if (c >= '0' && c <= '9') {
      const auto limit = static_cast<std::uint32_t>(c - '0');
      if (bounded) {
        const std::uint32_t digit = RandomBelow(limit);
        c = static_cast<char>('0' + digit);
        if (digit < limit) bounded = false;
      } else {
        c = static_cast<char>('0' + RandomBelow(9));
      }
    } else if (c == 'E' || c == 'e') {
      bounded = true;
    }
  }
  return ToReal(text);
}

}  // namespace orv
