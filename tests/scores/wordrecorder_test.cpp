// Recording a word through Qt Multimedia's real capture path: the
// microphone hears what the program plays into a private null sink. Qt
// reads the sound server once per process; ctest runs each test in a
// process of its own, as the recording test needs.
#include "scores/sound/wordrecorder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>

#include "score_db_fixture.h"
#include "scores/scoredatabase.h"
#include "scores/sound/soundsamples.h"
#include "scores/sound/wavdecoder.h"
#include "scores/sound/wavplayer.h"
#include "scores/soundstore.h"
#include "support/null_sink_server.h"

namespace orv::test {
namespace {

class Recording : public ScoreDbTest {
 protected:
  void SetUp() override {
    ScoreDbTest::SetUp();
    NewDatabase();
  }
};

TEST_F(Recording, AWordPlayedIntoTheMicrophoneIsRecordedTrimmedAndStoredWhole) {
  NullSinkServer server(dir);
  ASSERT_TRUE(server.Ready());
  ASSERT_TRUE(WordRecorder::HasMicrophone());

  // The "word": 0.4 s of a tone, between stretches of silence.
  const std::string tone = dir.Str() + "tone.wav";
  const std::string sox =
      "sox -n -r 22050 -c 1 -b 16 '" + tone + "' synth 0.4 sine 440 vol 0.5 pad 0.3 0.3 2>&1";
  ASSERT_EQ(std::system(sox.c_str()), 0);

  WordRecorder recorder;
  double loudest = 0;
  QObject::connect(&recorder, &WordRecorder::Level,
                   [&](double level) { loudest = std::max(loudest, level); });
  ASSERT_TRUE(recorder.Start());
  EXPECT_TRUE(recorder.Recording());
  RunEvents(300);
  ASSERT_TRUE(PlayWav(dir.Read("tone.wav")));
  // The null sink passes the sound on late (over a second): the recording
  // goes on until the tone has come and gone again.
  bool heard = false;
  bool gone = false;
  QObject::connect(&recorder, &WordRecorder::Level, [&](double level) {
    heard = heard || level > 0.2;
    gone = heard && level < 0.01;
  });
  RunEventsUntil([&] { return gone; });
  RunEvents(200);
  recorder.Stop();
  EXPECT_FALSE(recorder.Recording());
  EXPECT_GT(loudest, 0.2);

  const std::optional<std::string> wav = recorder.TrimmedWav();
  ASSERT_TRUE(wav.has_value());
  const std::optional<DecodedSound> word = DecodeWav(*wav);
  ASSERT_TRUE(word.has_value());
  EXPECT_EQ(word->channels, 1);
  // The silence around the tone is gone, the tone is all there.
  const double seconds = static_cast<double>(word->frames) / word->sampleRate;
  EXPECT_GT(seconds, 0.38);
  EXPECT_LT(seconds, 0.55);
  // What was recorded held silence besides (a fifth of a second at least).
  EXPECT_GT(recorder.Samples().size(),
            static_cast<std::size_t>(word->frames + word->sampleRate / 5));

  ScoreDatabase database(dialogs, host);
  SoundStore sounds(database, dialogs);
  ASSERT_TRUE(sounds.StoreWav("recorded", *wav));
  EXPECT_EQ(sounds.SoundOf("Recorded"), wav);
}

// In a process of its own (the test program started again), so that no
// earlier test has shown Qt a sound server.
TEST(RecordingDeathTest, WithoutASoundServerThereIsNoMicrophone) {
  GTEST_FLAG_SET(death_test_style, "threadsafe");
  const TempDir nowhere;
  EXPECT_EXIT(
      {
        ::setenv("PULSE_SERVER", ("unix:" + nowhere.Str() + "none").c_str(), 1);
        WordRecorder recorder;
        const bool none = !WordRecorder::HasMicrophone() && !recorder.Start() &&
                          !recorder.Recording() && !recorder.TrimmedWav();
        std::exit(none ? 0 : 1);
      },
      ::testing::ExitedWithCode(0), "");
}

}  // namespace
}  // namespace orv::test
