#include "lists/operations.h"

#include <cmath>
#include <cstdint>

#include "base/errors.h"
#include "base/translate.h"
#include "lists/evaluator.h"
#include "lists/math.h"
#include "lists/numberkinds.h"
#include "numbers/workbudget.h"

namespace orv {

namespace {

enum class Operation { Add, Subtract, Divide, Multiply, Power };

Operation OperationOf(std::string_view op) {
  if (op == "+") return Operation::Add;
  if (op == "-") return Operation::Subtract;
  if (op == "/") return Operation::Divide;
  if (op == "^") return Operation::Power;
  return Operation::Multiply;
}

// A magnitude as top * 2^shift, its top three limbs held in a real, so that
// magnitudes far beyond the range of a real still give a usable ratio.
struct Scaled {
  long double top = 0;
  int shift = 0;
};

Scaled ScaleOf(const TInt& d) {
  std::uint32_t n = MagSigLen(d);
  std::uint32_t low = n > 3 ? n - 3 : 0;
  Scaled s;
  for (std::uint32_t i = n; i > low; --i) s.top = s.top * 4294967296.0L + d[i - 1];
  s.shift = static_cast<int>(32 * low);
  return s;
}

long double FractionToReal(std::string_view text) {
  TFrac f = StrToFrac(text);
  Scaled whole = ScaleOf(f.whole);
  Scaled num = ScaleOf(f.numerator);
  Scaled den = MagIsZero(f.denominator) ? Scaled{1, 0} : ScaleOf(f.denominator);
  long double value =
      std::ldexp(whole.top, whole.shift) + std::ldexp(num.top / den.top, num.shift - den.shift);
  if (!std::isfinite(value)) throw EOverflow();
  return f.sign < 0 ? -value : value;
}

long double RealOf(std::string_view text) {
  if (IsReal(text) || IsInteger(text)) return ToReal(text);
  if (IsFraction(text)) return FractionToReal(text);
  return 1;
}

long double RealPower(long double a, long double b) {
  long double r = std::pow(a, b);
  if (std::isnan(r)) throw EInvalidOp();
  if (std::isinf(r) && a == 0) throw EZeroDivide();
  return r;
}

std::string RealResult(Operation op, std::string_view aText, std::string_view bText, int places) {
  long double a = RealOf(aText);
  long double b = RealOf(bText);
  long double r = 0;
  switch (op) {
    case Operation::Add:
      r = a + b;
      break;
    case Operation::Subtract:
      r = a - b;
      break;
    case Operation::Multiply:
      r = a * b;
      break;
    case Operation::Divide:
      if (b == 0) throw EZeroDivide();
      r = a / b;
      break;
    case Operation::Power:
      r = RealPower(a, b);
      break;
  }
  if (!std::isfinite(r)) throw EOverflow();
  return FormatReal(r, places);
}

std::string Abbreviated(std::string_view text) {
  constexpr std::size_t kShown = 24;
  if (text.size() <= kShown) return std::string(text);
  return std::string(text.substr(0, kShown)) + "...";
}

// Refuses a power whose exponent does not fit in 32 bits or whose result has
// more than kMaxPowerDigits digits: such a power would run for minutes and
// fill the memory instead of giving an answer anyone can use.
std::uint32_t CheckedExponent(const TLongInt& a, const TLongInt& b, std::string_view aText,
                              std::string_view bText) {
  std::string power = Abbreviated(aText) + "^" + Abbreviated(bText);
  if (MagBitLen(b.digits) > 31) {
    throw EIntOverflow(
        Filled(TrText("Expressions", "Power too large: the exponent of %1 does not fit in 32 bits"),
               power));
  }
  std::uint32_t exponent = b.digits[0];
  if (MagBitLen(a.digits) > 1) {
    Scaled s = ScaleOf(a.digits);
    long double log10a = std::log10(s.top) + s.shift * std::log10(2.0L);
    long double digits = std::floor(exponent * log10a) + 1;
    if (digits > kMaxPowerDigits) {
      throw EIntOverflow(
          Filled(TrText("Expressions", "Power too large: %1 would have more than %2 digits"), power,
                 std::to_string(kMaxPowerDigits)));
    }
  }
  return exponent;
}

std::string IntegerPower(std::string_view aText, std::string_view bText) {
  TLongInt a = StrToLong(aText, 10);
  TLongInt b = StrToLong(bText, 10);
  if (MagIsZero(b.digits)) return "1";
  std::string text = LongToStr(LongPow(a, CheckedExponent(a, b, aText, bText)), 10);
  return b.sign < 0 ? "1/" + text : text;
}

bool BothIntegers(std::string_view a, std::string_view b) {
  return IsInteger(a) && IsInteger(b);
}

bool FractionPair(std::string_view a, std::string_view b) {
  return (IsFraction(a) && (IsFraction(b) || IsInteger(b))) || (IsFraction(b) && IsInteger(a));
}

bool EitherNonIntegerReal(std::string_view a, std::string_view b) {
  return IsNonIntegerReal(a) || IsNonIntegerReal(b);
}

std::string SumOrDifference(Operation op, std::string_view a, std::string_view b, int places) {
  bool add = op == Operation::Add;
  if (BothIntegers(a, b)) {
    TLongInt x = StrToLong(a, 10);
    TLongInt y = StrToLong(b, 10);
    return LongToStr(add ? LongAdd(x, y) : LongSub(x, y), 10);
  }
  if (IsReal(a) || IsReal(b)) return RealResult(op, a, b, places);
  if (FractionPair(a, b)) {
    TFrac x = StrToFrac(a);
    TFrac y = StrToFrac(b);
    return FracToStr(add ? FracAdd(x, y) : FracSub(x, y));
  }
  return add ? "" : "1";
}

// The exact arithmetic gives 0 for a division by zero; no answer is right
// for such a question, so it fails as a real division by zero does.
void CheckDivisor(std::string_view a, std::string_view b, bool isZero) {
  if (isZero) {
    throw EZeroDivide(
        Filled(TrText("Expressions", "Division by zero: %1/%2"), Abbreviated(a), Abbreviated(b)));
  }
}

std::string Quotient(std::string_view a, std::string_view b, int places) {
  if (BothIntegers(a, b)) {
    TLongInt divisor = StrToLong(b, 10);
    CheckDivisor(a, b, MagIsZero(divisor.digits));
    return FracToStr(MakeFrac(StrToLong(a, 10), divisor));
  }
  if (EitherNonIntegerReal(a, b)) return RealResult(Operation::Divide, a, b, places);
  if (FractionPair(a, b)) {
    TFrac divisor = StrToFrac(b);
    CheckDivisor(a, b,
                 MagIsZero(divisor.whole) &&
                     (MagIsZero(divisor.numerator) || MagIsZero(divisor.denominator)));
    return FracToStr(FracDiv(StrToFrac(a), divisor));
  }
  return "";
}

std::string Product(std::string_view a, std::string_view b, int places) {
  if (BothIntegers(a, b)) return LongToStr(LongMul(StrToLong(a, 10), StrToLong(b, 10)), 10);
  if (EitherNonIntegerReal(a, b)) return RealResult(Operation::Multiply, a, b, places);
  if (FractionPair(a, b)) return FracToStr(FracMul(StrToFrac(a), StrToFrac(b)));
  return "";
}

std::string Power(std::string_view a, std::string_view b, int places) {
  if (BothIntegers(a, b)) return IntegerPower(a, b);
  if (EitherNonIntegerReal(a, b)) return RealResult(Operation::Power, a, b, places);
  return "";
}

}  // namespace

int Precedence(std::string_view op) {
  if (op.empty()) return 0;
  if (op == "+" || op == "-") return 1;
  if (op == "*" || op == "/" || op == "x") return 2;
  if (op == "^") return 3;
  return 4;
}

std::string Apply(std::string_view a, std::string_view op, std::string_view b, int places) {
  // Reading and writing the operand texts is work too, besides the limbs.
  constexpr std::size_t kOperationWork = 100;
  CountWork(kOperationWork + a.size() + b.size());
  switch (OperationOf(op)) {
    case Operation::Add:
    case Operation::Subtract:
      return SumOrDifference(OperationOf(op), a, b, places);
    case Operation::Divide:
      return Quotient(a, b, places);
    case Operation::Multiply:
      return Product(a, b, places);
    case Operation::Power:
      return Power(a, b, places);
  }
  return "";
}

}  // namespace orv
