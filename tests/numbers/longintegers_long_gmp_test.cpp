// Long-integer results against GMP on operands long enough for the recursive
// algorithms: at the lengths where one algorithm hands over to the next, and
// shaped to reach their rare corrections.
#include <gtest/gtest.h>

#include <string>

#include "numbers/fractions.h"
#include "numbers/gmp_reference.h"
#include "numbers/longintegers.h"
#include "numbers/radixconv.h"

namespace orv {
namespace {

using testing::Mpz;
using testing::RandomOperands;
using testing::SameValue;

// Lengths in 64-bit limbs (two magnitude limbs each) on both sides of the
// Karatsuba, Toom-3 and recursive-division thresholds, and of a second Toom-3 level.
constexpr std::size_t kLengths[] = {31, 32, 33, 39, 40, 41, 119, 120, 121, 359, 360, 361, 1100};

TInt Long(RandomOperands& rnd, std::size_t limbs64) {
  TInt d = rnd.Magnitude(2 * limbs64);
  if (MagIsZero(d)) d[0] = 1;
  return d;
}

TEST(LongOperandsVsGmp, ProductsAndSquaresAcrossTheThresholds) {
  RandomOperands rnd(41);
  for (const std::size_t n : kLengths) {
    for (int i = 0; i < 6; ++i) {
      const TInt a = Long(rnd, n);
      // Balanced, one limb shorter, and much shorter operands.
      const std::size_t m = i < 2 ? n : i < 4 ? n - 1 : 1 + rnd.Below(static_cast<uint32_t>(n));
      const TInt b = Long(rnd, m);
      Mpz ref, sq;
      mpz_mul(ref.get(), Mpz(a).get(), Mpz(b).get());
      ASSERT_TRUE(SameValue(MagMul(a, b), ref)) << n << " x " << m << " limbs, case " << i;
      mpz_mul(sq.get(), Mpz(a).get(), Mpz(a).get());
      ASSERT_TRUE(SameValue(LongPow(TLongInt{a, 1}, 2), sq)) << n << " limbs squared, case " << i;
    }
  }
}

TEST(LongOperandsVsGmp, QuotientsAcrossTheThresholds) {
  RandomOperands rnd(42);
  for (const std::size_t n : kLengths) {
    // Quotients shorter than, as long as, and several times longer than the divisor.
    for (const std::size_t qn : {std::size_t{40}, n - 1, n, 3 * n + 5}) {
      for (int i = 0; i < 3; ++i) {
        const TInt b = Long(rnd, n);
        const TInt q = Long(rnd, qn);
        Mpz a;
        mpz_mul(a.get(), Mpz(b).get(), Mpz(q).get());
        // The largest remainder, none, or a random one.
        if (i == 0) mpz_add(a.get(), a.get(), Mpz(b).get());
        if (i != 1) mpz_sub_ui(a.get(), a.get(), 1);
        const MagQuotRem qr = MagDivMod(a.Magnitude(), b);
        Mpz q_ref, r_ref;
        mpz_tdiv_qr(q_ref.get(), r_ref.get(), a.get(), Mpz(b).get());
        ASSERT_TRUE(SameValue(qr.quotient, q_ref)) << n << " / " << qn << " limbs, case " << i;
        ASSERT_TRUE(SameValue(qr.remainder, r_ref)) << n << " / " << qn << " limbs, case " << i;
      }
    }
  }
}

TEST(LongOperandsVsGmp, GreatestCommonDivisorsOfEveryShape) {
  RandomOperands rnd(43);
  for (const std::size_t n : {3, 60, 250, 700, 1499, 1500, 1501, 2100}) {
    for (int kind = 0; kind < 6; ++kind) {
      Mpz x, y;
      const TInt f = Long(rnd, 1 + rnd.Below(static_cast<uint32_t>(n / 3 + 1)));
      switch (kind) {
        case 0:  // a common factor
          mpz_mul(x.get(), Mpz(f).get(), Mpz(Long(rnd, n)).get());
          mpz_mul(y.get(), Mpz(f).get(), Mpz(Long(rnd, n)).get());
          break;
        case 1:  // consecutive Fibonacci numbers times f: every quotient is 1
          mpz_fib2_ui(x.get(), y.get(), 92 * n);
          mpz_mul(x.get(), x.get(), Mpz(f).get());
          mpz_mul(y.get(), y.get(), Mpz(f).get());
          break;
        case 2:  // a quotient far beyond a limb after a few short ones
          mpz_set(y.get(), Mpz(Long(rnd, n / 2 + 1)).get());
          mpz_mul_2exp(x.get(), y.get(), 64 * (n / 2) + 7);
          mpz_add(x.get(), x.get(), Mpz(f).get());
          for (int step = 0; step < 3; ++step) {
            mpz_swap(x.get(), y.get());
            mpz_addmul_ui(x.get(), y.get(), 1 + rnd.Below(5));
          }
          break;
        case 3:  // one a multiple of the other
          mpz_set(y.get(), Mpz(Long(rnd, n)).get());
          mpz_mul(x.get(), y.get(), Mpz(f).get());
          break;
        case 4:  // equal
          mpz_set(x.get(), Mpz(Long(rnd, n)).get());
          mpz_set(y.get(), x.get());
          break;
        default:  // 2^i - 1 and 2^j - 1, all-ones limbs: the gcd is 2^gcd(i, j) - 1
          mpz_set_ui(x.get(), 1);
          mpz_mul_2exp(x.get(), x.get(), 64 * n - rnd.Below(64));
          mpz_sub_ui(x.get(), x.get(), 1);
          mpz_set_ui(y.get(), 1);
          mpz_mul_2exp(y.get(), y.get(), 1 + rnd.Below(static_cast<uint32_t>(64 * n - 1)));
          mpz_sub_ui(y.get(), y.get(), 1);
          break;
      }
      Mpz ref;
      mpz_gcd(ref.get(), x.get(), y.get());
      ASSERT_TRUE(SameValue(MagGcd(x.Magnitude(), y.Magnitude()), ref))
          << n << " limbs, kind " << kind;
      ASSERT_TRUE(SameValue(MagGcd(y.Magnitude(), x.Magnitude()), ref))
          << n << " limbs, kind " << kind;
    }
  }
}

TEST(LongOperandsVsGmp, PowersOfTenAndTheirNeighboursConvertBothWays) {
  // The conversions split at powers of 10^19 whose zero limbs at the bottom stay
  // out of the products and quotients; at and next to their lengths, 10^k, its
  // neighbours and all-nine texts leave zero limbs in the remainders, and carries.
  for (std::size_t i = 0; i <= 11; ++i) {
    for (const std::size_t k : {19 * (std::size_t{1} << i) - 1, 19 * (std::size_t{1} << i),
                                19 * (std::size_t{1} << i) + 1}) {
      for (const std::string& text :
           {"1" + std::string(k, '0'), std::string(k, '9'), "1" + std::string(k - 1, '0') + "1"}) {
        Mpz ref;
        mpz_set_str(ref.get(), text.c_str(), 10);
        const TInt d = DigitsToMag(text, 10);
        ASSERT_TRUE(SameValue(d, ref)) << text.size() << " digits";
        ASSERT_EQ(MagToDigits(d, 10), text) << text.size() << " digits";
      }
    }
  }
}

}  // namespace
}  // namespace orv
