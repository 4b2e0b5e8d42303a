#include "scores/sound/beeptone.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <numbers>

#include "scores/sound/wavplayer.h"

namespace orv {
namespace {

constexpr std::uint32_t kRate = 22050;
constexpr double kFrequency = 880;
constexpr std::uint32_t kFrames = kRate / 10;
constexpr std::uint32_t kFade = kRate / 200;
constexpr double kAmplitude = 12000;

void Put(std::string& out, std::uint32_t value, int bytes) {
  for (int i = 0; i < bytes; ++i) out += static_cast<char>((value >> (8 * i)) & 0xFF);
}

}  // namespace

std::string BeepToneWav() {
  constexpr std::uint32_t kDataBytes = kFrames * 2;
  std::string wav = "RIFF";
  Put(wav, 36 + kDataBytes, 4);
  wav += "WAVEfmt ";
  Put(wav, 16, 4);         // the format chunk's size
  Put(wav, 1, 2);          // PCM
  Put(wav, 1, 2);          // mono
  Put(wav, kRate, 4);      // frames a second
  Put(wav, kRate * 2, 4);  // bytes a second
  Put(wav, 2, 2);          // bytes a frame
  Put(wav, 16, 2);         // bits a sample
  wav += "data";
  Put(wav, kDataBytes, 4);
  for (std::uint32_t i = 0; i < kFrames; ++i) {
    const double fade = std::min(
        {1.0, static_cast<double>(i) / kFade, static_cast<double>(kFrames - 1 - i) / kFade});
    const double sample =
        kAmplitude * fade * std::sin(2 * std::numbers::pi * kFrequency * i / kRate);
    Put(wav, static_cast<std::uint16_t>(static_cast<std::int16_t>(std::lround(sample))), 2);
  }
  return wav;
}

void PlayBeepTone() {
  static const std::string tone = BeepToneWav();
  PlayWav(tone);
}

}  // namespace orv
