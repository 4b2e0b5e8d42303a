#include "scores/sound/wavplayer.h"

#include <QAudioDevice>
#include <QAudioFormat>
#include <QAudioSink>
#include <QBuffer>
#include <QCoreApplication>
#include <QMediaDevices>
#include <QPointer>
#include <QTimer>
#include <array>
#include <memory>

#include "scores/sound/wavdecoder.h"

namespace orv {
namespace {

// The sink reports the end of its data as soon as it has handed the last
// bytes to the sound server, which plays them later: stopping it then would
// drop what was still to be heard (all of a short beep). The sink is kept
// for the sound's length and this long besides.
constexpr int kPlayOutMs = 3000;

// Lives as a child of the application object, so the audio output is gone
// before the application is. The decoded sound stays in pcm_ until it has
// played out or the next call.
class Player : public QObject {
 public:
  explicit Player(QObject* parent) : QObject(parent) {
    done_.setSingleShot(true);
    connect(&done_, &QTimer::timeout, this, &Player::Stop);
  }
  ~Player() override { Stop(); }

  bool Play(std::string_view bytes) {
    Stop();
    std::optional<DecodedSound> sound = DecodeWav(bytes);
    if (!sound) return false;
    const QAudioDevice device = QMediaDevices::defaultAudioOutput();
    if (device.isNull() || sound->samples.empty()) return true;
    QAudioFormat format;
    format.setSampleRate(sound->sampleRate);
    format.setChannelCount(sound->channels);
    format.setSampleFormat(QAudioFormat::Int16);

    pcm_ = QByteArray(reinterpret_cast<const char*>(sound->samples.data()),
                      static_cast<qsizetype>(sound->samples.size() * sizeof(std::int16_t)));
    buffer_.setBuffer(&pcm_);
    buffer_.open(QIODevice::ReadOnly);
    sink_ = std::make_unique<QAudioSink>(device, format);
    sink_->start(&buffer_);
    const qint64 lengthMs = format.durationForBytes(static_cast<qint32>(pcm_.size())) / 1000;
    done_.start(static_cast<int>(lengthMs) + kPlayOutMs);
    return true;
  }

  void Stop() {
    done_.stop();
    if (sink_) {
      sink_->stop();
      sink_.reset();
    }
    buffer_.close();
    pcm_.clear();
  }

 private:
  QByteArray pcm_;
  QBuffer buffer_;
  std::unique_ptr<QAudioSink> sink_;
  QTimer done_;
};

}  // namespace

bool PlayWav(std::string_view bytes, SoundOutput output) {
  static std::array<QPointer<Player>, 2> players;
  QPointer<Player>& player = players[static_cast<std::size_t>(output)];
  if (player.isNull()) {
    QCoreApplication* app = QCoreApplication::instance();
    if (app == nullptr) return DecodeWav(bytes).has_value();
    player = new Player(app);
  }
  return player->Play(bytes);
}

}  // namespace orv
