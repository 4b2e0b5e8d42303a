#include "numbers/fractions.h"

#include <gtest/gtest.h>

#include "lists/math.h"
#include "numbers/gmp_reference.h"

namespace orv {
namespace {

using testing::Mpz;
using testing::RandomOperands;

TFrac F(std::string_view text) {
  return StrToFrac(text);
}
std::string S(const TFrac& f) {
  return FracToStr(f);
}
TLongInt L(std::string_view text) {
  return StrToLong(text, 10);
}

TEST(Fractions, SumsInLowestTermsAndMixedForm) {
  EXPECT_EQ(S(FracAdd(F("1/2"), F("1/3"))), "5/6");
  EXPECT_EQ(S(FracAdd(F("1/2"), F("1/2"))), "1");
  EXPECT_EQ(S(FracAdd(F("3/4"), F("3/4"))), "1 1/2");
  EXPECT_EQ(S(FracAdd(F("-1/2"), F("-1/4"))), "-3/4");
  EXPECT_EQ(S(FracAdd(F("-1/2"), F("1/4"))), "-1/4");
  EXPECT_EQ(S(FracAdd(F("1/4"), F("-1/2"))), "-1/4");
  EXPECT_EQ(S(FracAdd(F("2 1/3"), F("1 5/6"))), "4 1/6");
  EXPECT_EQ(S(FracAdd(F("2/4"), F("0"))), "1/2");
}

TEST(Fractions, DifferencesBySignAndSize) {
  EXPECT_EQ(S(FracSub(F("1 1/2"), F("2 1/4"))), "-3/4");
  EXPECT_EQ(S(FracSub(F("2 1/4"), F("1 1/2"))), "3/4");
  EXPECT_EQ(S(FracSub(F("3/4"), F("3/4"))), "0");
  EXPECT_EQ(S(FracSub(F("-1"), F("-3"))), "2");
  EXPECT_EQ(S(FracSub(F("-3"), F("-1"))), "-2");
  EXPECT_EQ(S(FracSub(F("-1/2"), F("1/2"))), "-1");
  EXPECT_EQ(S(FracSub(F("1/2"), F("-1/3"))), "5/6");
  // The numerator is larger but the whole part smaller.
  EXPECT_EQ(S(FracSub(F("1 3/4"), F("2 1/4"))), "-1/2");
  EXPECT_EQ(FracSub(F("3/4"), F("3/4")).sign, 1);
  // Equal values reached through the improper form are a positive zero too.
  EXPECT_EQ(FracSub(F("1 1/4"), F("5/4")).sign, 1);
}

TEST(Fractions, ProductsAndQuotientsAreNotReduced) {
  EXPECT_EQ(S(FracMul(F("1/2"), F("2/3"))), "2/6");
  EXPECT_EQ(S(FracDiv(F("2/3"), F("4/5"))), "10/12");
  EXPECT_EQ(S(FracDiv(F("2/3"), F("2/3"))), "1");
  EXPECT_EQ(S(FracMul(F("-1/2"), F("1/2"))), "-1/4");
  EXPECT_EQ(S(FracMul(F("-1/2"), F("-1/2"))), "1/4");
  // Operands are reduced first: 2/4 is taken as 1/2.
  EXPECT_EQ(S(FracMul(F("2/4"), F("1/3"))), "1/6");
  EXPECT_EQ(S(FracMul(F("1 1/2"), F("1 1/2"))), "2 1/4");
  EXPECT_EQ(S(FracMul(F("1/2"), F("3"))), "1 1/2");
}

TEST(Fractions, ZeroDenominatorsPrintTheWholePart) {
  const TFrac q = FracDiv(F("3"), F("0"));
  EXPECT_EQ(S(q), "0");
  EXPECT_TRUE(MagIsZero(q.denominator));
  EXPECT_EQ(S(F("3/0")), "0");
  EXPECT_TRUE(MagIsZero(F("3/0").denominator));
  EXPECT_EQ(S(TFrac{1, {2}, {}, {5}}), "2");
  EXPECT_EQ(S(TFrac{-1, {2}, {0}, {5}}), "-2");
  EXPECT_EQ(S(TFrac{1, {7}, {3}, {}}), "7");
}

TEST(Fractions, ExactQuotientsOfWholeNumbers) {
  EXPECT_EQ(S(MakeFrac(L("7"), L("2"))), "3 1/2");
  EXPECT_EQ(S(MakeFrac(L("-7"), L("2"))), "-3 1/2");
  EXPECT_EQ(S(MakeFrac(L("6"), L("4"))), "1 1/2");
  EXPECT_EQ(S(MakeFrac(L("-1"), L("2"))), "-1/2");
  EXPECT_EQ(S(MakeFrac(L("10"), L("4"))), "2 1/2");
  EXPECT_EQ(S(MakeFrac(L("8"), L("-4"))), "-2");
  const TFrac zero = MakeFrac(L("0"), L("-3"));
  EXPECT_EQ(zero.sign, -1);
  EXPECT_EQ(S(zero), "0");
  const TFrac by_zero = MakeFrac(L("5"), L("0"));
  EXPECT_EQ(S(by_zero), "0");
  EXPECT_TRUE(MagIsZero(by_zero.denominator));
}

TEST(Fractions, GcdAndLcmRules) {
  EXPECT_EQ(MagGcd({12}, {18}), (TInt{6}));
  EXPECT_EQ(MagGcd({18}, {12}), (TInt{6}));
  EXPECT_EQ(MagGcd({5}, {}), (TInt{1}));
  EXPECT_EQ(MagGcd({}, {0, 0}), (TInt{1}));
  EXPECT_EQ(MagGcd({7}, {13}), (TInt{1}));
  EXPECT_EQ(MagLcm({4}, {6}), (TInt{12}));
  EXPECT_TRUE(MagIsZero(MagLcm({4}, {})));
}

TEST(Fractions, ReduceImproperAndMixedForms) {
  const TFrac r = FracReduce(TFrac{-1, {2}, {6}, {8}});
  EXPECT_EQ(r.sign, -1);
  EXPECT_EQ(r.whole, (TInt{2}));
  EXPECT_EQ(MagCompare(r.numerator, {3}), 0);
  EXPECT_EQ(MagCompare(r.denominator, {4}), 0);
  const TFrac unchanged = FracReduce(TFrac{1, {}, {}, {5}});
  EXPECT_EQ(MagCompare(unchanged.denominator, {5}), 0);
  const TFrac improper = FracToImproper(TFrac{1, {2}, {1}, {3}});
  EXPECT_TRUE(MagIsZero(improper.whole));
  EXPECT_EQ(MagCompare(improper.numerator, {7}), 0);
  const TFracL bare = ToFracL(TFrac{-1, {1}, {2}, {3}});
  const TFrac back = FromFracL(bare, -1);
  EXPECT_EQ(S(back), "-1 2/3");
}

// The exact value of a fraction with a nonzero denominator.
void ToMpq(const TFrac& f, mpq_t out) {
  Mpz num, den;
  mpz_mul(num.get(), Mpz(f.whole).get(), Mpz(f.denominator).get());
  mpz_add(num.get(), num.get(), Mpz(f.numerator).get());
  if (f.sign == -1) mpz_neg(num.get(), num.get());
  mpz_set(mpq_numref(out), num.get());
  mpz_set(mpq_denref(out), Mpz(f.denominator).get());
  mpq_canonicalize(out);
}

class Mpq {
 public:
  Mpq() { mpq_init(v_); }
  explicit Mpq(const TFrac& f) : Mpq() { ToMpq(f, v_); }
  Mpq(const Mpq&) = delete;
  Mpq& operator=(const Mpq&) = delete;
  ~Mpq() { mpq_clear(v_); }
  mpq_ptr get() { return v_; }
  mpq_srcptr get() const { return v_; }

