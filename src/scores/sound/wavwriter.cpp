#include "scores/sound/wavwriter.h"

namespace orv {
namespace {

void Put(std::string& out, std::uint32_t value, int bytes) {
  for (int i = 0; i < bytes; ++i) out += static_cast<char>((value >> (8 * i)) & 0xFF);
}

}  // namespace

std::string MonoWav(std::span<const std::int16_t> samples, int sampleRate) {
  const auto rate = static_cast<std::uint32_t>(sampleRate);
  const auto dataBytes = static_cast<std::uint32_t>(samples.size() * 2);
  std::string wav = "RIFF";
  wav.reserve(44 + dataBytes);
  Put(wav, 36 + dataBytes, 4);
  wav += "WAVEfmt ";
  Put(wav, 16, 4);        // the format chunk's size
  Put(wav, 1, 2);         // PCM
  Put(wav, 1, 2);         // mono
  Put(wav, rate, 4);      // frames a second
  Put(wav, rate * 2, 4);  // bytes a second
  Put(wav, 2, 2);         // bytes a frame
  Put(wav, 16, 2);        // bits a sample
  wav += "data";
  Put(wav, dataBytes, 4);
  for (const std::int16_t sample : samples) Put(wav, static_cast<std::uint16_t>(sample), 2);
  return wav;
}

}  // namespace orv
