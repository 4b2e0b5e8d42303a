#pragma once
// Decoding of a whole WAV file held in memory (libsndfile through virtual
// I/O, so nothing touches the disk).
#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

namespace orv {

struct DecodedSound {
  int sampleRate = 0;
  int channels = 0;
  std::int64_t frames = 0;
  std::vector<std::int16_t> samples;  // interleaved, frames * channels
};

// The sound of a WAV image; std::nullopt when the bytes are not a WAV file
// libsndfile can decode (other sound formats are refused as well).
std::optional<DecodedSound> DecodeWav(std::string_view bytes);

}  // namespace orv