 private:
  mpq_t v_;
};

TFrac RandomFraction(RandomOperands& rnd) {
  TFrac f;
  f.sign = rnd.Below(2) == 0 ? -1 : 1;
  if (rnd.Below(3) != 0) f.whole = rnd.Magnitude(1 + rnd.Below(4));
  f.numerator = rnd.Magnitude(1 + rnd.Below(4));
  f.denominator = rnd.Magnitude(1 + rnd.Below(4));
  if (MagIsZero(f.denominator)) f.denominator = {3};
  return f;
}

TEST(FractionsVsGmp, ArithmeticOnRandomFractions) {
  RandomOperands rnd(31);
  for (int i = 0; i < 1500; ++i) {
    const TFrac a = RandomFraction(rnd);
    const TFrac b = RandomFraction(rnd);
    const Mpq x(a), y(b);
    Mpq sum, diff, prod;
    mpq_add(sum.get(), x.get(), y.get());
    mpq_sub(diff.get(), x.get(), y.get());
    mpq_mul(prod.get(), x.get(), y.get());
    for (const auto& [r, ref, lowest] :
         {std::tuple{FracAdd(a, b), sum.get(), true}, std::tuple{FracSub(a, b), diff.get(), true},
          std::tuple{FracMul(a, b), prod.get(), false}}) {
      ASSERT_FALSE(MagIsZero(r.denominator));
      ASSERT_TRUE(mpq_equal(Mpq(r).get(), ref)) << "case " << i << ": " << S(a) << ", " << S(b);
      // Mixed form: the numerator is below the denominator.
      ASSERT_LT(MagCompare(r.numerator, r.denominator), 0);
      if (lowest && !MagIsZero(r.numerator)) {
        ASSERT_EQ(MagCompare(MagGcd(r.numerator, r.denominator), {1}), 0);
      }
    }
    // A product keeps the product of the reduced denominators.
    const TFrac p = FracMul(a, b);
    const TInt den = MagMul(FracReduce(a).denominator, FracReduce(b).denominator);
    ASSERT_EQ(MagCompare(p.denominator, den), 0) << "case " << i;
    if (!MagIsZero(b.numerator) || !MagIsZero(b.whole)) {
      Mpq quot;
      mpq_div(quot.get(), x.get(), y.get());
      ASSERT_TRUE(mpq_equal(Mpq(FracDiv(a, b)).get(), quot.get())) << "case " << i;
    }
  }
}

}  // namespace
}  // namespace orv
