// Division: one-limb divisors by multiplying with a precomputed reciprocal
// (Moller and Granlund, "Improved division by invariant integers"), longer
// divisors by Knuth's algorithm D.
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
  const unsigned s = static_cast<unsigned>(std::countl_zero(b.back()));
  Limbs v(bn), u(an + 1);
  if (s == 0) {
    v = b;
    std::copy(a.begin(), a.end(), u.begin());
    u[an] = 0;
  } else {
    ShiftLeft(v.data(), b.data(), bn, s);
    u[an] = ShiftLeft(u.data(), a.data(), an, s);
  }
  const Limb d1 = v[bn - 1];
  const Limb d0 = v[bn - 2];
  const Limb inv = Reciprocal(d1);
  Limbs q(an - bn + 1);
  for (std::size_t j = an - bn + 1; j-- > 0;) {
    const Limb u2 = u[j + bn];
    const Limb u1 = u[j + bn - 1];
    const Limb u0 = u[j + bn - 2];
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
    const Limb borrow = SubMul1(u.data() + j, v.data(), bn, qhat);
    const bool negative = u[j + bn] < borrow;
    u[j + bn] -= borrow;
    if (negative) {
      --qhat;
      u[j + bn] += AddN(u.data() + j, u.data() + j, v.data(), bn);
    }
    q[j] = qhat;
  }
  Limbs r(bn);
  if (s == 0) {
    std::copy(u.begin(), u.begin() + static_cast<std::ptrdiff_t>(bn), r.begin());
  } else {
    ShiftRight(r.data(), u.data(), bn, s);
  }
  Trim(q);
  Trim(r);
  return {q, r};
}

}  // namespace orv::limbs
