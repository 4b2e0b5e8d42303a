// Division: one-limb divisors by multiplying with a precomputed reciprocal
// (Moller and Granlund, "Improved division by invariant integers"), short
// quotients by Knuth's algorithm D, long ones by recursive division
// (Burnikel and Ziegler; Brent and Zimmermann, "Modern Computer Arithmetic",
// algorithm 1.8): the upper half of the quotient from the divisor's upper
// limbs, corrected by one product, then the lower half the same way.
#include <algorithm>
#include <bit>

#include "numbers/limbs.h"
#include "numbers/workbudget.h"

namespace orv::limbs {
namespace {

using Wide = unsigned __int128;

// floor((2^128 - 1) / d) - 2^64 for a normalised d (top bit set).
Limb Reciprocal(Limb d) {
  const Wide num = (static_cast<Wide>(~d) << 64) | ~Limb{0};
  return static_cast<Limb>(num / d);
}

// Divides (nh, nl) by the normalised d with nh < d; returns the quotient limb.
Limb DivPreinv(Limb nh, Limb nl, Limb d, Limb inv, Limb& rem) {
  Wide q = static_cast<Wide>(inv) * nh;
  q += (static_cast<Wide>(nh + 1) << 64) | nl;
  Limb qh = static_cast<Limb>(q >> 64);
  const Limb ql = static_cast<Limb>(q);
  Limb r = nl - qh * d;
  if (r > ql) {
    --qh;
    r += d;
  }
  if (r >= d) {
    ++qh;
    r -= d;
  }
  rem = r;
  return qh;
}

// From this many quotient limbs on, halving the quotient is faster than
// finding it limb by limb.
constexpr std::size_t kDivRecursionThreshold = 40;

// q -= 1 over n limbs; returns the borrow out.
Limb Decrement(Limb* q, std::size_t n) {
  for (std::size_t i = 0; i < n; ++i) {
    if (q[i]-- != 0) return 0;
  }
  return 1;
}

// Knuth's algorithm D on u[0, m + n) by the normalised d[0, n), n >= 2: the
// quotient's m low limbs go to q and the remainder to u[0, n); returns the
// quotient's limb above those, 0 or 1. u[n, m + n) is left undefined.
Limb DivSchool(Limb* q, Limb* u, std::size_t m, const Limb* d, std::size_t n, Limb inv) {
  Limb qh = 0;
  if (CompareN(u + m, d, n) >= 0) {
    SubN(u + m, u + m, d, n);
    qh = 1;
  }
  const Limb d1 = d[n - 1];
  const Limb d0 = d[n - 2];
  for (std::size_t j = m; j-- > 0;) {
    const Limb u2 = u[j + n];
    const Limb u1 = u[j + n - 1];
    const Limb u0 = u[j + n - 2];
    // Estimate the quotient limb from the top three limbs; it is then at most one too large.
    Limb qhat;
    Limb rhat;
    bool rhat_overflow = false;
    if (u2 >= d1) {
      qhat = ~Limb{0};
      rhat = u1 + d1;
      rhat_overflow = rhat < u1;
    } else {
      qhat = DivPreinv(u2, u1, d1, inv, rhat);
    }
    while (!rhat_overflow &&
           static_cast<Wide>(qhat) * d0 > ((static_cast<Wide>(rhat) << 64) | u0)) {
      --qhat;
      rhat += d1;
      rhat_overflow = rhat < d1;
    }
    const Limb borrow = SubMul1(u + j, d, n, qhat);
    const bool negative = u[j + n] < borrow;
    u[j + n] -= borrow;
    if (negative) {
      --qhat;
      u[j + n] += AddN(u + j, u + j, d, n);
    }
    q[j] = qhat;
  }
  return qh;
}

// The same contract as DivSchool for n >= m.
Limb DivRecursive(Limb* q, Limb* u, std::size_t m, const Limb* d, std::size_t n, Limb inv,
                  Scratch& s) {
  if (m < kDivRecursionThreshold) return DivSchool(q, u, m, d, n, inv);
  const std::size_t k = m / 2;  // lower quotient limbs
  const std::size_t h = m - k;  // upper quotient limbs, h >= k
  Scratch::Frame f(s);
  Limb* t = f.Take(m);
  // The upper half: u[2k, m + n) by d[k, n), then the product of that
  // estimate with d[0, k) taken off; the estimate is at most two too large.
  Limb qh = DivRecursive(q + k, u + 2 * k, h, d + k, n - k, inv, s);
  Mul(t, q + k, h, d, k, s);
  Limb borrow = Sub(u + k, u + k, n, t, m);
  if (qh != 0) borrow += Sub(u + m, u + m, n - h, d, k);
  while (borrow != 0) {
    qh -= Decrement(q + k, h);
    borrow -= AddN(u + k, u + k, d, n);
  }
  // The lower half from the n limbs that are left above u[0, k).
  Limb ql = DivRecursive(q, u + k, k, d + k, n - k, inv, s);
  Mul(t, q, k, d, k, s);
  borrow = Sub(u, u, n, t, 2 * k);
  if (ql != 0) borrow += Sub(u + k, u + k, n - k, d, k);
  while (borrow != 0) {
    ql -= Decrement(q, k);
    borrow -= AddN(u, u, d, n);
  }
  return qh;
}

}  // namespace

Limb DivRem1(Limb* q, const Limb* a, std::size_t n, Limb d) {
  if (n == 0) return 0;
  CountWork(n);
  const unsigned s = static_cast<unsigned>(std::countl_zero(d));
  const Limb dn = d << s;
  const Limb inv = Reciprocal(dn);
  Limb r = 0;
  if (s == 0) {
    for (std::size_t i = n; i-- > 0;) q[i] = DivPreinv(r, a[i], dn, inv, r);
    return r;
  }
  r = a[n - 1] >> (64 - s);
  for (std::size_t i = n; i-- > 0;) {
    const Limb nl = (a[i] << s) | (i > 0 ? a[i - 1] >> (64 - s) : 0);
    q[i] = DivPreinv(r, nl, dn, inv, r);
  }
  return r >> s;
}

QuotRem DivRem(const Limbs& a, const Limbs& b) {
  const std::size_t bn = b.size();
  if (a.size() < bn || (a.size() == bn && CompareN(a.data(), b.data(), bn) < 0)) {
    Limbs r = a;
    Trim(r);
    return {{}, r};
  }
  const std::size_t an = a.size();
  if (bn == 1) {
    Limbs q(an);
    const Limb r = DivRem1(q.data(), a.data(), an, b[0]);
    Trim(q);
    return {q, r == 0 ? Limbs{} : Limbs{r}};
  }
  // Normalise so that the divisor's top bit is set; the dividend gets a limb more.
  const unsigned shift = static_cast<unsigned>(std::countl_zero(b.back()));
  Limbs v(bn), u(an + 1);
  if (shift == 0) {
    v = b;
    std::copy(a.begin(), a.end(), u.begin());
    u[an] = 0;
  } else {
    ShiftLeft(v.data(), b.data(), bn, shift);
    u[an] = ShiftLeft(u.data(), a.data(), an, shift);
  }
  const Limb inv = Reciprocal(v[bn - 1]);
  // The quotient fits qn limbs, so no call below returns a limb above its part.
  const std::size_t qn = an - bn + 1;
  Limbs q(qn);
  if (qn < kDivRecursionThreshold) {
    DivSchool(q.data(), u.data(), qn, v.data(), bn, inv);
  } else {
    // Parts of at most bn quotient limbs from the top, each dividing the
    // remainder of the one above with the next limbs of the dividend.
    Scratch s(MulScratch(bn) + bn);
    std::size_t pos = qn - ((qn - 1) % bn + 1);
    DivRecursive(q.data() + pos, u.data() + pos, qn - pos, v.data(), bn, inv, s);
    while (pos > 0) {
      pos -= bn;
      DivRecursive(q.data() + pos, u.data() + pos, bn, v.data(), bn, inv, s);
    }
  }
  Limbs r(bn);
  if (shift == 0) {
    std::copy(u.begin(), u.begin() + static_cast<std::ptrdiff_t>(bn), r.begin());
  } else {
    ShiftRight(r.data(), u.data(), bn, shift);
  }
  Trim(q);
  Trim(r);
  return {q, r};
}

}  // namespace orv::limbs
