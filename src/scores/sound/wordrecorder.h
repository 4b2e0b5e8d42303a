#pragma once
// Recording a word from the default microphone (Qt Multimedia capture): the
// input level while it records, then the recording as the sound to store,
// one channel of 16-bit samples with the silence before and after cut.
#include <QAudioFormat>
#include <QByteArray>
#include <QObject>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

class QAudioSource;
class QIODevice;

namespace orv {

class WordRecorder : public QObject {
  Q_OBJECT

 public:
  explicit WordRecorder(QObject* parent = nullptr);
  ~WordRecorder() override;

  // Whether the machine has a microphone (an audio input) at all.
  static bool HasMicrophone();

  // Starts a new recording, dropping the last one; false when there is no
  // microphone or it cannot be opened.
  bool Start();
  // Ends the recording; what was heard so far is kept.
  void Stop();
  bool Recording() const { return io_ != nullptr; }

  // The recording, one channel, and its sample rate.
  std::vector<std::int16_t> Samples() const;
  int SampleRate() const { return format_.sampleRate(); }
  // The recording as it is stored: trimmed, as a 16-bit PCM mono WAV image;
  // std::nullopt when nothing but silence was heard.
  std::optional<std::string> TrimmedWav() const;

 signals:
  // The loudest sample of the latest stretch read, 0 … 1.
  void Level(double level);

 private:
  void ReadAvailable();

  QAudioFormat format_;
  std::unique_ptr<QAudioSource> source_;
  QIODevice* io_ = nullptr;  // owned by source_
  QByteArray raw_;
};

// Samples of a captured format as 16-bit samples (interleaved as captured).
std::vector<std::int16_t> ToInt16(const QByteArray& raw, QAudioFormat::SampleFormat format);

}  // namespace orv
