#include "numbers/limbs.h"

#include <gmp.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <random>

namespace orv::limbs {
namespace {

TEST(Scratch, LimbsTakenStayPutWhileDeeperCallsTakeMore) {
  Scratch s(16);
  Scratch::Frame outer(s);
  Limb* kept = outer.Take(10);
  std::fill(kept, kept + 10, Limb{7});
  Limb* first_inner = nullptr;
  {
    Scratch::Frame inner(s);
    // Far more than the expected size: new blocks, and the old one stays where it is.
    first_inner = inner.Take(1000);
    std::fill(first_inner, first_inner + 1000, Limb{1});
    Limb* more = inner.Take(5000);
    std::fill(more, more + 5000, Limb{2});
  }
  EXPECT_TRUE(std::all_of(kept, kept + 10, [](Limb x) { return x == 7; }));
  // A closed frame gives its limbs back: the next frame gets the same ones.
  Scratch::Frame again(s);
  EXPECT_EQ(again.Take(1000), first_inner);
}

static_assert(sizeof(Limb) == sizeof(mp_limb_t));

mp_limb_t* G(Limb* p) {
  return reinterpret_cast<mp_limb_t*>(p);
}

// The one-limb loops against GMP's: every length up to three groups of four
// and a single limb over, runs of all-ones limbs and multipliers (the longest
// carries), results in place where the callers put them.
TEST(LimbLoopsVsGmp, EveryLengthAndTheLongestCarries) {
  std::mt19937_64 gen(51);
  const auto fill = [&gen](Limbs& x, int shape) {
    for (auto& v : x) v = shape == 0 ? gen() : shape == 1 ? ~Limb{0} : (gen() % 3 == 0 ? gen() : 0);
  };
  for (std::size_t n = 1; n <= 13; ++n) {
    for (int shape = 0; shape < 3; ++shape) {
      for (const Limb m : {Limb{0}, Limb{1}, ~Limb{0}, Limb{gen()}}) {
        Limbs a(n), b(n);
        fill(a, shape);
        fill(b, (shape + 1) % 3);
        Limbs ours = b, ref = b;
        ASSERT_EQ(AddMul1(ours.data(), a.data(), n, m),
                  mpn_addmul_1(G(ref.data()), G(a.data()), n, m));
        ASSERT_EQ(ours, ref) << n << " limbs";
        ours = b, ref = b;
        ASSERT_EQ(SubMul1(ours.data(), a.data(), n, m),
                  mpn_submul_1(G(ref.data()), G(a.data()), n, m));
        ASSERT_EQ(ours, ref) << n << " limbs";
        ASSERT_EQ(Mul1(ours.data(), a.data(), n, m), mpn_mul_1(G(ref.data()), G(a.data()), n, m));
        ASSERT_EQ(ours, ref) << n << " limbs";
        ours = a, ref = a;
        ASSERT_EQ(AddN(ours.data(), ours.data(), b.data(), n),
                  mpn_add_n(G(ref.data()), G(ref.data()), G(b.data()), n));
        ASSERT_EQ(ours, ref) << n << " limbs";
        ASSERT_EQ(SubN(ours.data(), b.data(), ours.data(), n),
                  mpn_sub_n(G(ref.data()), G(b.data()), G(ref.data()), n));
        ASSERT_EQ(ours, ref) << n << " limbs";
      }
    }
  }
}

}  // namespace
}  // namespace orv::limbs
