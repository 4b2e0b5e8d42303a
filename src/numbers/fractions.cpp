#include "numbers/fractions.h"

#include "numbers/limbs.h"

namespace orv {
namespace {

bool IsNegative(const TFrac& f) {
  return f.sign == -1;
}

TFrac Positive(TFrac f) {
  f.sign = 1;
  return f;
}

TFracL ReduceL(TFracL f) {
  const TInt g = MagGcd(f.numerator, f.denominator);
  f.numerator = MagDiv(f.numerator, g);
  f.denominator = MagDiv(f.denominator, g);
  return f;
}

TFracL ImproperL(TFracL f) {
  f.numerator = MagAdd(MagMul(f.denominator, f.whole), f.numerator);
  f.whole.clear();
  return f;
}

TFracL MixedL(TFracL f) {
  MagQuotRem qr = MagDivMod(f.numerator, f.denominator);
  f.whole = MagAdd(f.whole, qr.quotient);
  f.numerator = std::move(qr.remainder);
  return f;
}

// |a| + |b| in lowest terms and mixed form.
TFracL MagnitudeSum(const TFracL& a, const TFracL& b) {
  TFracL r;
  r.whole = MagAdd(a.whole, b.whole);
  r.denominator = MagLcm(a.denominator, b.denominator);
  r.numerator = MagAdd(MagMul(a.numerator, MagDiv(r.denominator, a.denominator)),
                       MagMul(b.numerator, MagDiv(r.denominator, b.denominator)));
  return MixedL(ReduceL(std::move(r)));
}

// a - b for two non-negative fractions.
TFrac Difference(TFracL a, TFracL b) {
  const TInt l = MagLcm(a.denominator, b.denominator);
  a.numerator = MagMul(a.numerator, MagDiv(l, a.denominator));
  b.numerator = MagMul(b.numerator, MagDiv(l, b.denominator));
  a.denominator = l;
  b.denominator = l;
  TFracL r;
  std::int32_t sign = 1;
  r.denominator = l;
  if (MagCompare(a.numerator, b.numerator) >= 0 && MagCompare(a.whole, b.whole) >= 0) {
    r.whole = MagSub(a.whole, b.whole);
    r.numerator = MagSub(a.numerator, b.numerator);
  } else {
    a = ImproperL(std::move(a));
    b = ImproperL(std::move(b));
    if (MagCompare(a.numerator, b.numerator) < 0) sign = -1;
    r.numerator = MagSub(a.numerator, b.numerator);
  }
  return FromFracL(MixedL(ReduceL(std::move(r))), sign);
}

// Products and quotients are put into mixed form but not reduced.
TFrac Product(const TFrac& a, const TFrac& b, bool divide) {
  const TFracL x = ImproperL(ReduceL(ToFracL(a)));
  const TFracL y = ImproperL(ReduceL(ToFracL(b)));
  TFracL r;
  r.numerator = MagMul(x.numerator, divide ? y.denominator : y.numerator);
  r.denominator = MagMul(x.denominator, divide ? y.numerator : y.denominator);
  return FromFracL(MixedL(std::move(r)), IsNegative(a) != IsNegative(b) ? -1 : 1);
}

}  // namespace

TFracL ToFracL(const TFrac& f) {
  return TFracL{f.whole, f.numerator, f.denominator};
}

TFrac FromFracL(const TFracL& f, std::int32_t sign) {
  return TFrac{sign, f.whole, f.numerator, f.denominator};
}

TInt MagGcd(const TInt& a, const TInt& b) {
  limbs::Limbs p = limbs::Pack(a);
  limbs::Limbs q = limbs::Pack(b);
  if (MagCompare(a, b) < 0) std::swap(p, q);
  // A zero operand gives 1, which leaves a fraction with a zero part unreduced.
  if (q.empty()) return TInt{1};
  return limbs::Unpack(limbs::Gcd(std::move(p), std::move(q)));
}

TInt MagLcm(const TInt& a, const TInt& b) {
  return MagDiv(MagMul(a, b), MagGcd(a, b));
}

TFrac FracReduce(const TFrac& f) {
  return FromFracL(ReduceL(ToFracL(f)), f.sign);
}

TFrac FracToImproper(const TFrac& f) {
  return FromFracL(ImproperL(ToFracL(f)), f.sign);
}

TFrac MakeFrac(const TLongInt& a, const TLongInt& b) {
  LongQuotRem qr = LongDivMod(a, b);
  const TFrac f{qr.quotient.sign, std::move(qr.quotient.digits), std::move(qr.remainder.digits),
                b.digits};
  return FracReduce(f);
}

TFrac FracAdd(const TFrac& a, const TFrac& b) {
  const bool an = IsNegative(a);
  const bool bn = IsNegative(b);
  if (an == bn) return FromFracL(MagnitudeSum(ToFracL(a), ToFracL(b)), an ? -1 : 1);
  return an ? FracSub(b, Positive(a)) : FracSub(a, Positive(b));
}

TFrac FracSub(const TFrac& a, const TFrac& b) {
  const bool an = IsNegative(a);
  const bool bn = IsNegative(b);
  if (an && bn) return FracSub(Positive(b), Positive(a));
  if (an != bn) return FromFracL(MagnitudeSum(ToFracL(a), ToFracL(b)), an ? -1 : 1);
  return Difference(ToFracL(a), ToFracL(b));
}

TFrac FracMul(const TFrac& a, const TFrac& b) {
  return Product(a, b, false);
}

TFrac FracDiv(const TFrac& a, const TFrac& b) {
  return Product(a, b, true);
}

}  // namespace orv
