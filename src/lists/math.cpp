#include "lists/math.h"

#include <algorithm>
#include <cmath>

#include "base/errors.h"
#include "lists/numberkinds.h"
#include "numbers/radixconv.h"

namespace orv {
namespace {

// The longest text the parser accepts.
constexpr std::size_t kMaxNumberText = 65535;

constexpr std::string_view kLeadingBlanks = " \t\r\n";

TLongInt Parse(std::string_view text) {
  return StrToLong(text, 10);
}

}  // namespace

TLongInt StrToLong(std::string_view text, std::uint8_t radix) {
  if (text.size() > kMaxNumberText || radix < 2 || radix > 36) throw ERangeError();
  const std::int32_t sign = text.find('-') != std::string_view::npos ? -1 : 1;
  // Everything that is not a digit of the radix vanishes: blanks, signs, separators.
  std::string digits;
  digits.reserve(text.size());
  for (const char c : text) {
    if (RadixDigit(c) < radix) digits.push_back(c);
  }
  digits.erase(0, std::min(digits.find_first_not_of('0'), digits.size()));
  if (digits.empty()) return TLongInt{{}, sign};
  // Sized once from the digit count, as for every parsed number.
  const auto bits = static_cast<std::size_t>(
      std::ceil(std::log2(static_cast<double>(radix)) * static_cast<double>(digits.size())));
  TInt mag = DigitsToMag(digits, radix);
  mag.resize(std::max(mag.size(), (bits + 31) / 32), 0);
  return TLongInt{std::move(mag), sign};
}

std::string MagToStr(const TInt& d, std::uint8_t radix) {
  return MagToDigits(d, radix);
}

std::string LongToStr(const TLongInt& a, std::uint8_t radix) {
  std::string s = MagToStr(a.digits, radix);
  if (a.sign == -1 && s != "0") s.insert(0, 1, '-');
  return s;
}

int CompareStrInt(std::string_view text, std::int32_t n) {
  return LongCompareInt(Parse(text), n);
}

TFrac StrToFrac(std::string_view text) {
  std::string t(text);
  if (!IsFraction(t)) {
    if (IsInteger(t)) {
      // Leading blanks go first, or the appended " 0/1" would be read as part of the number.
      t.erase(0, std::min(t.find_first_not_of(kLeadingBlanks), t.size()));
      t += " 0/1";
    } else {
      t = "1/1";
    }
  }
  const std::size_t blank = t.find(' ');
  const std::size_t slash = t.find('/');
  const std::string_view whole_text =
      blank == std::string::npos ? std::string_view{} : std::string_view(t).substr(0, blank);
  const std::size_t num_start = blank == std::string::npos ? 0 : blank + 1;
  const std::string_view num_text = std::string_view(t).substr(num_start, slash - num_start);
  const std::string_view den_text = std::string_view(t).substr(slash + 1);
  TLongInt whole = Parse(whole_text);
  TLongInt num = Parse(num_text);
  TLongInt den = Parse(den_text);
  const std::int32_t sign = whole.sign * num.sign * den.sign;
  return TFrac{sign, std::move(whole.digits), std::move(num.digits), std::move(den.digits)};
}

std::string FracToStr(const TFrac& f) {
  std::string s;
  if (MagIsZero(f.denominator) || MagIsZero(f.numerator)) {
    s = MagToStr(f.whole, 10);
  } else if (MagCompare(f.denominator, TInt{1}) == 0) {
    s = MagToStr(FracToImproper(f).numerator, 10);
  } else {
    if (!MagIsZero(f.whole)) s = MagToStr(f.whole, 10) + " ";
    s += MagToStr(f.numerator, 10) + "/" + MagToStr(f.denominator, 10);
  }
  if (f.sign == -1 && s != "0") s.insert(0, 1, '-');
  return s;
}

}  // namespace orv
