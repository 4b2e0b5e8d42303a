#pragma once
// Signed integers of unlimited size: sign and magnitude. A magnitude (TInt)
// is an array of 32-bit limbs, least significant first, not normalised (it
// may carry zero limbs on top; the empty array is zero). Every operation
// returns a new value and leaves its operands unchanged.
#include <cstdint>
#include <vector>

namespace orv {

using TInt = std::vector<std::uint32_t>;

struct TLongInt {
  TInt digits;
  std::int32_t sign = 1;  // -1 negative, +1 otherwise; a zero may carry -1
};

struct MagQuotRem {
  TInt quotient;
  TInt remainder;
};

struct MagSigned {
  TInt magnitude;
  std::int32_t sign = 1;
};

struct LongQuotRem {
  TLongInt quotient;
  TLongInt remainder;
};

// Magnitude operations
std::uint32_t MagSigLen(const TInt& d);
std::uint32_t MagBitLen(const TInt& d);
bool MagIsZero(const TInt& d);
int MagCompare(const TInt& a, const TInt& b);
TInt MagAdd(const TInt& a, const TInt& b);
TInt MagSub(const TInt& a, const TInt& b);
MagSigned MagDiff(const TInt& a, const TInt& b);
TInt MagMul(const TInt& a, const TInt& b);
MagQuotRem MagDivMod(const TInt& a, const TInt& b);
TInt MagDiv(const TInt& a, const TInt& b);

// Signed operations
TLongInt LongAdd(const TLongInt& a, const TLongInt& b);
TLongInt LongSub(const TLongInt& a, const TLongInt& b);
TLongInt LongMul(const TLongInt& a, const TLongInt& b);
LongQuotRem LongDivMod(const TLongInt& a, const TLongInt& b);
int LongCompare(const TLongInt& a, const TLongInt& b);
int LongCompareInt(const TLongInt& a, std::int32_t n);
// a to the power e by repeated squaring: the value and sign that e - 1 successive
// LongMul(..., a) starting from a give; 1 for e = 0. The result has no zero limbs on top.
TLongInt LongPow(const TLongInt& a, std::uint32_t e);

}  // namespace orv
