#pragma once
// Working on 16-bit samples: mixing to one channel, the loudness shown while
// recording, and cutting the silence before and after a word.
#include <cstdint>
#include <span>
#include <vector>

namespace orv {

// Interleaved frames of `channels` channels as one channel, each frame the
// mean of its channels.
std::vector<std::int16_t> MixToMono(std::span<const std::int16_t> interleaved, int channels);

// The loudest sample as a share of full scale, 0 … 1.
double PeakLevel(std::span<const std::int16_t> samples);

// Samples quieter than this are silence when a word is trimmed: about
// -36 dB of full scale, above the hiss of an ordinary microphone.
inline constexpr int kSilenceLevel = 512;

// The samples without the silence before and after the sound: the sound
// starts at the first and ends with the last stretch of 10 ms whose peak
// reaches kSilenceLevel, with 30 ms kept on either side so that soft
// beginnings and endings are not cut. All silence gives nothing.
std::vector<std::int16_t> TrimSilence(std::span<const std::int16_t> samples, int sampleRate);

}  // namespace orv
