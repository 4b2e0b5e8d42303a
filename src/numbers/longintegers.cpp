#include "numbers/longintegers.h"

#include <algorithm>
#include <bit>
#include <limits>

#include "base/errors.h"
#include "numbers/limbs.h"

namespace orv {
namespace {

constexpr std::uint32_t kTopBit = 0x80000000u;

bool IsNegative(const TLongInt& a) {
  return a.sign == -1;
}

// The value of p in exactly `size` limbs (the value must fit).
TInt Widen(TInt p, std::size_t size) {
  p.resize(size, 0);
  return p;
}

// r += b over b's significant limbs, carrying upward through r.
void AddInto(TInt& r, const TInt& b, std::size_t bn) {
  std::uint64_t carry = 0;
  std::size_t i = 0;
  for (; i < bn; ++i) {
    const std::uint64_t s = std::uint64_t{r[i]} + b[i] + carry;
    r[i] = static_cast<std::uint32_t>(s);
    carry = s >> 32;
  }
  for (; carry != 0 && i < r.size(); ++i) {
    r[i] += 1;
    carry = r[i] == 0 ? 1 : 0;
  }
}

// r -= b over b's significant limbs, borrowing upward through r (r >= b).
void SubFrom(TInt& r, const TInt& b, std::size_t bn) {
  std::uint32_t borrow = 0;
  std::size_t i = 0;
  for (; i < bn; ++i) {
    const std::uint64_t d = std::uint64_t{r[i]} - b[i] - borrow;
    r[i] = static_cast<std::uint32_t>(d);
    borrow = static_cast<std::uint32_t>(d >> 63);
  }
  for (; borrow != 0 && i < r.size(); ++i) {
    borrow = r[i] == 0 ? 1 : 0;
    r[i] -= 1;
  }
}

TLongInt Signed(TInt magnitude, bool negative) {
  return TLongInt{std::move(magnitude), negative ? -1 : 1};
}

TLongInt FromDiff(MagSigned d) {
  return TLongInt{std::move(d.magnitude), d.sign};
}

}  // namespace

std::uint32_t MagSigLen(const TInt& d) {
  std::size_t n = d.size();
  while (n > 0 && d[n - 1] == 0) --n;
  if (n > std::numeric_limits<std::uint32_t>::max()) throw ERangeError();
  return static_cast<std::uint32_t>(n);
}

std::uint32_t MagBitLen(const TInt& d) {
  const std::uint64_t n = MagSigLen(d);
  if (n == 0) return 0;
  const std::uint64_t bits = 32 * (n - 1) + static_cast<std::uint64_t>(std::bit_width(d[n - 1]));
  if (bits > std::numeric_limits<std::uint32_t>::max()) throw EIntOverflow();
  return static_cast<std::uint32_t>(bits);
}

bool MagIsZero(const TInt& d) {
  return std::all_of(d.begin(), d.end(), [](auto x) { return x == 0; });
}

int MagCompare(const TInt& a, const TInt& b) {
  if (&a == &b) return 0;
  const std::uint32_t an = MagSigLen(a);
  const std::uint32_t bn = MagSigLen(b);
  if (an != bn) return an < bn ? -1 : 1;
  for (std::size_t i = an; i-- > 0;) {
    if (a[i] != b[i]) return a[i] < b[i] ? -1 : 1;
  }
  return 0;
}

TInt MagAdd(const TInt& a, const TInt& b) {
  const std::uint32_t an = MagSigLen(a);
  const std::uint32_t bn = MagSigLen(b);
  const bool a_longer = an >= bn;
  const TInt& longer = a_longer ? a : b;
  const TInt& shorter = a_longer ? b : a;
  const std::uint32_t ln = a_longer ? an : bn;
  const std::uint32_t sn = a_longer ? bn : an;
  if (sn == 0) return longer;
  TInt r = longer;
  // A carry out of the top limb is only possible when a top limb has its high bit set.
  if (r.size() == ln && ((longer[ln - 1] & kTopBit) != 0 || (shorter[sn - 1] & kTopBit) != 0)) {
    r.push_back(0);
  }
  AddInto(r, shorter, sn);
  return r;
}

TInt MagSub(const TInt& a, const TInt& b) {
  if (MagIsZero(b)) return a;
  const int c = MagCompare(a, b);
  if (c < 0) return MagSub(b, a);
  if (c == 0) return TInt{0};
  TInt r = a;
  SubFrom(r, b, MagSigLen(b));
  return r;
}

MagSigned MagDiff(const TInt& a, const TInt& b) {
  return MagSigned{MagSub(a, b), MagCompare(a, b) < 0 ? -1 : 1};
}

TInt MagMul(const TInt& a, const TInt& b) {
  const std::uint64_t bits = std::uint64_t{MagBitLen(a)} + MagBitLen(b);
  if (MagIsZero(a) || MagIsZero(b)) return {};
  return Widen(limbs::Unpack(limbs::Mul(limbs::Pack(a), limbs::Pack(b))), (bits + 31) / 32);
}

MagQuotRem MagDivMod(const TInt& a, const TInt& b) {
  const std::uint32_t n = MagSigLen(a);
  const std::uint32_t m = MagSigLen(b);
  if (m == 1) {
    if (n == 0) return {{}, {0}};
    TInt q(a.begin(), a.begin() + n);
    std::uint64_t rem = 0;
    for (std::size_t i = n; i-- > 0;) {
      const std::uint64_t cur = (rem << 32) | q[i];
      q[i] = static_cast<std::uint32_t>(cur / b[0]);
      rem = cur % b[0];
    }
    return {std::move(q), {static_cast<std::uint32_t>(rem)}};
  }
  if (n == 0 || m == 0) return {{}, {}};
  const int c = MagCompare(a, b);
  if (c < 0) return {{0}, a};
  if (c == 0) return {{1}, {}};
  const limbs::QuotRem qr = limbs::DivRem(limbs::Pack(a), limbs::Pack(b));
  const std::size_t k = MagBitLen(b);
  return {Widen(limbs::Unpack(qr.quotient), a.size()),
          Widen(limbs::Unpack(qr.remainder), (k + 1 + 31) / 32)};
}

TInt MagDiv(const TInt& a, const TInt& b) {
  return MagDivMod(a, b).quotient;
}

TLongInt LongAdd(const TLongInt& a, const TLongInt& b) {
  const bool an = IsNegative(a);
  const bool bn = IsNegative(b);
  if (an == bn) return Signed(MagAdd(a.digits, b.digits), an);
  return an ? FromDiff(MagDiff(b.digits, a.digits)) : FromDiff(MagDiff(a.digits, b.digits));
}

TLongInt LongSub(const TLongInt& a, const TLongInt& b) {
  const bool an = IsNegative(a);
  const bool bn = IsNegative(b);
  if (an != bn) return Signed(MagAdd(a.digits, b.digits), an);
  return an ? FromDiff(MagDiff(b.digits, a.digits)) : FromDiff(MagDiff(a.digits, b.digits));
}

TLongInt LongMul(const TLongInt& a, const TLongInt& b) {
  return Signed(MagMul(a.digits, b.digits), IsNegative(a) != IsNegative(b));
}

LongQuotRem LongDivMod(const TLongInt& a, const TLongInt& b) {
  MagQuotRem qr = MagDivMod(a.digits, b.digits);
  return {Signed(std::move(qr.quotient), IsNegative(a) != IsNegative(b)),
          Signed(std::move(qr.remainder), IsNegative(a))};
}

int LongCompare(const TLongInt& a, const TLongInt& b) {
  const bool an = IsNegative(a);
  const bool bn = IsNegative(b);
  if (!an && !bn) return MagCompare(a.digits, b.digits);
  if (an && bn) return -MagCompare(a.digits, b.digits);
  if (MagIsZero(a.digits) && MagIsZero(b.digits)) return 0;
  return an ? -1 : 1;
}

int LongCompareInt(const TLongInt& a, std::int32_t n) {
  if (n == std::numeric_limits<std::int32_t>::min()) throw EIntOverflow();
  const TLongInt b{{static_cast<std::uint32_t>(n < 0 ? -n : n)}, n < 0 ? -1 : 1};
  return LongCompare(a, b);
}

}  // namespace orv
