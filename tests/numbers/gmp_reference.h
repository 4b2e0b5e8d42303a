#pragma once
// GMP as the reference for long-integer results, and random operands shaped
// to reach the corners of the limb arithmetic.
#include <gmp.h>

#include <cstdint>
#include <random>
#include <string>

#include "numbers/longintegers.h"

namespace orv::testing {

// An mpz_t that frees itself.
class Mpz {
 public:
  Mpz() { mpz_init(v_); }
  explicit Mpz(const TInt& d) : Mpz() { Set(d); }
  explicit Mpz(const TLongInt& a) : Mpz() {
    Set(a.digits);
    if (a.sign == -1) mpz_neg(v_, v_);
  }
  Mpz(const Mpz&) = delete;
  Mpz& operator=(const Mpz&) = delete;
  ~Mpz() { mpz_clear(v_); }

  mpz_ptr get() { return v_; }
  mpz_srcptr get() const { return v_; }
  // The magnitude in 32-bit limbs, without zero limbs on top.
  TInt Magnitude() const {
    TInt d((mpz_sizeinbase(v_, 2) + 31) / 32);
    std::size_t count = 0;
    mpz_export(d.data(), &count, -1, sizeof(std::uint32_t), 0, 0, v_);
    d.resize(count);
    return d;
  }
  std::string Text(int base = 10) const {
    std::string s(mpz_sizeinbase(v_, base) + 2, '\0');
    mpz_get_str(s.data(), base, v_);
    s.resize(s.find('\0'));
    return s;
  }

 private:
  void Set(const TInt& d) { mpz_import(v_, d.size(), -1, sizeof(std::uint32_t), 0, 0, d.data()); }
  mpz_t v_;
};

inline bool SameValue(const TInt& ours, const Mpz& ref) {
  return mpz_cmp(Mpz(ours).get(), ref.get()) == 0;
}
inline bool SameValue(const TLongInt& ours, const Mpz& ref) {
  return mpz_cmp(Mpz(ours).get(), ref.get()) == 0;
}

// Random operands: plain random limbs, runs of all-ones limbs (long carries and
// borrows), sparse limbs, a set top bit, zero limbs on top, and zeros of both signs.
class RandomOperands {
 public:
  explicit RandomOperands(std::uint64_t seed) : gen_(seed) {}

  std::uint32_t Below(std::uint32_t n) {
    return std::uniform_int_distribution<std::uint32_t>(0, n - 1)(gen_);
  }
  std::uint32_t Limb() { return static_cast<std::uint32_t>(gen_()); }

  TInt Magnitude(std::size_t limbs) {
    TInt d(limbs);
    switch (Below(6)) {
      case 0:
        for (auto& x : d) x = 0xFFFFFFFFu;
        if (Below(2) == 0) d[Below(static_cast<std::uint32_t>(limbs))] = Limb();
        break;
      case 1:
        for (auto& x : d) x = Below(4) == 0 ? Limb() : 0;
        break;
      case 2:
        for (auto& x : d) x = Below(2) == 0 ? 0xFFFFFFFFu : 0;
        break;
      default:
        for (auto& x : d) x = Limb();
        break;
    }
    if (Below(3) == 0) d.back() |= 0x80000000u;
    if (Below(4) == 0) d.resize(limbs + 1 + Below(3), 0);
    return d;
  }

  TLongInt Number(std::size_t max_limbs) {
    TLongInt a;
    if (Below(40) != 0) a.digits = Magnitude(1 + Below(static_cast<std::uint32_t>(max_limbs)));
    a.sign = Below(2) == 0 ? -1 : 1;
    return a;
  }

 private:
  std::mt19937_64 gen_;
};

}  // namespace orv::testing
