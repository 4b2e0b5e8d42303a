// Reals and their texts: reading a number text as a real, and the two ways
// results are written (the answer form and the general form).
#include <locale.h>
#include <algorithm>
#include <cerrno>
#include <charconv>
#include <clocale>
#include <cmath>
#include <cstdlib>
#include <memory>
#include <string>
#include <type_traits>

#include "base/errors.h"
#include "base/strings.h"
#include "base/translate.h"
#include "lists/evaluator.h"
#include "lists/numberkinds.h"

namespace orv {

namespace {

// Number texts always use "."; the program's locale must not change that.
locale_t CLocale() {
  static const std::unique_ptr<std::remove_pointer_t<locale_t>, decltype(&freelocale)> c(
      newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(nullptr)), &freelocale);
  return c.get();
}

// The first `significant` decimal digits of x >= 0, correctly rounded; the
// value is 0.digits x 10^intDigits.
struct DecimalDigits {
  std::string digits;
  int intDigits = 0;
};

DecimalDigits DigitsOf(long double x, int significant) {
  char buf[64];
  auto end =
      std::to_chars(buf, buf + sizeof buf, x, std::chars_format::scientific, significant - 1).ptr;
  std::string text(buf, end);
  std::size_t e = text.find('e');
  DecimalDigits d;
  d.digits = text.substr(0, 1) + (e > 2 ? text.substr(2, e - 2) : std::string());
  d.intDigits = std::stoi(text.substr(e + 1)) + 1;
  return d;
}

bool AllZeros(std::string_view digits) {
  return digits.find_first_not_of('0') == std::string_view::npos;
}

// Rounds half away from zero so that the digits keep `keep` digits.
void RoundTo(DecimalDigits& d, int keep) {
  if (keep >= static_cast<int>(d.digits.size())) return;
  bool up = keep >= 0 && d.digits[keep] >= '5';
  d.digits.resize(std::max(keep, 0));
  if (!up) return;
  int i = keep - 1;
  while (i >= 0 && d.digits[i] == '9') d.digits[i--] = '0';
  if (i < 0) {
    d.digits.insert(0, "1");
    ++d.intDigits;
  } else {
    ++d.digits[i];
  }
}

char DigitAt(const DecimalDigits& d, int pos) {
  return pos >= 0 && pos < static_cast<int>(d.digits.size()) ? d.digits[pos] : '0';
}

std::string TrimTrailingZeros(std::string text) {
  while (!text.empty() && text.back() == '0') text.pop_back();
  return text;
}

// "d.ddd" followed by "E" and the exponent, without a "+" so the text reads
// back as one operand.
std::string ExponentForm(const DecimalDigits& d, bool keepSeparator) {
  std::string fraction = TrimTrailingZeros(d.digits.substr(1));
  std::string mantissa = d.digits.substr(0, 1);
  if (!fraction.empty() || keepSeparator) mantissa += kDecimalSeparator + fraction;
  return mantissa + "E" + std::to_string(d.intDigits - 1);
}

}  // namespace

long double ToReal(std::string_view text) {
  std::string kept = KeepChars(text, "0123456789.eE-");
  if (!IsReal(kept)) return 0;
  errno = 0;
  long double value = strtold_l(kept.c_str(), nullptr, CLocale());
  if (errno == ERANGE && std::isinf(value)) {
    throw EOverflow(
        Filled(TrText("Expressions", "Floating point overflow: %1 is too large a number"), kept));
  }
  return value;
}

std::string FormatReal(long double x, int places) {
  constexpr int kSignificant = 18;
  if (!std::isfinite(x)) throw EOverflow();
  places = std::clamp(places, 0, 18);
  DecimalDigits d = DigitsOf(std::fabs(x), kSignificant);
  std::string sign = x < 0 ? "-" : "";
  if (d.intDigits > kSignificant) return sign + ExponentForm(d, true);
  RoundTo(d, d.intDigits + places);
  std::string whole;
  for (int pos = 0; pos < d.intDigits; ++pos) whole += DigitAt(d, pos);
  if (whole.empty()) whole = "0";
  std::string fraction;
  for (int k = 0; k < places; ++k) fraction += DigitAt(d, d.intDigits + k);
  // A value that rounds to zero is written without a sign.
  if (AllZeros(whole) && AllZeros(fraction)) sign.clear();
  if (places == 0) return sign + whole;
  std::string text = sign + whole + kDecimalSeparator + fraction;
  while (text.back() == '0') text.pop_back();
  return text;
}

std::string GeneralReal(long double x) {
  constexpr int kSignificant = 15;
  if (!std::isfinite(x)) throw EOverflow();
  if (x == 0) return "0";
  DecimalDigits d = DigitsOf(std::fabs(x), kSignificant);
  d.digits = TrimTrailingZeros(d.digits);
  std::string sign = x < 0 ? "-" : "";
  if (d.intDigits > kSignificant || d.intDigits < -3) return sign + ExponentForm(d, false);
  if (d.intDigits <= 0) {
    return sign + "0" + kDecimalSeparator + std::string(-d.intDigits, '0') + d.digits;
  }
  std::string whole;
  for (int pos = 0; pos < d.intDigits; ++pos) whole += DigitAt(d, pos);
  std::string fraction =
      static_cast<int>(d.digits.size()) > d.intDigits ? d.digits.substr(d.intDigits) : "";
  return sign + whole + (fraction.empty() ? "" : kDecimalSeparator + fraction);
}

}  // namespace orv
