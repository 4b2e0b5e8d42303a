// Multiplication: schoolbook for short operands, Karatsuba above a threshold,
// and unbalanced operands cut into pieces the size of the shorter one.
#include <algorithm>

#include "numbers/limbs.h"

namespace orv::limbs {
namespace {

// Below this many limbs the schoolbook product is faster than splitting.
constexpr std::size_t kKaratsubaThreshold = 32;

void MulSchool(Limb* r, const Limb* a, std::size_t an, const Limb* b, std::size_t bn) {
  r[an] = Mul1(r, a, an, b[0]);
  for (std::size_t j = 1; j < bn; ++j) r[an + j] = AddMul1(r + j, a, an, b[j]);
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

// Both operands have n limbs; r has 2n.
void MulKaratsuba(Limb* r, const Limb* a, const Limb* b, std::size_t n) {
  if (n < kKaratsubaThreshold) {
    MulSchool(r, a, n, b, n);
    return;
  }
  const std::size_t h = (n + 1) / 2;  // low half
  const std::size_t l = n - h;        // high half, l <= h
  // The middle term is a0*b1 + a1*b0 = z0 + z2 + (a0 - a1)(b1 - b0).
  Limbs da(h), db(h), m(2 * h), t(2 * h + 1);
  const bool a_neg = AbsDiff(da.data(), a, h, a + h, l);
  const bool b_neg = !AbsDiff(db.data(), b, h, b + h, l);
  const bool m_neg = a_neg != b_neg;
  MulKaratsuba(m.data(), da.data(), db.data(), h);
  MulKaratsuba(r, a, b, h);
  MulKaratsuba(r + 2 * h, a + h, b + h, l);
  t[2 * h] = Add(t.data(), r, 2 * h, r + 2 * h, 2 * l);
  if (m_neg) {
    Sub(t.data(), t.data(), 2 * h + 1, m.data(), 2 * h);
  } else {
    Add(t.data(), t.data(), 2 * h + 1, m.data(), 2 * h);
  }
  Add(r + h, r + h, 2 * n - h, t.data(), 2 * h + 1);
}

}  // namespace

void Mul(Limb* r, const Limb* a, std::size_t an, const Limb* b, std::size_t bn) {
  if (bn < kKaratsubaThreshold) {
    MulSchool(r, a, an, b, bn);
    return;
  }
  if (an == bn) {
    MulKaratsuba(r, a, b, bn);
    return;
  }
  // Unbalanced: multiply b by bn-limb pieces of a and add the partial products.
  MulKaratsuba(r, a, b, bn);
  std::fill(r + 2 * bn, r + an + bn, Limb{0});
  Limbs t(2 * bn);
  for (std::size_t off = bn; off < an; off += bn) {
    const std::size_t c = std::min(bn, an - off);
    if (c == bn) {
      MulKaratsuba(t.data(), a + off, b, bn);
    } else {
      Mul(t.data(), b, bn, a + off, c);
    }
    Add(r + off, r + off, an + bn - off, t.data(), bn + c);
  }
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
