#pragma once
// Exact rational numbers as mixed numbers: sign x (whole + numerator/denominator),
// each part an unlimited magnitude.
#include <cstdint>

#include "numbers/longintegers.h"

namespace orv {

struct TFrac {
  std::int32_t sign = 1;
  TInt whole;
  TInt numerator;
  TInt denominator;
};

struct TFracL {
  TInt whole;
  TInt numerator;
  TInt denominator;
};

TFracL ToFracL(const TFrac& f);
TFrac FromFracL(const TFracL& f, std::int32_t sign);

TInt MagGcd(const TInt& a, const TInt& b);
TInt MagLcm(const TInt& a, const TInt& b);
TFrac FracReduce(const TFrac& f);
TFrac FracToImproper(const TFrac& f);
TFrac MakeFrac(const TLongInt& a, const TLongInt& b);
TFrac FracAdd(const TFrac& a, const TFrac& b);
TFrac FracSub(const TFrac& a, const TFrac& b);
TFrac FracMul(const TFrac& a, const TFrac& b);
TFrac FracDiv(const TFrac& a, const TFrac& b);

}  // namespace orv
