#include "support/sound_recording.h"

#include <cmath>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <numbers>
#include <sstream>

#include "support/null_sink_server.h"

namespace orv::test {
namespace {

constexpr std::size_t kWindow = kRecordingRate / 100;  // 10 ms
constexpr double kWhisper = 300;                       // an amplitude that counts as sound
// A tone counts from this amplitude: a click (a sound cut off) spreads over
// every pitch, but faintly.
constexpr double kClearTone = 1500;
constexpr std::size_t kLongestPause = 4;  // quiet windows inside one stretch
constexpr std::size_t kShortest = 5;      // windows of the shortest sound
// The null sink passes sound on late; what is still playing comes within this.
constexpr int kTailMs = 2500;

std::vector<std::int16_t> ReadSamples(const std::string& file) {
  std::ifstream in(file, std::ios::binary);
  const std::string bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  std::vector<std::int16_t> samples(bytes.size() / 2);
  for (std::size_t i = 0; i < samples.size(); ++i) {
    const auto lo = static_cast<unsigned char>(bytes[2 * i]);
    const auto hi = static_cast<unsigned char>(bytes[2 * i + 1]);
    samples[i] = static_cast<std::int16_t>(lo | (hi << 8));
  }
  return samples;
}

// The stretches of windows whose measure reaches a whisper.
std::vector<HeardSound> Stretches(const std::vector<std::int16_t>& samples, double loudest,
                                  const std::function<double(const std::int16_t*)>& measure) {
  std::vector<HeardSound> heard;
  std::size_t first = 0;
  std::size_t last = 0;  // one past the stretch's last loud window
  bool open = false;
  auto close = [&] {
    // A click (a sound cut off, say) is not a sound a person hears as one.
    if (last - first >= kShortest * kWindow)
      heard.push_back({static_cast<double>(first) / kRecordingRate,
                       static_cast<double>(last - first) / kRecordingRate});
    open = false;
  };
  for (std::size_t at = 0; at + kWindow <= samples.size(); at += kWindow) {
    if (measure(samples.data() + at) > loudest) {
      if (!open) first = at;
      open = true;
      last = at + kWindow;
    } else if (open && at >= last + kLongestPause * kWindow) {
      close();
    }
  }
  if (open) close();
  return heard;
}

}  // namespace

SoundRecording::SoundRecording(const TempDir& dir) : file_(dir.Str() + "heard.raw") {
  recorder_.setStandardOutputFile(QString::fromStdString(file_));
  recorder_.start("parec", {"--device=orvnull.monitor", "--format=s16le",
                            "--rate=" + QString::number(kRecordingRate), "--channels=1",
                            "--latency-msec=20", "--raw"});
}

SoundRecording::~SoundRecording() {
  recorder_.kill();
  recorder_.waitForFinished();
}

bool SoundRecording::Started() {
  auto recorded = [this] {
    std::error_code ec;
    const auto size = std::filesystem::file_size(file_, ec);
    return !ec && size > 2 * kWindow * 10;
  };
  if (!recorder_.waitForStarted()) return false;
  RunEventsUntil(recorded);
  return recorded();
}

std::vector<std::int16_t> SoundRecording::Stop() {
  RunEvents(kTailMs);
  // The recorder writes as it records; it does not wait for a polite end.
  recorder_.kill();
  recorder_.waitForFinished();
  return ReadSamples(file_);
}

std::vector<HeardSound> HeardSounds(const std::vector<std::int16_t>& samples) {
  return Stretches(samples, kWhisper, [](const std::int16_t* window) {
    double sum = 0;
    for (std::size_t i = 0; i < kWindow; ++i) sum += static_cast<double>(window[i]) * window[i];
    return std::sqrt(2 * sum / kWindow);  // a sine's amplitude from its RMS
  });
}

std::vector<HeardSound> HeardTone(const std::vector<std::int16_t>& samples, double hertz) {
  // Goertzel's filter over a Hann window (so a tone of another pitch does
  // not leak in): the amplitude of one frequency in the window.
  const double coefficient = 2 * std::cos(2 * std::numbers::pi * hertz / kRecordingRate);
  return Stretches(samples, kClearTone, [coefficient](const std::int16_t* window) {
    double s1 = 0;
    double s2 = 0;
    for (std::size_t i = 0; i < kWindow; ++i) {
      const double hann = 0.5 - 0.5 * std::cos(2 * std::numbers::pi * i / (kWindow - 1));
      const double s0 = hann * window[i] + coefficient * s1 - s2;
      s2 = s1;
      s1 = s0;
    }
    const double power = s1 * s1 + s2 * s2 - coefficient * s1 * s2;
    return 4 * std::sqrt(std::max(power, 0.0)) / kWindow;
  });
}

double Seconds(const std::vector<HeardSound>& heard) {
  double seconds = 0;
  for (const HeardSound& h : heard) seconds += h.seconds;
  return seconds;
}

std::string Describe(const std::vector<HeardSound>& heard) {
  std::ostringstream text;
  text << heard.size() << " sounds:";
  for (const HeardSound& h : heard) text << " [at " << h.start << " s for " << h.seconds << " s]";
  return text.str();
}

}  // namespace orv::test
