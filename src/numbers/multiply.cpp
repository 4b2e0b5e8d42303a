// Multiplication: schoolbook for short operands, Karatsuba above a threshold,
// Toom-3 (Bodrato's evaluation at 0, 1, -1, -2 and infinity) above a higher
// one, and unbalanced operands cut into pieces the size of the shorter one.
// A square takes its own path at every level: half the schoolbook products,
// and one evaluation instead of two.
#include <algorithm>

#include "numbers/limbs.h"

namespace orv::limbs {
namespace {

using Wide = unsigned __int128;

// Below this many limbs the schoolbook product is faster than splitting.
constexpr std::size_t kKaratsubaThreshold = 40;
// From this many limbs on, three pieces are faster than two.
constexpr std::size_t kToom3Threshold = 120;

void MulSchool(Limb* r, const Limb* a, std::size_t an, const Limb* b, std::size_t bn) {
  r[an] = Mul1(r, a, an, b[0]);
  for (std::size_t j = 1; j < bn; ++j) r[an + j] = AddMul1(r + j, a, an, b[j]);
}

// r = a^2 over 2n limbs: each product a[i] * a[j], i < j, once, doubled, plus the squares.
void SqrSchool(Limb* r, const Limb* a, std::size_t n) {
  if (n == 1) {
    const Wide p = static_cast<Wide>(a[0]) * a[0];
    r[0] = static_cast<Limb>(p);
    r[1] = static_cast<Limb>(p >> 64);
    return;
  }
  r[0] = 0;
  r[n] = Mul1(r + 1, a + 1, n - 1, a[0]);
  for (std::size_t i = 1; i + 1 < n; ++i) {
    r[n + i] = AddMul1(r + 2 * i + 1, a + i + 1, n - i - 1, a[i]);
  }
  r[2 * n - 1] = 0;
  ShiftLeft(r, r, 2 * n, 1);
  Limb carry = 0;
  for (std::size_t i = 0; i < n; ++i) {
    const Wide p = static_cast<Wide>(a[i]) * a[i];
    const Wide lo = static_cast<Wide>(r[2 * i]) + static_cast<Limb>(p) + carry;
    r[2 * i] = static_cast<Limb>(lo);
    const Wide hi =
        static_cast<Wide>(r[2 * i + 1]) + static_cast<Limb>(p >> 64) + static_cast<Limb>(lo >> 64);
    r[2 * i + 1] = static_cast<Limb>(hi);
    carry = static_cast<Limb>(hi >> 64);
  }
}

// A product whose shorter operand is below the Karatsuba threshold.
void MulShort(Limb* r, const Limb* a, std::size_t an, const Limb* b, std::size_t bn) {
  if (a == b && an == bn) {
    SqrSchool(r, a, an);
  } else {
    MulSchool(r, a, an, b, bn);
  }
}

// r = |x - y| where x has xn limbs and y has yn <= xn limbs; r has xn limbs.
// Returns true when x < y.
bool AbsDiff(Limb* r, const Limb* x, std::size_t xn, const Limb* y, std::size_t yn) {
  bool x_smaller = false;
  if (SigLen(x + yn, xn - yn) == 0) x_smaller = CompareN(x, y, yn) < 0;
  if (x_smaller) {
    SubN(r, y, x, yn);
    std::fill(r + yn, r + xn, Limb{0});
  } else {
    Sub(r, x, xn, y, yn);
  }
  return x_smaller;
}

void MulN(Limb* r, const Limb* a, const Limb* b, std::size_t n, Scratch& s);

// Both operands have n limbs; r has 2n.
void MulKaratsuba(Limb* r, const Limb* a, const Limb* b, std::size_t n, Scratch& s) {
  const std::size_t h = (n + 1) / 2;  // low half
  const std::size_t l = n - h;        // high half, l <= h
  const bool square = a == b;
  Scratch::Frame f(s);
  Limb* da = f.Take(h);
  Limb* db = f.Take(h);
  Limb* m = f.Take(2 * h);
  Limb* t = f.Take(2 * h + 1);
  // The middle term is a0*b1 + a1*b0 = z0 + z2 + (a0 - a1)(b1 - b0).
  const bool a_neg = AbsDiff(da, a, h, a + h, l);
  const bool b_neg = !AbsDiff(db, b, h, b + h, l);
  const bool m_neg = a_neg != b_neg;
  MulN(m, da, square ? da : db, h, s);
  MulN(r, a, b, h, s);
  MulN(r + 2 * h, a + h, b + h, l, s);
  t[2 * h] = Add(t, r, 2 * h, r + 2 * h, 2 * l);
  if (m_neg) {
    Sub(t, t, 2 * h + 1, m, 2 * h);
  } else {
    Add(t, t, 2 * h + 1, m, 2 * h);
  }
  Add(r + h, r + h, 2 * n - h, t, 2 * h + 1);
}

// Two's complement helpers for the signed values of the Toom-3 interpolation.
void Negate(Limb* x, std::size_t n) {
  Limb borrow = 0;
  for (std::size_t i = 0; i < n; ++i) {
    const Limb v = x[i];
    x[i] = 0 - v - borrow;
    borrow = (v | borrow) != 0 ? 1 : 0;
  }
}

void HalveSigned(Limb* x, std::size_t n) {
  const Limb top = x[n - 1];
  ShiftRight(x, x, n, 1);
  x[n - 1] |= top & (Limb{1} << 63);
}

// x /= 3 for an x that 3 divides, by multiplying with the inverse of 3 modulo 2^64
// limb by limb; being exact modulo 2^(64n), it holds for negative values too.
void DivideExactBy3(Limb* x, std::size_t n) {
  constexpr Limb kInverse3 = 0xAAAAAAAAAAAAAAABull;
  Limb borrow = 0;
  for (std::size_t i = 0; i < n; ++i) {
    const Limb v = x[i];
    const Limb d = v - borrow;
    const Limb q = d * kInverse3;
    x[i] = q;
    borrow = static_cast<Limb>((static_cast<Wide>(q) * 3) >> 64) + (v < borrow ? 1 : 0);
  }
}

// The values of the polynomial a0 + a1 x + a2 x^2 (pieces of k, k and l limbs) at
// 1, -1 and -2: p1 and the magnitudes pm1 and pm2, each k + 1 limbs; returns the
// signs at -1 and -2 in neg1 and neg2. t is k + 1 limbs of room.
void Evaluate3(const Limb* a, std::size_t k, std::size_t l, Limb* p1, Limb* pm1, Limb* pm2,
               bool& neg1, bool& neg2, Limb* t) {
  const Limb* a1 = a + k;
  const Limb* a2 = a + 2 * k;
  t[k] = Add(t, a, k, a2, l);
  p1[k] = t[k] + AddN(p1, t, a1, k);
  neg1 = t[k] == 0 && CompareN(t, a1, k) < 0;
  if (neg1) {
    SubN(pm1, a1, t, k);
    pm1[k] = 0;
  } else {
    Sub(pm1, t, k + 1, a1, k);
  }
  // a0 + 4 a2 against 2 a1.
  t[l] = ShiftLeft(t, a2, l, 2);
  std::fill(t + l + 1, t + k + 1, Limb{0});
  t[k] += AddN(t, t, a, k);
  pm2[k] = ShiftLeft(pm2, a1, k, 1);
  neg2 = CompareN(t, pm2, k + 1) < 0;
  if (neg2) {
    SubN(pm2, pm2, t, k + 1);
  } else {
    SubN(pm2, t, pm2, k + 1);
  }
}

// Both operands have n >= 3 limbs; r has 2n.
void MulToom3(Limb* r, const Limb* a, const Limb* b, std::size_t n, Scratch& s) {
  const std::size_t k = (n + 2) / 3;
  const std::size_t l = n - 2 * k;  // 1 <= l <= k
  const std::size_t w = 2 * k + 2;  // every value below fits w limbs with its sign
  const bool square = a == b;
  Scratch::Frame f(s);
  Limb* t = f.Take(k + 1);
  Limb* a1 = f.Take(k + 1);
  Limb* am1 = f.Take(k + 1);
  Limb* am2 = f.Take(k + 1);
  bool a_neg1 = false;
  bool a_neg2 = false;
  Evaluate3(a, k, l, a1, am1, am2, a_neg1, a_neg2, t);
  const Limb* b1 = a1;
  const Limb* bm1 = am1;
  const Limb* bm2 = am2;
  bool b_neg1 = a_neg1;
  bool b_neg2 = a_neg2;
  if (!square) {
    Limb* eb1 = f.Take(k + 1);
    Limb* ebm1 = f.Take(k + 1);
    Limb* ebm2 = f.Take(k + 1);
    Evaluate3(b, k, l, eb1, ebm1, ebm2, b_neg1, b_neg2, t);
    b1 = eb1;
    bm1 = ebm1;
    bm2 = ebm2;
  }
  Limb* v1 = f.Take(w);
  Limb* vm1 = f.Take(w);
  Limb* vm2 = f.Take(w);
  MulN(v1, a1, b1, k + 1, s);
  MulN(vm1, am1, bm1, k + 1, s);
  if (a_neg1 != b_neg1) Negate(vm1, w);
  MulN(vm2, am2, bm2, k + 1, s);
  if (a_neg2 != b_neg2) Negate(vm2, w);
  MulN(r, a, b, k, s);                          // the value at 0, r[0, 2k)
  MulN(r + 4 * k, a + 2 * k, b + 2 * k, l, s);  // at infinity, r[4k, 2n)
  const Limb* r0 = r;
  const Limb* rinf = r + 4 * k;
  // Interpolation: v1, vm1 and vm2 become the coefficients of x, x^2 and x^3.
  SubN(vm2, vm2, v1, w);
  DivideExactBy3(vm2, w);  // (v(-2) - v(1)) / 3
  SubN(v1, v1, vm1, w);
  HalveSigned(v1, w);  // (v(1) - v(-1)) / 2
  Sub(vm1, vm1, w, r0, 2 * k);
  SubN(vm2, vm1, vm2, w);
  HalveSigned(vm2, w);
  Add(vm2, vm2, w, rinf, 2 * l);
  Add(vm2, vm2, w, rinf, 2 * l);
  AddN(vm1, vm1, v1, w);
  Sub(vm1, vm1, w, rinf, 2 * l);
  SubN(v1, v1, vm2, w);
  std::fill(r + 2 * k, r + 4 * k, Limb{0});
  Add(r + k, r + k, 2 * n - k, v1, w);
  Add(r + 2 * k, r + 2 * k, 2 * n - 2 * k, vm1, w);
  // The top limbs of the x^3 coefficient past the product's end are zero.
  Add(r + 3 * k, r + 3 * k, 2 * n - 3 * k, vm2, std::min(w, 2 * n - 3 * k));
}

void MulN(Limb* r, const Limb* a, const Limb* b, std::size_t n, Scratch& s) {
  if (n < kKaratsubaThreshold) {
    MulShort(r, a, n, b, n);
  } else if (n < kToom3Threshold) {
    MulKaratsuba(r, a, b, n, s);
  } else {
    MulToom3(r, a, b, n, s);
  }
}

}  // namespace

std::size_t MulScratch(std::size_t n) {
  return 8 * n + 512;
}

void Mul(Limb* r, const Limb* a, std::size_t an, const Limb* b, std::size_t bn, Scratch& s) {
  if (bn < kKaratsubaThreshold) {
    MulShort(r, a, an, b, bn);
    return;
  }
  if (an == bn) {
    MulN(r, a, b, bn, s);
    return;
  }
  // Unbalanced: multiply b by bn-limb pieces of a and add the partial products.
  MulN(r, a, b, bn, s);
  std::fill(r + 2 * bn, r + an + bn, Limb{0});
  Scratch::Frame f(s);
  Limb* t = f.Take(2 * bn);
  for (std::size_t off = bn; off < an; off += bn) {
    const std::size_t c = std::min(bn, an - off);
    if (c == bn) {
      MulN(t, a + off, b, bn, s);
    } else {
      Mul(t, b, bn, a + off, c, s);
    }
    Add(r + off, r + off, an + bn - off, t, bn + c);
  }
}

void Mul(Limb* r, const Limb* a, std::size_t an, const Limb* b, std::size_t bn) {
  if (bn < kKaratsubaThreshold) {
    MulShort(r, a, an, b, bn);
    return;
  }
  Scratch s(MulScratch(bn));
  Mul(r, a, an, b, bn, s);
}

Limbs Mul(const Limbs& a, const Limbs& b) {
  if (a.empty() || b.empty()) return {};
  Limbs r(a.size() + b.size());
  if (a.size() >= b.size()) {
    Mul(r.data(), a.data(), a.size(), b.data(), b.size());
  } else {
    Mul(r.data(), b.data(), b.size(), a.data(), a.size());
  }
  Trim(r);
  return r;
}

}  // namespace orv::limbs
