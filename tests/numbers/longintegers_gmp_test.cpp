// Long-integer results against GMP on random operands of 1 to 400 limbs.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cmath>

#include "lists/math.h"
#include "numbers/fractions.h"
#include "numbers/gmp_reference.h"
#include "numbers/longintegers.h"
#include "numbers/radixconv.h"

namespace orv {
namespace {

using testing::Mpz;
using testing::RandomOperands;
using testing::SameValue;

std::size_t LimbsFor(std::uint64_t bits) {
  return static_cast<std::size_t>((bits + 31) / 32);
}

TEST(LongIntegersVsGmp, SumsDifferencesAndComparisons) {
  RandomOperands rnd(11);
  for (int i = 0; i < 3000; ++i) {
    const TLongInt a = rnd.Number(400);
    const TLongInt b = rnd.Number(400);
    const TLongInt a_before = a;
    const TLongInt b_before = b;
    const Mpz x(a), y(b);
    Mpz sum, diff;
    mpz_add(sum.get(), x.get(), y.get());
    mpz_sub(diff.get(), x.get(), y.get());
    ASSERT_TRUE(SameValue(LongAdd(a, b), sum)) << "case " << i;
    ASSERT_TRUE(SameValue(LongSub(a, b), diff)) << "case " << i;
    const int cmp = mpz_cmp(x.get(), y.get());
    ASSERT_EQ(LongCompare(a, b), (cmp > 0) - (cmp < 0)) << "case " << i;
    ASSERT_EQ(MagCompare(a.digits, b.digits),
              (mpz_cmpabs(x.get(), y.get()) > 0) - (mpz_cmpabs(x.get(), y.get()) < 0));
    // Operands are values: no operation changes them.
    ASSERT_EQ(a.digits, a_before.digits);
    ASSERT_EQ(b.digits, b_before.digits);
  }
}

TEST(LongIntegersVsGmp, ProductsBalancedAndUnbalanced) {
  RandomOperands rnd(13);
  for (int i = 0; i < 1500; ++i) {
    const TLongInt a = rnd.Number(400);
    // A third of the cases multiply by a much shorter operand.
    const TLongInt b = rnd.Number(i % 3 == 0 ? 70 : 400);
    const TLongInt a_before = a;
    Mpz ref;
    mpz_mul(ref.get(), Mpz(a).get(), Mpz(b).get());
    const TLongInt p = LongMul(a, b);
    ASSERT_TRUE(SameValue(p, ref)) << "case " << i;
    ASSERT_EQ(p.sign, (a.sign == -1) != (b.sign == -1) ? -1 : 1);
    const std::uint64_t bits = std::uint64_t{MagBitLen(a.digits)} + MagBitLen(b.digits);
    ASSERT_EQ(p.digits.size(), MagIsZero(a.digits) || MagIsZero(b.digits) ? 0 : LimbsFor(bits));
    ASSERT_EQ(a.digits, a_before.digits);
  }
}

void ExpectDivisionMatches(const TLongInt& a, const TLongInt& b, int i) {
  const LongQuotRem qr = LongDivMod(a, b);
  Mpz q, r;
  mpz_tdiv_qr(q.get(), r.get(), Mpz(a).get(), Mpz(b).get());
  ASSERT_TRUE(SameValue(qr.quotient, q)) << "case " << i;
  ASSERT_TRUE(SameValue(qr.remainder, r)) << "case " << i;
  ASSERT_EQ(qr.remainder.sign, a.sign == -1 ? -1 : 1);
  ASSERT_EQ(qr.quotient.sign, (a.sign == -1) != (b.sign == -1) ? -1 : 1);
}

TEST(LongIntegersVsGmp, QuotientsByOneTwoAndManyLimbDivisors) {
  RandomOperands rnd(14);
  for (int i = 0; i < 3000; ++i) {
    TLongInt a = rnd.Number(800);
    TLongInt b;
    b.sign = rnd.Below(2) == 0 ? -1 : 1;
    const std::uint32_t kind = i % 3;
    b.digits = rnd.Magnitude(kind == 0 ? 1 : kind == 1 ? 2 : 1 + rnd.Below(400));
    if (MagIsZero(b.digits)) b.digits[0] = 1;
    ExpectDivisionMatches(a, b, i);
  }
}

TEST(LongIntegersVsGmp, QuotientsWithTheLargestRemainders) {
  // a = b * q + (b - 1): every quotient digit estimate is as close to the edge as it gets.
  RandomOperands rnd(15);
  for (int i = 0; i < 600; ++i) {
    const TInt b = rnd.Magnitude(2 + rnd.Below(300));
    if (MagIsZero(b)) continue;
    const TInt q = rnd.Magnitude(1 + rnd.Below(300));
    Mpz ref_a;
    mpz_mul(ref_a.get(), Mpz(b).get(), Mpz(q).get());
    mpz_add(ref_a.get(), ref_a.get(), Mpz(b).get());
    mpz_sub_ui(ref_a.get(), ref_a.get(), 1);
    const TInt a = ref_a.Magnitude();
    const MagQuotRem qr = MagDivMod(a, b);
    Mpz q_ref, r_ref;
    mpz_tdiv_qr(q_ref.get(), r_ref.get(), ref_a.get(), Mpz(b).get());
    ASSERT_TRUE(SameValue(qr.quotient, q_ref)) << "case " << i;
    ASSERT_TRUE(SameValue(qr.remainder, r_ref)) << "case " << i;
  }
}

TEST(LongIntegersVsGmp, QuotientDigitEstimatesAtTheirLimits) {
  // With D = d1 * 2^64 + d0 (top bit set) and a nonzero tail T below it:
  // dividing q * D * 2^(64k) by D * 2^(64k) + T estimates the quotient digit
  // from the top limbs as q, one too large; dividing b * 2^64 - 1 by b makes
  // the top limbs of the dividend equal those of the divisor.
  RandomOperands rnd(21);
  for (int i = 0; i < 400; ++i) {
    Mpz d, tail, q, b, a;
    mpz_import(d.get(), 4, -1, 4, 0, 0, rnd.Magnitude(4).data());
    mpz_setbit(d.get(), 127);
    const TInt t = rnd.Magnitude(2 * (1 + rnd.Below(3)));
    mpz_import(tail.get(), t.size(), -1, 4, 0, 0, t.data());
    mpz_setbit(tail.get(), 0);
    const std::size_t k = (mpz_sizeinbase(tail.get(), 2) + 63) / 64;
    mpz_import(q.get(), 2, -1, 4, 0, 0, rnd.Magnitude(2).data());
    mpz_add_ui(q.get(), q.get(), 2);
    mpz_mul_2exp(b.get(), d.get(), 64 * k);
    mpz_add(b.get(), b.get(), tail.get());
    if (i % 2 == 0) {
      mpz_mul(a.get(), q.get(), d.get());
      mpz_mul_2exp(a.get(), a.get(), 64 * k);
    } else {
      mpz_mul_2exp(a.get(), b.get(), 64);
      mpz_sub_ui(a.get(), a.get(), 1);
    }
    const MagQuotRem qr = MagDivMod(a.Magnitude(), b.Magnitude());
    Mpz q_ref, r_ref;
    mpz_tdiv_qr(q_ref.get(), r_ref.get(), a.get(), b.get());
    ASSERT_TRUE(SameValue(qr.quotient, q_ref)) << "case " << i;
    ASSERT_TRUE(SameValue(qr.remainder, r_ref)) << "case " << i;
  }
}

TEST(LongIntegersVsGmp, DecimalTextRoundTrips) {
  RandomOperands rnd(16);
  for (int i = 0; i < 1500; ++i) {
    const TLongInt a = rnd.Number(400);
    const std::string text = LongToStr(a, 10);
    ASSERT_EQ(text, Mpz(a).Text()) << "case " << i;
    const TLongInt back = StrToLong(text, 10);
    ASSERT_TRUE(SameValue(back, Mpz(a))) << "case " << i;
    // The parser sizes the magnitude from the digit count alone.
    const std::size_t digits = text.size() - (text[0] == '-' ? 1 : 0);
    if (text != "0") {
      ASSERT_EQ(back.digits.size(),
                LimbsFor(static_cast<std::uint64_t>(std::ceil(std::log2(10.0) * digits))));
    }
  }
}

TEST(LongIntegersVsGmp, OtherRadicesRoundTrip) {
  RandomOperands rnd(17);
  const std::uint8_t radices[] = {2, 3, 4, 5, 6, 7, 8, 9, 16};
  for (int i = 0; i < 900; ++i) {
    const std::uint8_t radix = radices[i % 9];
    const TInt d = rnd.Magnitude(1 + rnd.Below(200));
    std::string ref = Mpz(d).Text(radix);
    for (auto& c : ref) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    const std::string text = MagToStr(d, radix);
    ASSERT_EQ(text, ref) << "radix " << int{radix} << " case " << i;
    ASSERT_TRUE(SameValue(StrToLong(text, radix).digits, Mpz(d)));
  }
}

TEST(LongIntegersVsGmp, LongDigitTextsConvertBothWays) {
  // Long enough for the conversions to split the text several times over.
  RandomOperands rnd(18);
  for (int i = 0; i < 40; ++i) {
    std::string text(1 + rnd.Below(60000), '0');
    for (auto& c : text) c = static_cast<char>('0' + rnd.Below(10));
    if (i % 4 == 0)
      std::fill(text.begin(), text.begin() + rnd.Below(static_cast<std::uint32_t>(text.size())),
                '0');
    if (i % 4 == 1)
      std::fill(text.end() - rnd.Below(static_cast<std::uint32_t>(text.size())), text.end(), '9');
    Mpz ref;
    mpz_set_str(ref.get(), text.c_str(), 10);
    const TInt d = DigitsToMag(text, 10);
    ASSERT_TRUE(SameValue(d, ref)) << "case " << i << ", " << text.size() << " digits";
    ASSERT_EQ(MagToDigits(d, 10), ref.Text()) << "case " << i;
  }
}

TEST(LongIntegersVsGmp, PowersBySquaring) {
  RandomOperands rnd(19);
  for (int i = 0; i < 400; ++i) {
    const TLongInt a = rnd.Number(i % 2 == 0 ? 1 : 12);
    const std::uint32_t e = rnd.Below(80);
    Mpz ref;
    mpz_pow_ui(ref.get(), Mpz(a).get(), e);
    const TLongInt p = LongPow(a, e);
    ASSERT_TRUE(SameValue(p, ref)) << "case " << i << " exponent " << e;
    ASSERT_EQ(p.sign, a.sign == -1 && e % 2 == 1 ? -1 : 1);
  }
}

TEST(LongIntegersVsGmp, GreatestCommonDivisors) {
  RandomOperands rnd(20);
  for (int i = 0; i < 600; ++i) {
    // A common factor makes the divisor more than 1 in most cases.
    const TInt f = rnd.Magnitude(1 + rnd.Below(20));
    const TInt a = MagMul(f, rnd.Magnitude(1 + rnd.Below(60)));
    const TInt b = MagMul(f, rnd.Magnitude(1 + rnd.Below(60)));
    Mpz ref;
    mpz_gcd(ref.get(), Mpz(a).get(), Mpz(b).get());
    if (mpz_sgn(Mpz(a).get()) == 0 || mpz_sgn(Mpz(b).get()) == 0) mpz_set_ui(ref.get(), 1);
    ASSERT_TRUE(SameValue(MagGcd(a, b), ref)) << "case " << i;
  }
}

}  // namespace
}  // namespace orv
