#pragma once
// Spoken words: espeak-ng synthesises a text into memory, offline; the sound
// is played or stored like a recorded one.
#include <cstdint>
#include <mutex>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace orv {

// The voice a user starts with.
inline constexpr char kDefaultVoice[] = "en";

struct SpeechVoice {
  std::string language;  // what the settings keep, "en-gb", "fr", …
  std::string name;      // what a person reads, "English_(Great_Britain)"
};

// espeak-ng keeps one synthesiser for the whole process: this object owns
// it, starting it on first use and ending it when the program ends.
class Speaker {
 public:
  static Speaker& Shared();
  ~Speaker();
  Speaker(const Speaker&) = delete;
  Speaker& operator=(const Speaker&) = delete;

  // False when espeak-ng could not start (its data missing, for instance).
  bool Ready() const { return sampleRate_ > 0; }
  int SampleRate() const { return sampleRate_; }
  // The text spoken by the voice (a language such as "en" or "de"; an
  // unknown one speaks with the default voice), one channel of 16-bit
  // samples; std::nullopt when nothing could be synthesised. espeak-ng
  // varies its intonation a little from one call to the next.
  std::optional<std::vector<std::int16_t>> Synthesise(std::string_view text,
                                                      const std::string& voice);
  // The voices espeak-ng has, one for each language, sorted by language.
  const std::vector<SpeechVoice>& Voices() const { return voices_; }
  // The language that speaks for the one asked for: itself when a voice
  // has it ("fr" is had by "fr-fr" too), else the default.
  std::string VoiceFor(const std::string& language) const;

 private:
  Speaker();

  std::mutex mutex_;
  int sampleRate_ = 0;
  std::vector<SpeechVoice> voices_;
};

// The text spoken by the voice as a WAV image (16-bit PCM, one channel,
// silence before and after cut); std::nullopt when it could not be spoken.
std::optional<std::string> SpokenWav(std::string_view text, const std::string& voice);

// Speaks the text through the program's sound output (as PlayWav plays a
// stored sound); false when it could not be spoken.
bool SpeakNow(std::string_view text, const std::string& voice);

// A prompt as an English voice should read it: the signs of a sum as words
// ("7/2" is "7 divided by 2"). Other voices read the prompt as it stands.
std::string SpokenPrompt(std::string_view prompt, std::string_view voice);

}  // namespace orv
