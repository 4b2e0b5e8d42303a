#pragma once
// Writing sound as a WAV image: 16-bit PCM, one channel, the form in which
// the program makes the sounds it stores (spoken and recorded words).
#include <cstdint>
#include <span>
#include <string>

namespace orv {

// The samples as a whole WAV file held in memory.
std::string MonoWav(std::span<const std::int16_t> samples, int sampleRate);

}  // namespace orv
