// The greatest common divisor. Short numbers by Lehmer's method: Euclid's
// steps are taken on the top 128 bits of the pair as long as they are sure to
// be the steps of the full numbers, and then applied to the full numbers at
// once, which takes about 64 bits off both in one pass over them. Long numbers
// by the half gcd (Thull and Yap; Moller, "On Schonhage's algorithm and
// subquadratic integer gcd computation"): the steps that take a pair to half
// its length are found on its upper half, recursively, and applied with a few
// long products.
//
// Why a step found on top bits holds for the full numbers: with A = x * 2^e + x'
// and B = y * 2^e + y' (0 <= x', y' < 2^e), a remainder s * A - t * B of the full
// numbers is that of the top bits times 2^e plus an error below max(s, t) * 2^e.
// So the step from (x, y) to (y, z) is the full numbers' step when z is at least
// its larger cofactor and y - z at least the sum of the larger cofactors of y and z.
#include <algorithm>
#include <bit>
#include <utility>

#include "numbers/limbs.h"

namespace orv::limbs {
namespace {

using Wide = unsigned __int128;

constexpr Wide kLimbBase = static_cast<Wide>(1) << 64;

// From this many limbs on, the half gcd finds its steps by halving again
// rather than by Lehmer's rounds.
constexpr std::size_t kHalfGcdThreshold = 200;
// From this many limbs on, a gcd takes its steps by the half gcd.
constexpr std::size_t kGcdHalvingThreshold = 1500;

// The steps' product Q = [[q00, q01], [q10, q11]] of the matrices [[q, 1], [1, 0]]
// of Euclid's quotients, so that (A; B) = Q (a; b) for the pair (a, b) the steps
// lead to. Then a = q11 A - q01 B and b = q00 B - q10 A after an even number of
// steps, and the negatives of both after an odd number.
struct Matrix {
  Limbs q00{1};
  Limbs q01;
  Limbs q10;
  Limbs q11{1};
  std::size_t steps = 0;
};

// The same for one round on top bits; all entries fit a limb.
struct Steps {
  Limb q00 = 1;
  Limb q01 = 0;
  Limb q10 = 0;
  Limb q11 = 1;
  std::size_t steps = 0;
};

// The quotient and remainder of x / y for x >= 3y, from the quotient of the
// two as doubles: below 2^50 that is off by less than one, so one less is never
// too large and at most two too small.
Wide Quotient(Wide x, Wide y, Wide& remainder) {
  constexpr double kLimbScale = 18446744073709551616.0;
  const auto approx = [](Wide v) {
    return static_cast<double>(static_cast<Limb>(v >> 64)) * kLimbScale +
           static_cast<double>(static_cast<Limb>(v));
  };
  const double qd = approx(x) / approx(y);
  if (qd >= 0x1p50) {
    const Wide q = x / y;
    remainder = x - q * y;
    return q;
  }
  Wide q = static_cast<Limb>(qd) - 1;
  Wide z = x - q * y;
  while (z >= y) {
    z -= y;
    ++q;
  }
  remainder = z;
  return q;
}

// Euclid's steps on x >= y, the top bits of A and B at the same scale 2^e, as
// long as they hold for the full numbers and leave both remainders and their
// difference at least floor * 2^e (floor < 2^126).
Steps EuclidOnTopBits(Wide x, Wide y, Wide floor) {
  Steps c;
  while (y != 0) {
    Wide q = 1;
    Wide z = x - y;
    if (z >= y) {
      z -= y;
      q = 2;
      if (z >= y) q = Quotient(x, y, z);
    }
    if (q >= kLimbBase) break;
    const Wide z00 = c.q01 + static_cast<Wide>(static_cast<Limb>(q)) * c.q00;
    const Wide z10 = c.q11 + static_cast<Wide>(static_cast<Limb>(q)) * c.q10;
    if (z00 >= kLimbBase || z10 >= kLimbBase) break;
    const Wide mz = std::max(z00, z10);
    const Wide my = std::max(c.q00, c.q10);
    if (z < mz + floor || y - z < mz + my + floor) break;
    x = y;
    y = z;
    c.q01 = c.q00;
    c.q11 = c.q10;
    c.q00 = static_cast<Limb>(z00);
    c.q10 = static_cast<Limb>(z10);
    ++c.steps;
  }
  return c;
}

// The 128 bits of p[0, n) that start at the top bit of a number of n limbs whose
// top limb has `lead` leading zeros (p may be smaller). n >= 3.
Wide TopBits(const Limb* p, std::size_t n, unsigned lead) {
  const Limb hi = p[n - 1];
  const Limb mid = p[n - 2];
  const Limb lo = p[n - 3];
  if (lead == 0) return (static_cast<Wide>(hi) << 64) | mid;
  return (static_cast<Wide>((hi << lead) | (mid >> (64 - lead))) << 64) |
         ((mid << lead) | (lo >> (64 - lead)));
}

// r1 = c1 * u - d1 * v and r2 = c2 * v - d2 * u over n limbs, for results known
// to be neither negative nor above u and v: worked out modulo B^n, the products'
// limbs above n drop out.
void CombineTwice(Limb* r1, Limb* r2, const Limb* u, const Limb* v, std::size_t n, Limb c1, Limb d1,
                  Limb c2, Limb d2) {
  Mul1(r1, u, n, c1);
  SubMul1(r1, v, n, d1);
  Mul1(r2, v, n, c2);
  SubMul1(r2, u, n, d2);
}

// x * u + y * v, trimmed.
Limbs Combine1(const Limbs& x, Limb u, const Limbs& y, Limb v) {
  Limbs r(std::max(x.size(), y.size()) + 2);
  if (!x.empty()) r[x.size()] = Mul1(r.data(), x.data(), x.size(), u);
  if (!y.empty()) {
    const Limb top = AddMul1(r.data(), y.data(), y.size(), v);
    Add(r.data() + y.size(), r.data() + y.size(), r.size() - y.size(), &top, 1);
  }
  Trim(r);
  return r;
}

// x * u + y * v, trimmed.
Limbs CombineLong(const Limbs& x, const Limbs& u, const Limbs& y, const Limbs& v) {
  Limbs p = Mul(x, u);
  Limbs q = Mul(y, v);
  if (p.size() < q.size()) std::swap(p, q);
  if (q.empty()) return p;
  p.push_back(0);
  Add(p.data(), p.data(), p.size(), q.data(), q.size());
  Trim(p);
  return p;
}

// Q = Q * R for the steps R (a Matrix or the Steps of one round) that follow
// those of Q; combine(x, u, y, v) gives x * u + y * v for the entries' types.
template <class Following, class Combine>
void Append(Matrix& m, const Following& r, Combine combine) {
  Limbs q00 = combine(m.q00, r.q00, m.q01, r.q10);
  Limbs q01 = combine(m.q00, r.q01, m.q01, r.q11);
  m.q00 = std::move(q00);
  m.q01 = std::move(q01);
  Limbs q10 = combine(m.q10, r.q00, m.q11, r.q10);
  Limbs q11 = combine(m.q10, r.q01, m.q11, r.q11);
  m.q10 = std::move(q10);
  m.q11 = std::move(q11);
  m.steps += r.steps;
}

// One round of Lehmer's method on a >= b, a of at least 3 limbs: the steps that
// hold for the full numbers and leave both remainders and their difference at
// least B^floor (no bound for floor 0) are applied, and appended to m if
// given. Returns false when no step could be taken. t1 and t2 are room.
bool LehmerRound(Limbs& a, Limbs& b, std::size_t floor, Matrix* m, Limbs& t1, Limbs& t2) {
  const std::size_t n = a.size();
  if (b.size() + 1 < n) return false;
  const unsigned lead = static_cast<unsigned>(std::countl_zero(a[n - 1]));
  const std::size_t e = 64 * n - lead - 128;  // the scale of the top bits
  Wide bound = floor == 0 ? 0 : 1;
  if (floor > 0 && 64 * floor > e) {
    if (64 * floor - e >= 126) return false;
    bound = static_cast<Wide>(1) << (64 * floor - e);
  }
  b.resize(n, 0);
  const Steps c = EuclidOnTopBits(TopBits(a.data(), n, lead), TopBits(b.data(), n, lead), bound);
  if (c.steps == 0) {
    Trim(b);
    return false;
  }
  t1.resize(n);
  t2.resize(n);
  if (c.steps % 2 == 0) {
    CombineTwice(t1.data(), t2.data(), a.data(), b.data(), n, c.q11, c.q01, c.q00, c.q10);
  } else {
    CombineTwice(t1.data(), t2.data(), b.data(), a.data(), n, c.q01, c.q11, c.q10, c.q00);
  }
  std::swap(a, t1);
  std::swap(b, t2);
  Trim(a);
  Trim(b);
  if (m != nullptr) Append(*m, c, Combine1);
  return true;
}

// hi * B^k + plus - minus, for a result known not to be negative.
Limbs ShiftedSum(const Limbs& hi, std::size_t k, const Limbs& plus, const Limbs& minus) {
  Limbs r(std::max(k + hi.size(), plus.size()) + 1);
  std::copy(hi.begin(), hi.end(), r.begin() + static_cast<std::ptrdiff_t>(k));
  if (!plus.empty()) Add(r.data(), r.data(), r.size(), plus.data(), plus.size());
  if (!minus.empty()) Sub(r.data(), r.data(), r.size(), minus.data(), minus.size());
  Trim(r);
  return r;
}

// The low k limbs of x, trimmed.
Limbs Low(const Limbs& x, std::size_t k) {
  Limbs r(x.begin(), x.begin() + static_cast<std::ptrdiff_t>(std::min(k, x.size())));
  Trim(r);
  return r;
}

// Limbs k and up of x.
Limbs High(const Limbs& x, std::size_t k) {
  return Limbs(x.begin() + static_cast<std::ptrdiff_t>(k), x.end());
}

struct Reduction {
  Matrix m;
  Limbs a;
  Limbs b;
};

// (a, b) = the pair that the steps of m take them to, where m was found on
// a div B^k and b div B^k, taking those to ra and rb: the remainders are ra and rb
// times B^k plus what the steps make of the low limbs.
void ApplyFromTop(const Matrix& m, Limbs& a, Limbs& b, std::size_t k, const Limbs& ra,
                  const Limbs& rb) {
  const Limbs a0 = Low(a, k);
  const Limbs b0 = Low(b, k);
  const Limbs x = Mul(m.q11, a0);
  const Limbs y = Mul(m.q01, b0);
  const Limbs u = Mul(m.q00, b0);
  const Limbs v = Mul(m.q10, a0);
  const bool even = m.steps % 2 == 0;
  a = even ? ShiftedSum(ra, k, x, y) : ShiftedSum(ra, k, y, x);
  b = even ? ShiftedSum(rb, k, u, v) : ShiftedSum(rb, k, v, u);
}

// The steps that take a > b (trimmed) down to a pair whose members and their
// difference are all at least B^s, s = half a's length plus 1, as far as they go,
// together with that pair; without keep_matrix, only the number of steps is kept
// right in the matrix. When some steps are taken, the pair's smaller member
// and the difference are at least B^s. A lone step would need its quotient for
// its matrix, so a pair one step from the bound is left as it is.
Reduction HalfGcd(const Limbs& a, const Limbs& b, bool keep_matrix) {
  const std::size_t p = a.size();
  const std::size_t s = p / 2 + 1;
  Reduction r{Matrix{}, a, b};
  if (b.size() <= s) return r;
  Limbs t1;
  Limbs t2;
  if (p >= kHalfGcdThreshold) {
    // The upper half of the pair, from limb s on, takes the pair to about
    // three quarters of its length; then the upper part of what is left, cut
    // so that its bound falls on B^s, takes it to about half.
    Reduction top = HalfGcd(High(a, s), High(b, s), true);
    if (top.m.steps == 0) return r;
    ApplyFromTop(top.m, r.a, r.b, s, top.a, top.b);
    r.m = std::move(top.m);
    const std::size_t k = 2 * s - r.a.size();
    if (r.b.size() > k && r.a.size() - k >= 3) {
      Reduction next = HalfGcd(High(r.a, k), High(r.b, k), true);
      if (next.m.steps > 0) {
        ApplyFromTop(next.m, r.a, r.b, k, next.a, next.b);
        if (keep_matrix) {
          Append(r.m, next.m, CombineLong);
        } else {
          r.m.steps += next.m.steps;
        }
      }
    }
  }
  while (r.a.size() >= 3 && LehmerRound(r.a, r.b, s, keep_matrix ? &r.m : nullptr, t1, t2)) {
    if (!keep_matrix) ++r.m.steps;
  }
  return r;
}

// The gcd of two numbers below 2^128.
Wide GcdWide(Wide x, Wide y) {
  while (y != 0) {
    x %= y;
    std::swap(x, y);
  }
  return x;
}

}  // namespace

Limbs Gcd(Limbs a, Limbs b) {
  Limbs t1;
  Limbs t2;
  while (true) {
    if (a.size() < b.size() ||
        (a.size() == b.size() && CompareN(a.data(), b.data(), a.size()) < 0)) {
      std::swap(a, b);
    }
    if (b.empty()) return a;
    const std::size_t n = a.size();
    if (n <= 2) {
      const auto wide = [](const Limbs& d) {
        return d.size() == 2 ? (static_cast<Wide>(d[1]) << 64) | d[0] : static_cast<Wide>(d[0]);
      };
      const Wide g = GcdWide(wide(a), wide(b));
      Limbs r{static_cast<Limb>(g), static_cast<Limb>(g >> 64)};
      Trim(r);
      return r;
    }
    if (n >= kGcdHalvingThreshold) {
      Reduction r = HalfGcd(a, b, false);
      if (r.m.steps > 0) {
        a = std::move(r.a);
        b = std::move(r.b);
        continue;
      }
    } else if (LehmerRound(a, b, 0, nullptr, t1, t2)) {
      continue;
    }
    // b is far below a, or the first quotient is too large for the top bits.
    Limbs r = DivRem(a, b).remainder;
    a = std::move(b);
    b = std::move(r);
  }
}

}  // namespace orv::limbs
