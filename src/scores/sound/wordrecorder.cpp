#include "scores/sound/wordrecorder.h"

#include <QAudioDevice>
#include <QAudioSource>
#include <QMediaDevices>
#include <algorithm>
#include <cmath>
#include <cstring>

#include "scores/sound/soundsamples.h"
#include "scores/sound/wavwriter.h"

namespace orv {
namespace {

// A word needs no more; an ordinary microphone gives it without resampling.
constexpr int kRate = 22050;

template <typename T>
std::vector<T> Values(const QByteArray& raw) {
  std::vector<T> values(static_cast<std::size_t>(raw.size()) / sizeof(T));
  std::memcpy(values.data(), raw.constData(), values.size() * sizeof(T));
  return values;
}

}  // namespace

std::vector<std::int16_t> ToInt16(const QByteArray& raw, QAudioFormat::SampleFormat format) {
  std::vector<std::int16_t> out;
  switch (format) {
    case QAudioFormat::Int16:
      return Values<std::int16_t>(raw);
    case QAudioFormat::UInt8:
      for (const std::uint8_t v : Values<std::uint8_t>(raw)) {
        out.push_back(static_cast<std::int16_t>((v - 128) * 256));
      }
      return out;
    case QAudioFormat::Int32:
      for (const std::int32_t v : Values<std::int32_t>(raw)) {
        out.push_back(static_cast<std::int16_t>(v >> 16));
      }
      return out;
    case QAudioFormat::Float:
      for (const float v : Values<float>(raw)) {
        out.push_back(static_cast<std::int16_t>(std::lround(std::clamp(v, -1.0f, 1.0f) * 32767)));
      }
      return out;
    default:
      return out;
  }
}

WordRecorder::WordRecorder(QObject* parent) : QObject(parent) {}

WordRecorder::~WordRecorder() {
  Stop();
}

bool WordRecorder::HasMicrophone() {
  return !QMediaDevices::defaultAudioInput().isNull();
}

bool WordRecorder::Start() {
  Stop();
  raw_.clear();
  const QAudioDevice device = QMediaDevices::defaultAudioInput();
  if (device.isNull()) return false;
  QAudioFormat wanted;
  wanted.setSampleRate(kRate);
  wanted.setChannelCount(1);
  wanted.setSampleFormat(QAudioFormat::Int16);
  format_ = device.isFormatSupported(wanted) ? wanted : device.preferredFormat();
  source_ = std::make_unique<QAudioSource>(device, format_);
  io_ = source_->start();
  if (io_ == nullptr) {
    source_.reset();
    return false;
  }
  connect(io_, &QIODevice::readyRead, this, &WordRecorder::ReadAvailable);
  return true;
}

void WordRecorder::Stop() {
  if (!source_) return;
  ReadAvailable();
  io_->disconnect(this);
  source_->stop();
  io_ = nullptr;
  source_.reset();
}

void WordRecorder::ReadAvailable() {
  if (io_ == nullptr) return;
  const QByteArray chunk = io_->readAll();
  if (chunk.isEmpty()) return;
  raw_ += chunk;
  emit Level(PeakLevel(ToInt16(chunk, format_.sampleFormat())));
}

std::vector<std::int16_t> WordRecorder::Samples() const {
  return MixToMono(ToInt16(raw_, format_.sampleFormat()), format_.channelCount());
}

std::optional<std::string> WordRecorder::TrimmedWav() const {
  const std::vector<std::int16_t> word = TrimSilence(Samples(), SampleRate());
  if (word.empty()) return std::nullopt;
  return MonoWav(word, SampleRate());
}

}  // namespace orv
