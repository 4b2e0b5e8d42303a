// Spoken words are real speech made by espeak-ng: audible, of a word's
// length, and stored in the same form as a recorded word.
#include "scores/sound/speech.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "scores/sound/soundsamples.h"
#include "scores/sound/wavdecoder.h"

namespace orv {
namespace {

TEST(Speech, AnOrdinaryWordIsAudibleSpeechOfAWordsLength) {
  ASSERT_TRUE(Speaker::Shared().Ready());
  for (const char* word : {"cat", "house", "elephant", "because", "Straße"}) {
    SCOPED_TRACE(word);
    const std::optional<std::string> wav = SpokenWav(word, word[0] == 'S' ? "de" : "en");
    ASSERT_TRUE(wav.has_value());
    const std::optional<DecodedSound> sound = DecodeWav(*wav);
    ASSERT_TRUE(sound.has_value());
    EXPECT_EQ(sound->channels, 1);
    EXPECT_EQ(sound->sampleRate, Speaker::Shared().SampleRate());
    const double seconds = static_cast<double>(sound->frames) / sound->sampleRate;
    EXPECT_GT(seconds, 0.2);
    EXPECT_LT(seconds, 3.0);
    EXPECT_GT(PeakLevel(sound->samples), 0.1);
    // Already trimmed: trimming again takes nothing away.
    EXPECT_EQ(TrimSilence(sound->samples, sound->sampleRate).size(), sound->samples.size());
  }
}

TEST(Speech, VoicesAreChosenByLanguageAndAnUnknownOneGivesTheDefault) {
  const Speaker& speaker = Speaker::Shared();
  for (const char* language : {"en-gb", "en-us", "de", "fr-fr"}) {
    EXPECT_TRUE(std::any_of(speaker.Voices().begin(), speaker.Voices().end(),
                            [&](const SpeechVoice& v) { return v.language == language; }))
        << language;
  }
  const struct {
    const char* asked;
    const char* speaking;
  } cases[] = {{"fr", "fr"}, {"fr-fr", "fr-fr"},      {"en", "en"},
               {"e", "en"},  {"no-such-voice", "en"}, {"", "en"}};
  for (const auto& c : cases) EXPECT_EQ(speaker.VoiceFor(c.asked), c.speaking) << c.asked;
  // The voice really changes: French says this number in about two thirds
  // of the time English takes.
  const auto english = Speaker::Shared().Synthesise("1234567", "en");
  const auto french = Speaker::Shared().Synthesise("1234567", "fr");
  ASSERT_TRUE(english && french);
  EXPECT_GT(static_cast<double>(english->size()), 1.25 * static_cast<double>(french->size()));
  EXPECT_FALSE(SpokenWav("", "en").has_value());
}

TEST(Speech, EnglishVoicesReadTheSignsOfASum) {
  const struct {
    const char* prompt;
    const char* voice;
    const char* spoken;
  } cases[] = {
      {"7/2", "en", "7 divided by 2"},
      {"12+7", "en-gb", "12 plus 7"},
      {"3*4-1", "en", "3 times 4 minus 1"},
      {"2^3", "en-us", "2 to the power of 3"},
      {"2 x 10", "en", "2  times  10"},
      {"9x(1+2)", "en", "9 times (1 plus 2)"},
      {"box x", "en", "box x"},
      {"7/2", "de", "7/2"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(SpokenPrompt(c.prompt, c.voice), c.spoken) << c.prompt << " " << c.voice;
  }
}

}  // namespace
}  // namespace orv
