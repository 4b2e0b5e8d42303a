#include "scores/sound/wavplayer.h"

#include <QAudioDevice>
#include <QAudioFormat>
#include <QAudioSink>
#include <QBuffer>
#include <QCoreApplication>
#include <QMediaDevices>
#include <QPointer>
#include <memory>

#include "scores/sound/wavdecoder.h"

namespace orv {
namespace {

// Lives as a child of the application object, so the audio output is gone
// before the application is. The decoded sound stays in pcm_ until playback
// ends or the next call.
class Player : public QObject {
 public:
  using QObject::QObject;
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
    const unsigned playing = ++generation_;
    QObject::connect(sink_.get(), &QAudioSink::stateChanged, this,
                     [this, playing](QAudio::State s) {
                       if (s != QAudio::IdleState && s != QAudio::StoppedState) return;
                       // The sink may not be destroyed inside its own signal; a later call
                       // has started another sound when the generation has moved on.
                       QMetaObject::invokeMethod(
                           this,
                           [this, playing] {
                             if (playing == generation_) Stop();
                           },
                           Qt::QueuedConnection);
                     });
    sink_->start(&buffer_);
    return true;
  }

  void Stop() {
    if (sink_) {
      sink_->disconnect(this);
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
  unsigned generation_ = 0;
};

}  // namespace

bool PlayWav(std::string_view bytes) {
  static QPointer<Player> player;
  if (player.isNull()) {
    QCoreApplication* app = QCoreApplication::instance();
    if (app == nullptr) return DecodeWav(bytes).has_value();
    player = new Player(app);
  }
  return player->Play(bytes);
}

}  // namespace orv
