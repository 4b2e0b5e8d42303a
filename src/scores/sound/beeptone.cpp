#include "scores/sound/beeptone.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <numbers>
#include <vector>

#include "scores/sound/wavplayer.h"
#include "scores/sound/wavwriter.h"

namespace orv {
namespace {

constexpr std::uint32_t kRate = 22050;
constexpr std::uint32_t kFade = kRate / 200;
constexpr double kBeepAmplitude = 12000;
// The chime is softer than the beep: it is a reward, not a warning.
constexpr double kChimeAmplitude = 8000;

// Appends a sine of the frequency for the frames, faded in and out.
void AddNote(std::vector<std::int16_t>& samples, double frequency, std::uint32_t frames,
             double amplitude) {
  for (std::uint32_t i = 0; i < frames; ++i) {
    const double fade = std::min(
        {1.0, static_cast<double>(i) / kFade, static_cast<double>(frames - 1 - i) / kFade});
    samples.push_back(static_cast<std::int16_t>(
        std::lround(amplitude * fade * std::sin(2 * std::numbers::pi * frequency * i / kRate))));
  }
}

}  // namespace

std::string BeepToneWav() {
  std::vector<std::int16_t> samples;
  AddNote(samples, 880, kRate / 10, kBeepAmplitude);
  return MonoWav(samples, kRate);
}

void PlayBeepTone() {
  static const std::string tone = BeepToneWav();
  PlayWav(tone, SoundOutput::Beeps);
}

std::string RightChimeWav() {
  std::vector<std::int16_t> samples;
  AddNote(samples, 523.25, kRate * 3 / 20, kChimeAmplitude);
  AddNote(samples, 659.25, kRate / 4, kChimeAmplitude);
  return MonoWav(samples, kRate);
}

void PlayRightChime() {
  static const std::string chime = RightChimeWav();
  PlayWav(chime, SoundOutput::Words);
}

}  // namespace orv
