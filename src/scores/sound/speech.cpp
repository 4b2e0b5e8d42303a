#include "scores/sound/speech.h"

#include <espeak-ng/speak_lib.h>

#include <algorithm>

#include "scores/sound/soundsamples.h"
#include "scores/sound/wavplayer.h"
#include "scores/sound/wavwriter.h"

namespace orv {
namespace {

// Slower than espeak-ng's own 175 words a minute: a child writes as it listens.
constexpr int kWordsPerMinute = 140;

int Collect(short* wav, int count, espeak_EVENT* events) {
  if (wav != nullptr && count > 0 && events != nullptr && events->user_data != nullptr) {
    auto* out = static_cast<std::vector<std::int16_t>*>(events->user_data);
    out->insert(out->end(), wav, wav + count);
  }
  return 0;
}

std::vector<SpeechVoice> ListVoices() {
  std::vector<SpeechVoice> voices;
  for (const espeak_VOICE** v = espeak_ListVoices(nullptr); v != nullptr && *v != nullptr; ++v) {
    const espeak_VOICE& voice = **v;
    // The languages are a list of a priority byte and a text each; the first names the voice.
    if (voice.languages == nullptr || voice.languages[0] == '\0') continue;
    const std::string language = voice.languages + 1;
    // MBROLA voices need their own data, which Debian ships apart.
    if (language.empty() || std::string_view(voice.identifier).starts_with("mb/")) continue;
    voices.push_back({language, voice.name != nullptr ? voice.name : language});
  }
  std::sort(voices.begin(), voices.end(),
            [](const SpeechVoice& a, const SpeechVoice& b) { return a.language < b.language; });
  voices.erase(std::unique(voices.begin(), voices.end(),
                           [](const SpeechVoice& a, const SpeechVoice& b) {
                             return a.language == b.language;
                           }),
               voices.end());
  return voices;
}

}  // namespace

Speaker& Speaker::Shared() {
  static Speaker speaker;
  return speaker;
}

Speaker::Speaker() {
  // Synchronous: espeak_Synth returns once the whole text is in memory, and
  // espeak-ng never opens an audio device of its own.
  const int rate =
      espeak_Initialize(AUDIO_OUTPUT_SYNCHRONOUS, 0, nullptr, espeakINITIALIZE_DONT_EXIT);
  if (rate <= 0) return;
  sampleRate_ = rate;
  espeak_SetSynthCallback(Collect);
  espeak_SetParameter(espeakRATE, kWordsPerMinute, 0);
  voices_ = ListVoices();
}

std::string Speaker::VoiceFor(const std::string& language) const {
  const bool known = std::any_of(voices_.begin(), voices_.end(), [&](const SpeechVoice& v) {
    return v.language == language || v.language.starts_with(language + "-");
  });
  return known ? language : kDefaultVoice;
}

Speaker::~Speaker() {
  if (Ready()) espeak_Terminate();
}

std::optional<std::vector<std::int16_t>> Speaker::Synthesise(std::string_view text,
                                                             const std::string& voice) {
  if (!Ready() || text.empty()) return std::nullopt;
  std::lock_guard lock(mutex_);
  // By language, not by name: a name such as "fr-fr" is not one espeak-ng knows.
  const std::string language = VoiceFor(voice);
  espeak_VOICE wanted{};
  wanted.languages = language.c_str();
  if (espeak_SetVoiceByProperties(&wanted) != EE_OK) return std::nullopt;
  const std::string zeroEnded(text);
  std::vector<std::int16_t> samples;
  if (espeak_Synth(zeroEnded.c_str(), zeroEnded.size() + 1, 0, POS_CHARACTER, 0, espeakCHARS_UTF8,
                   nullptr, &samples) != EE_OK) {
    return std::nullopt;
  }
  if (samples.empty()) return std::nullopt;
  return samples;
}

std::optional<std::string> SpokenWav(std::string_view text, const std::string& voice) {
  Speaker& speaker = Speaker::Shared();
  const std::optional<std::vector<std::int16_t>> samples = speaker.Synthesise(text, voice);
  if (!samples) return std::nullopt;
  const std::vector<std::int16_t> word = TrimSilence(*samples, speaker.SampleRate());
  if (word.empty()) return std::nullopt;
  return MonoWav(word, speaker.SampleRate());
}

bool SpeakNow(std::string_view text, const std::string& voice) {
  const std::optional<std::string> wav = SpokenWav(text, voice);
  return wav && PlayWav(*wav);
}

namespace {

// Whether the x at `at` stands between numbers ("2 x 10", "9x1"), where it is
// the times sign.
bool TimesSign(std::string_view text, std::size_t at) {
  const std::size_t before = text.find_last_not_of(' ', at == 0 ? 0 : at - 1);
  const std::size_t after = text.find_first_not_of(' ', at + 1);
  auto digit = [](char c) { return c >= '0' && c <= '9'; };
  return at > 0 && before != std::string_view::npos && after != std::string_view::npos &&
         (digit(text[before]) || text[before] == ')') && (digit(text[after]) || text[after] == '(');
}

}  // namespace

std::string SpokenPrompt(std::string_view prompt, std::string_view voice) {
  if (!voice.starts_with("en")) return std::string(prompt);
  std::string spoken;
  for (std::size_t i = 0; i < prompt.size(); ++i) {
    const char c = prompt[i];
    if ((c == 'x' || c == 'X') && TimesSign(prompt, i)) {
      spoken += " times ";
      continue;
    }
    switch (c) {
      case '+':
        spoken += " plus ";
        break;
      case '-':
        spoken += " minus ";
        break;
      case '*':
        spoken += " times ";
        break;
      case '/':
        spoken += " divided by ";
        break;
      case '^':
        spoken += " to the power of ";
        break;
      case '=':
        spoken += " equals ";
        break;
      default:
        spoken += c;
    }
  }
  return spoken;
}

}  // namespace orv
