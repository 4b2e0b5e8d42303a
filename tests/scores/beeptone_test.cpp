// The beep is a short, audible tone that the sound output can decode.
#include "scores/sound/beeptone.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>

#include "scores/sound/wavdecoder.h"

namespace orv {
namespace {

TEST(BeepTone, ATenthOfASecondOfAudibleToneFadedAtBothEnds) {
  const std::optional<DecodedSound> tone = DecodeWav(BeepToneWav());
  ASSERT_TRUE(tone.has_value());
  EXPECT_EQ(tone->frames * 10, tone->sampleRate * tone->channels);
  int peak = 0;
  for (std::int16_t s : tone->samples) peak = std::max(peak, std::abs(int{s}));
  EXPECT_GT(peak, 8000);
  EXPECT_LT(std::abs(int{tone->samples.front()}), 100);
  EXPECT_LT(std::abs(int{tone->samples.back()}), 100);
}

}  // namespace
}  // namespace orv
