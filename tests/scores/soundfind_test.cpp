// Finding a word in the sound list: from a row on, whole or leading part,
// with or without regard to case (letters beyond a-z included).
#include "scores/soundfind.h"

#include <gtest/gtest.h>

namespace orv {
namespace {

const std::vector<std::string> kNames = {"ant", "Apple", "apricot", "Éclair", "éclat", "banana"};

TEST(SoundFind, LeadingPartOrWholeName) {
  EXPECT_EQ(FindName(kNames, "ap", 0, {}), 1);
  EXPECT_EQ(FindName(kNames, "ap", 2, {}), 2);
  EXPECT_EQ(FindName(kNames, "ap", 3, {}), -1);
  EXPECT_EQ(FindName(kNames, "ap", 0, {false, true}), -1);
  EXPECT_EQ(FindName(kNames, "APPLE", 0, {false, true}), 1);
  EXPECT_EQ(FindName(kNames, "nana", 0, {}), -1);
}

TEST(SoundFind, CaseCountsOnlyWhenAskedAndCoversAccentedLetters) {
  EXPECT_EQ(FindName(kNames, "ÉCL", 0, {}), 3);
  EXPECT_EQ(FindName(kNames, "ÉCL", 4, {}), 4);
  EXPECT_EQ(FindName(kNames, "écl", 0, {true, false}), 4);
  EXPECT_EQ(FindName(kNames, "apple", 0, {true, true}), -1);
  EXPECT_EQ(FindName(kNames, "Apple", 0, {true, true}), 1);
}

TEST(SoundFind, StartsAtTheFirstRowWhateverTheStartGiven) {
  EXPECT_EQ(FindName(kNames, "ant", -5, {}), 0);
  EXPECT_EQ(FindName(kNames, "ant", 99, {}), -1);
  EXPECT_EQ(FindName({}, "ant", 0, {}), -1);
}

}  // namespace
}  // namespace orv
