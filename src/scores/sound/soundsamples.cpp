#include "scores/sound/soundsamples.h"

#include <algorithm>
#include <cstdlib>

namespace orv {
namespace {

int Loudness(std::int16_t sample) {
  return std::abs(static_cast<int>(sample));
}

bool Loud(std::span<const std::int16_t> window) {
  return std::any_of(window.begin(), window.end(),
                     [](std::int16_t s) { return Loudness(s) >= kSilenceLevel; });
}

}  // namespace

std::vector<std::int16_t> MixToMono(std::span<const std::int16_t> interleaved, int channels) {
  if (channels <= 1) return {interleaved.begin(), interleaved.end()};
  const auto width = static_cast<std::size_t>(channels);
  std::vector<std::int16_t> mono(interleaved.size() / width);
  for (std::size_t frame = 0; frame < mono.size(); ++frame) {
    long sum = 0;
    for (std::size_t c = 0; c < width; ++c) sum += interleaved[frame * width + c];
    mono[frame] = static_cast<std::int16_t>(sum / channels);
  }
  return mono;
}

double PeakLevel(std::span<const std::int16_t> samples) {
  int peak = 0;
  for (const std::int16_t s : samples) peak = std::max(peak, Loudness(s));
  return std::min(1.0, peak / 32767.0);
}

std::vector<std::int16_t> TrimSilence(std::span<const std::int16_t> samples, int sampleRate) {
  const std::size_t window = std::max<std::size_t>(1, static_cast<std::size_t>(sampleRate) / 100);
  const std::size_t margin = 3 * window;
  const std::size_t windows = (samples.size() + window - 1) / window;
  auto windowAt = [&](std::size_t w) {
    const std::size_t from = w * window;
    return samples.subspan(from, std::min(window, samples.size() - from));
  };
  std::size_t first = 0;
  while (first < windows && !Loud(windowAt(first))) ++first;
  if (first == windows) return {};
  std::size_t last = windows - 1;
  while (!Loud(windowAt(last))) --last;
  const std::size_t begin = first * window > margin ? first * window - margin : 0;
  const std::size_t end = std::min(samples.size(), (last + 1) * window + margin);
  return {samples.begin() + static_cast<std::ptrdiff_t>(begin),
          samples.begin() + static_cast<std::ptrdiff_t>(end)};
}

}  // namespace orv
