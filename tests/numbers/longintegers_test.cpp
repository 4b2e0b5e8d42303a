#include "numbers/longintegers.h"

#include <gtest/gtest.h>

#include <limits>

#include "base/errors.h"
#include "lists/math.h"

namespace orv {
namespace {

TLongInt L(std::string_view text) {
  return StrToLong(text, 10);
}
std::string S(const TLongInt& a) {
  return LongToStr(a, 10);
}

constexpr std::uint32_t kOnes = 0xFFFFFFFFu;

TEST(Magnitudes, LengthsCountOnlySignificantLimbs) {
  EXPECT_EQ(MagSigLen({}), 0u);
  EXPECT_EQ(MagSigLen({0, 0}), 0u);
  EXPECT_EQ(MagSigLen({5, 0, 0}), 1u);
  EXPECT_EQ(MagSigLen({0, 1, 0}), 2u);
  EXPECT_EQ(MagBitLen({0, 0}), 0u);
  EXPECT_EQ(MagBitLen({1}), 1u);
  EXPECT_EQ(MagBitLen({3, 0}), 2u);
  EXPECT_EQ(MagBitLen({0x80000000u}), 32u);
  EXPECT_EQ(MagBitLen({7, 1, 0}), 33u);
  EXPECT_TRUE(MagIsZero({}));
  EXPECT_TRUE(MagIsZero({0, 0, 0}));
  EXPECT_FALSE(MagIsZero({0, 0, 4}));
}

TEST(Magnitudes, CompareIgnoresZeroLimbsOnTop) {
  EXPECT_EQ(MagCompare({5, 0, 0}, {5}), 0);
  EXPECT_EQ(MagCompare({}, {0, 0}), 0);
  EXPECT_EQ(MagCompare({0, 1}, {kOnes}), 1);
  EXPECT_EQ(MagCompare({kOnes, 1}, {0, 2}), -1);
  EXPECT_EQ(MagCompare({3, 7}, {4, 7}), -1);
}

TEST(Magnitudes, AdditionGrowsOnlyWhenATopCarryIsPossible) {
  // 2^32 - 1 + 1.
  EXPECT_EQ(MagAdd({kOnes}, {1}), (TInt{0, 1}));
  // The carry runs through every limb of ones.
  EXPECT_EQ(MagAdd({kOnes, kOnes, kOnes}, {1}), (TInt{0, 0, 0, 1}));
  // Equal lengths: only the shorter operand's top limb has its high bit set.
  EXPECT_EQ(MagAdd({kOnes, 0x7FFFFFFFu}, {1, 0x80000000u}), (TInt{0, 0, 1}));
  // A spare zero limb takes the carry without growing.
  EXPECT_EQ(MagAdd({kOnes, kOnes, 0}, {1}), (TInt{0, 0, 1}));
  // No top bit set: no growth.
  EXPECT_EQ(MagAdd({5, 0x7FFFFFFFu}, {1}), (TInt{6, 0x7FFFFFFFu}));
  // A zero operand gives the other one unchanged, zero limbs on top included.
  EXPECT_EQ(MagAdd({5, 0, 0}, {0}), (TInt{5, 0, 0}));
  EXPECT_EQ(MagAdd({}, {0, 9, 0}), (TInt{0, 9, 0}));
  EXPECT_TRUE(MagIsZero(MagAdd({}, {0})));
}

TEST(Magnitudes, NineteenDigitNumbersAtOrAbove2To63TakeACarry) {
  const TLongInt a = L("9223372036854775808");  // 2^63
  ASSERT_EQ(a.digits, (TInt{0, 0x80000000u}));
  const TLongInt sum = LongAdd(a, L("1"));
  EXPECT_EQ(S(sum), "9223372036854775809");
  const TLongInt big = L("9999999999999999999");
  EXPECT_EQ(big.digits.size(), 2u);
  const TLongInt doubled = LongAdd(big, big);
  EXPECT_EQ(S(doubled), "19999999999999999998");
  EXPECT_EQ(doubled.digits.size(), 3u);
}

TEST(Magnitudes, SubtractionGivesTheLargerMinusTheSmaller) {
  EXPECT_EQ(MagSub({5}, {5, 0}), (TInt{0}));
  EXPECT_EQ(MagSub({3}, {5}), (TInt{2}));
  EXPECT_EQ(MagSub({5, 0, 0}, {}), (TInt{5, 0, 0}));
  EXPECT_EQ(MagSub({}, {7}), (TInt{7}));
  // The borrow runs through every zero limb: 2^96 - 1.
  EXPECT_EQ(MagSub({0, 0, 0, 1}, {1}), (TInt{kOnes, kOnes, kOnes, 0}));
  const MagSigned equal = MagDiff({5}, {5});
  EXPECT_EQ(equal.magnitude, (TInt{0}));
  EXPECT_EQ(equal.sign, 1);
  const MagSigned below = MagDiff({3}, {5});
  EXPECT_EQ(below.magnitude, (TInt{2}));
  EXPECT_EQ(below.sign, -1);
  EXPECT_EQ(MagDiff({0, 1}, {1}).sign, 1);
}

TEST(Magnitudes, ProductsAreSizedFromTheBitLengths) {
  EXPECT_EQ(MagMul({}, {5}), TInt{});
  EXPECT_EQ(MagMul({7, 0}, {0, 0}), TInt{});
  EXPECT_EQ(MagMul({3, 0, 0}, {5, 0}), (TInt{15}));
  // (2^32 - 1)^2 = 2^64 - 2^33 + 1 needs 64 bits.
  EXPECT_EQ(MagMul({kOnes}, {kOnes}), (TInt{1, 0xFFFFFFFEu}));
  // 2^32 * 2 needs 34 bits.
  EXPECT_EQ(MagMul({0, 1}, {2}), (TInt{0, 2}));
}

TEST(Magnitudes, DivisionCasesAndTheirLayouts) {
  // One-limb divisor: the quotient is the dividend cut to its significant length.
  MagQuotRem qr = MagDivMod({10, 0, 0}, {3, 0});
  EXPECT_EQ(qr.quotient, (TInt{3}));
  EXPECT_EQ(qr.remainder, (TInt{1}));
  qr = MagDivMod({0, 0}, {3});
  EXPECT_EQ(qr.quotient, TInt{});
  EXPECT_EQ(qr.remainder, (TInt{0}));
  // Division by zero is not an error.
  qr = MagDivMod({10}, {0, 0});
  EXPECT_EQ(qr.quotient, TInt{});
  EXPECT_EQ(qr.remainder, TInt{});
  qr = MagDivMod({}, {0, 5});
  EXPECT_EQ(qr.quotient, TInt{});
  EXPECT_EQ(qr.remainder, TInt{});
  // A smaller dividend is the remainder; an equal one gives 1.
  qr = MagDivMod({7, 3, 0}, {0, 4});
  EXPECT_EQ(qr.quotient, (TInt{0}));
  EXPECT_EQ(qr.remainder, (TInt{7, 3, 0}));
  qr = MagDivMod({7, 3}, {7, 3, 0});
  EXPECT_EQ(qr.quotient, (TInt{1}));
  EXPECT_EQ(qr.remainder, TInt{});
  // Longer divisors: the quotient keeps the dividend's length, the remainder
  // has room for one bit more than the divisor.
  qr = MagDivMod({5, 0, 9, 0}, {0, 2});  // (9 * 2^64 + 5) / 2^33
  EXPECT_EQ(qr.quotient, (TInt{0x80000000u, 4, 0, 0}));
  EXPECT_EQ(qr.remainder, (TInt{5, 0}));
  qr = MagDivMod({0, 0, 1}, {kOnes, kOnes});  // 2^64 / (2^64 - 1)
  EXPECT_EQ(qr.quotient, (TInt{1, 0, 0}));
  EXPECT_EQ(qr.remainder, (TInt{1, 0, 0}));
  EXPECT_EQ(MagDiv({0, 0, 1}, {kOnes, kOnes}), (TInt{1, 0, 0}));
}

TEST(LongIntegers, SignedSumsAndDifferences) {
  EXPECT_EQ(S(LongAdd(L("-3"), L("5"))), "2");
  EXPECT_EQ(S(LongAdd(L("3"), L("-5"))), "-2");
  EXPECT_EQ(S(LongAdd(L("-3"), L("-5"))), "-8");
  EXPECT_EQ(S(LongSub(L("3"), L("5"))), "-2");
  EXPECT_EQ(S(LongSub(L("-3"), L("-5"))), "2");
  EXPECT_EQ(S(LongSub(L("-3"), L("5"))), "-8");
  EXPECT_EQ(S(LongSub(L("3"), L("-5"))), "8");
  const TLongInt zero = LongSub(L("5"), L("5"));
  EXPECT_EQ(zero.sign, 1);
  EXPECT_TRUE(MagIsZero(zero.digits));
  // Two negative zeros add to a negative zero, which still prints as 0.
  const TLongInt neg_zero = LongAdd(L("-0"), L("-0"));
  EXPECT_EQ(neg_zero.sign, -1);
  EXPECT_EQ(S(neg_zero), "0");
  EXPECT_EQ(S(LongSub(L("4294967296"), L("1"))), "4294967295");
}

TEST(LongIntegers, ProductSignFollowsTheOperands) {
  const TLongInt p = LongMul(L("0"), L("-3"));
  EXPECT_EQ(p.sign, -1);
  EXPECT_EQ(S(p), "0");
  EXPECT_EQ(S(LongMul(L("-4"), L("5"))), "-20");
  EXPECT_EQ(S(LongMul(L("-4"), L("-5"))), "20");
  EXPECT_EQ(S(LongMul(L("4294967296"), L("4294967296"))), "18446744073709551616");
}

TEST(LongIntegers, DivisionTruncatesTowardZero) {
  struct Case {
    const char* a;
    const char* b;
    const char* q;
    const char* r;
  };
  for (const Case& c :
       {Case{"7", "-2", "-3", "1"}, Case{"-7", "2", "-3", "-1"}, Case{"-7", "-2", "3", "-1"},
        Case{"7", "2", "3", "1"}, Case{"123", "0", "0", "0"}, Case{"-1", "2", "0", "-1"},
        Case{"36893488147419103232", "-4294967296", "-8589934592", "0"}}) {
    const LongQuotRem qr = LongDivMod(L(c.a), L(c.b));
    EXPECT_EQ(S(qr.quotient), c.q) << c.a << " / " << c.b;
    EXPECT_EQ(S(qr.remainder), c.r) << c.a << " / " << c.b;
  }
  // Zero quotients and remainders keep the signs of the rules.
  LongQuotRem qr = LongDivMod(L("-1"), L("2"));
  EXPECT_EQ(qr.quotient.sign, -1);
  qr = LongDivMod(L("-6"), L("3"));
  EXPECT_EQ(qr.remainder.sign, -1);
  qr = LongDivMod(L("5"), L("-0"));
  EXPECT_EQ(qr.quotient.sign, -1);
  EXPECT_EQ(qr.remainder.sign, 1);
}

TEST(LongIntegers, Comparisons) {
  EXPECT_EQ(LongCompare(L("-5"), L("5")), -1);
  EXPECT_EQ(LongCompare(L("5"), L("-5")), 1);
  EXPECT_EQ(LongCompare(L("-0"), L("0")), 0);
  EXPECT_EQ(LongCompare(L("0"), L("-0")), 0);
  EXPECT_EQ(LongCompare(L("-0"), L("-5")), 1);
  EXPECT_EQ(LongCompare(L("-7"), L("-5")), -1);
  EXPECT_EQ(LongCompare(L("18446744073709551616"), L("18446744073709551615")), 1);
  EXPECT_EQ(LongCompare(L("18446744073709551615"), L("18446744073709551616")), -1);
  EXPECT_EQ(LongCompareInt(L("-7"), -7), 0);
  EXPECT_EQ(LongCompareInt(L("-7"), -8), 1);
  EXPECT_EQ(LongCompareInt(L("4294967296"), std::numeric_limits<std::int32_t>::max()), 1);
  EXPECT_EQ(LongCompareInt(L("-0"), 0), 0);
  // The magnitude of the most negative 32-bit integer cannot be formed.
  EXPECT_THROW(LongCompareInt(L("1"), std::numeric_limits<std::int32_t>::min()), EIntOverflow);
}

TEST(LongIntegers, PowersFollowTheProductSigns) {
  EXPECT_EQ(S(LongPow(L("2"), 10)), "1024");
  EXPECT_EQ(S(LongPow(L("7"), 0)), "1");
  EXPECT_EQ(S(LongPow(L("0"), 0)), "1");
  EXPECT_EQ(S(LongPow(L("-3"), 3)), "-27");
  EXPECT_EQ(S(LongPow(L("-3"), 4)), "81");
  EXPECT_EQ(S(LongPow(L("2"), 100)), "1267650600228229401496703205376");
  const TLongInt z = LongPow(L("-0"), 3);
  EXPECT_EQ(z.sign, -1);
  EXPECT_EQ(S(z), "0");
  EXPECT_EQ(LongPow(L("-0"), 2).sign, 1);
}

}  // namespace
}  // namespace orv
