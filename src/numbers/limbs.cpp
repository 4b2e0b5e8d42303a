#include "numbers/limbs.h"

#include "numbers/workbudget.h"

namespace orv::limbs {
namespace {

using Wide = unsigned __int128;

}  // namespace

Limbs Pack(const TInt& d) {
  const std::size_t n = MagSigLen(d);
  Limbs out((n + 1) / 2);
  for (std::size_t i = 0; i < n; ++i) {
    out[i / 2] |= static_cast<Limb>(d[i]) << (32 * (i % 2));
  }
  return out;
}

TInt Unpack(const Limb* p, std::size_t n) {
  n = SigLen(p, n);
  TInt out(2 * n);
  for (std::size_t i = 0; i < n; ++i) {
    out[2 * i] = static_cast<std::uint32_t>(p[i]);
    out[2 * i + 1] = static_cast<std::uint32_t>(p[i] >> 32);
  }
  if (!out.empty() && out.back() == 0) out.pop_back();
  return out;
}

std::size_t SigLen(const Limb* p, std::size_t n) {
  while (n > 0 && p[n - 1] == 0) --n;
  return n;
}

int CompareN(const Limb* a, const Limb* b, std::size_t n) {
  while (n > 0) {
    --n;
    if (a[n] != b[n]) return a[n] < b[n] ? -1 : 1;
  }
  return 0;
}

Limb AddN(Limb* r, const Limb* a, const Limb* b, std::size_t n) {
  Limb carry = 0;
  for (std::size_t i = 0; i < n; ++i) {
    const Limb s = a[i] + carry;
    carry = s < carry;
    const Limb t = s + b[i];
    carry += t < s;
    r[i] = t;
  }
  return carry;
}

Limb Add(Limb* r, const Limb* a, std::size_t an, const Limb* b, std::size_t bn) {
  Limb carry = AddN(r, a, b, bn);
  for (std::size_t i = bn; i < an; ++i) {
    r[i] = a[i] + carry;
    carry = r[i] < carry;
  }
  return carry;
}

Limb SubN(Limb* r, const Limb* a, const Limb* b, std::size_t n) {
  Limb borrow = 0;
  for (std::size_t i = 0; i < n; ++i) {
    const Limb x = a[i];
    const Limb t = x - b[i];
    const Limb b1 = x < b[i];
    r[i] = t - borrow;
    borrow = b1 + (t < borrow);
  }
  return borrow;
}

Limb Sub(Limb* r, const Limb* a, std::size_t an, const Limb* b, std::size_t bn) {
  Limb borrow = SubN(r, a, b, bn);
  for (std::size_t i = bn; i < an; ++i) {
    const Limb x = a[i];
    r[i] = x - borrow;
    borrow = x < borrow;
  }
  return borrow;
}

Limb Mul1(Limb* r, const Limb* a, std::size_t n, Limb m) {
  CountWork(n);
  Limb carry = 0;
  for (std::size_t i = 0; i < n; ++i) {
    const Wide t = static_cast<Wide>(a[i]) * m + carry;
    r[i] = static_cast<Limb>(t);
    carry = static_cast<Limb>(t >> 64);
  }
  return carry;
}

Limb AddMul1(Limb* r, const Limb* a, std::size_t n, Limb m) {
  CountWork(n);
  Limb carry = 0;
  for (std::size_t i = 0; i < n; ++i) {
    const Wide t = static_cast<Wide>(a[i]) * m + r[i] + carry;
    r[i] = static_cast<Limb>(t);
    carry = static_cast<Limb>(t >> 64);
  }
  return carry;
}

Limb SubMul1(Limb* r, const Limb* a, std::size_t n, Limb m) {
  CountWork(n);
  Limb borrow = 0;
  for (std::size_t i = 0; i < n; ++i) {
    const Wide t = static_cast<Wide>(a[i]) * m + borrow;
    const Limb lo = static_cast<Limb>(t);
    borrow = static_cast<Limb>(t >> 64) + (r[i] < lo);
    r[i] -= lo;
  }
  return borrow;
}

Limb ShiftLeft(Limb* r, const Limb* a, std::size_t n, unsigned s) {
  Limb out = 0;
  for (std::size_t i = n; i-- > 0;) {
    const Limb x = a[i];
    if (i == n - 1) out = x >> (64 - s);
    r[i] = (x << s) | (i > 0 ? a[i - 1] >> (64 - s) : 0);
  }
  return out;
}

Limb ShiftRight(Limb* r, const Limb* a, std::size_t n, unsigned s) {
  const Limb out = n > 0 ? a[0] << (64 - s) : 0;
  for (std::size_t i = 0; i < n; ++i) {
    r[i] = (a[i] >> s) | (i + 1 < n ? a[i + 1] << (64 - s) : 0);
  }
  return out;
}

}  // namespace orv::limbs
