// What the sound output really plays, recorded from a private sound server:
// a new word cuts off the word still playing, but not the beep beside it,
// and a sound cut off by nothing plays out whole.
#include "scores/sound/wavplayer.h"

#include <gtest/gtest.h>

#include <cstdlib>

#include "scores/sound/beeptone.h"
#include "support/null_sink_server.h"
#include "support/sound_recording.h"

namespace orv::test {
namespace {

std::string Tone(const TempDir& dir, int hertz, double seconds) {
  const std::string file = dir.Str() + std::to_string(hertz) + ".wav";
  const std::string sox = "sox -n -r 22050 -c 1 -b 16 '" + file + "' synth " +
                          std::to_string(seconds) + " sine " + std::to_string(hertz) +
                          " vol 0.5 2>&1";
  EXPECT_EQ(std::system(sox.c_str()), 0);
  return dir.Read(std::to_string(hertz) + ".wav");
}

TEST(PlayedSounds, ANewWordCutsOffTheWordPlayingButNotTheBeep) {
  TempDir dir;
  NullSinkServer server(dir);
  ASSERT_TRUE(server.Ready());
  const std::string first = Tone(dir, 440, 1.0);
  const std::string second = Tone(dir, 1760, 0.5);
  SoundRecording recording(dir);
  ASSERT_TRUE(recording.Started());
  ASSERT_TRUE(PlayWav(first));
  RunEvents(100);
  PlayBeepTone();
  RunEvents(300);
  ASSERT_TRUE(PlayWav(second));
  const std::vector<std::int16_t> samples = recording.Stop();

  const std::vector<HeardSound> cut = HeardTone(samples, 440);
  ASSERT_EQ(cut.size(), 1u) << Describe(cut);
  EXPECT_GT(cut[0].seconds, 0.3);
  EXPECT_LT(cut[0].seconds, 0.9);
  const std::vector<HeardSound> beep = HeardTone(samples, 880);
  ASSERT_EQ(beep.size(), 1u) << Describe(beep);
  EXPECT_GT(beep[0].seconds, 0.07);
  EXPECT_GT(beep[0].start, cut[0].start);
  const std::vector<HeardSound> whole = HeardTone(samples, 1760);
  ASSERT_EQ(whole.size(), 1u) << Describe(whole);
  EXPECT_GT(whole[0].seconds, 0.45);
  EXPECT_GT(whole[0].start, beep[0].start);
}

}  // namespace
}  // namespace orv::test
