#include "numbers/limbs.h"

#include <gtest/gtest.h>

#include <algorithm>

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

}  // namespace
}  // namespace orv::limbs
