#include "judging/answervalue.h"

#include <string>

#include "base/strings.h"
#include "numbers/fractions.h"
#include "numbers/radixconv.h"

namespace orv {
namespace {

TInt Digits(std::string_view text) {
  return DigitsToMag(text, 10);
}

bool IsOne(const TInt& value) {
  return MagCompare(value, TInt{1}) == 0;
}

// "n/d" with d not zero.
std::optional<AnswerValue> Fraction(std::string_view text) {
  const std::size_t slash = text.find('/');
  const std::string_view top = text.substr(0, slash);
  const std::string_view bottom = text.substr(slash + 1);
  if (!AllDigits(top) || !AllDigits(bottom)) return std::nullopt;
  AnswerValue value{false, Digits(top), Digits(bottom), false};
  if (MagIsZero(value.denominator)) return std::nullopt;
  value.reducible = !IsOne(MagGcd(value.numerator, value.denominator));
  return value;
}

// "w", "w.f", "w,f", ".f" or ",f".
std::optional<AnswerValue> Decimal(std::string_view text) {
  const std::size_t separator = text.find_first_of(".,");
  if (separator == std::string_view::npos) {
    if (!AllDigits(text)) return std::nullopt;
    return AnswerValue{false, Digits(text), TInt{1}, false};
  }
  const std::string_view whole = text.substr(0, separator);
  const std::string_view places = text.substr(separator + 1);
  if (!AllDigits(places) || (!whole.empty() && !AllDigits(whole))) return std::nullopt;
  return AnswerValue{false, Digits(std::string(whole) + std::string(places)),
                     Digits("1" + std::string(places.size(), '0')), false};
}

}  // namespace

std::optional<AnswerValue> ValueOf(std::string_view text) {
  const bool negative = text.starts_with('-');
  if (negative) text.remove_prefix(1);
  std::optional<AnswerValue> value;
  const std::size_t blank = text.find(' ');
  if (blank != std::string_view::npos) {
    // A mixed number: the whole part, one blank, a fraction.
    const std::string_view whole = text.substr(0, blank);
    value = Fraction(text.substr(blank + 1));
    if (!AllDigits(whole) || !value) return std::nullopt;
    value->numerator = MagAdd(MagMul(Digits(whole), value->denominator), value->numerator);
  } else if (text.find('/') != std::string_view::npos) {
    value = Fraction(text);
  } else {
    value = Decimal(text);
  }
  if (value) value->negative = negative && !MagIsZero(value->numerator);
  return value;
}

bool SameValue(const AnswerValue& a, const AnswerValue& b) {
  return a.negative == b.negative &&
         MagCompare(MagMul(a.numerator, b.denominator), MagMul(b.numerator, a.denominator)) == 0;
}

}  // namespace orv
