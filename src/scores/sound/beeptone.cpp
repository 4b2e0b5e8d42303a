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
constexpr double kFrequency = 880;
constexpr std::uint32_t kFrames = kRate / 10;
constexpr std::uint32_t kFade = kRate / 200;
constexpr double kAmplitude = 12000;

}  // namespace

std::string BeepToneWav() {
  std::vector<std::int16_t> samples(kFrames);
  for (std::uint32_t i = 0; i < kFrames; ++i) {
    const double fade = std::min(
        {1.0, static_cast<double>(i) / kFade, static_cast<double>(kFrames - 1 - i) / kFade});
    samples[i] = static_cast<std::int16_t>(
        std::lround(kAmplitude * fade * std::sin(2 * std::numbers::pi * kFrequency * i / kRate)));
  }
  return MonoWav(samples, kRate);
}

void PlayBeepTone() {
  static const std::string tone = BeepToneWav();
  PlayWav(tone, SoundOutput::Beeps);
}

}  // namespace orv
