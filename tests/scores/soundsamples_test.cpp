// The samples of a recording: trimmed of silence, mixed to one channel,
// measured for the level meter, and written as a WAV file that sox and
// libsndfile read back unchanged. The sounds are made with sox.
#include "scores/sound/soundsamples.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>

#include "scores/sound/wavdecoder.h"
#include "scores/sound/wavwriter.h"
#include "support/temp_dir.h"

namespace orv {
namespace {

// A 16-bit mono sound that sox makes from its arguments (after "-n").
DecodedSound Sox(const test::TempDir& dir, const std::string& effects) {
  const std::string file = dir.Str() + "made.wav";
  const std::string command = "sox -n -r 16000 -c 1 -b 16 '" + file + "' " + effects + " 2>&1";
  EXPECT_EQ(std::system(command.c_str()), 0) << command;
  std::optional<DecodedSound> sound = DecodeWav(dir.Read("made.wav"));
  EXPECT_TRUE(sound.has_value()) << effects;
  return sound.value_or(DecodedSound{});
}

TEST(SoundSamples, SilenceBeforeAndAfterIsCutWithAMarginKept) {
  test::TempDir dir;
  constexpr int kRate = 16000;
  constexpr int kMargin = 3 * kRate / 100;
  const struct {
    const char* effects;
    int hiss;    // the amplitude of a hiss added throughout
    int frames;  // expected after trimming
  } cases[] = {
      // A word of 0.3 s between half a second and 0.4 s of silence.
      {"synth 0.3 sine 440 pad 0.5 0.4", 0, 3 * kRate / 10 + 2 * kMargin},
      // A microphone's hiss below the threshold counts as silence too.
      {"synth 0.3 sine 440 pad 0.5 0.4", kSilenceLevel / 2, 3 * kRate / 10 + 2 * kMargin},
      // No silence at the start: nothing to cut there.
      {"synth 0.25 sine 300 pad 0 0.2", 0, kRate / 4 + kMargin},
      {"synth 0.5 sine 440 vol 0", kSilenceLevel / 2, 0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.effects);
    DecodedSound sound = Sox(dir, c.effects);
    unsigned noise = 12345;
    for (std::int16_t& s : sound.samples) {
      noise = noise * 1103515245u + 12345u;
      const int hiss = c.hiss == 0 ? 0 : static_cast<int>((noise >> 16) % (2 * c.hiss)) - c.hiss;
      s = static_cast<std::int16_t>(std::clamp(s + hiss, -32768, 32767));
    }
    const std::vector<std::int16_t> trimmed = TrimSilence(sound.samples, kRate);
    // The cut falls on the 10 ms stretches the sound is measured in.
    EXPECT_NEAR(static_cast<double>(trimmed.size()), c.frames, kRate / 100.0);
  }
}

TEST(SoundSamples, ChannelsAreMixedAndTheLevelIsTheLoudestSample) {
  const std::vector<std::int16_t> stereo = {1000, 3000, -32768, -32768, 32767, -32767, 7, 8};
  EXPECT_EQ(MixToMono(stereo, 2), (std::vector<std::int16_t>{2000, -32768, 0, 7}));
  EXPECT_EQ(MixToMono(stereo, 1), stereo);
  EXPECT_EQ(MixToMono(stereo, 4), (std::vector<std::int16_t>{-15384, 3}));
  EXPECT_DOUBLE_EQ(PeakLevel(stereo), 1.0);
  EXPECT_NEAR(PeakLevel(std::vector<std::int16_t>{-100, 16384, 3}), 0.5, 1e-4);
  EXPECT_EQ(PeakLevel({}), 0.0);
}

TEST(SoundSamples, AWrittenWavReadsBackAsTheSamplesAndSoxAgrees) {
  test::TempDir dir;
  const DecodedSound sound = Sox(dir, "synth 0.2 sine 440 sine 660");
  const std::string wav = MonoWav(sound.samples, 16000);
  const std::optional<DecodedSound> back = DecodeWav(wav);
  ASSERT_TRUE(back.has_value());
  EXPECT_EQ(back->sampleRate, 16000);
  EXPECT_EQ(back->channels, 1);
  EXPECT_EQ(back->samples, sound.samples);
  // Byte for byte the file sox itself writes for these samples.
  EXPECT_EQ(wav, dir.Read("made.wav"));
}

}  // namespace
}  // namespace orv
