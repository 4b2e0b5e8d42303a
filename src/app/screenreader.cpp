#include "app/screenreader.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusVariant>

namespace orv {
namespace {

// A bus that does not answer at once is taken as no screen reader.
constexpr int kAnswerMs = 500;

}  // namespace

bool ScreenReaderRunning() {
  QDBusConnection bus = QDBusConnection::sessionBus();
  if (!bus.isConnected()) return false;
  QDBusMessage ask = QDBusMessage::createMethodCall("org.a11y.Bus", "/org/a11y/bus",
                                                    "org.freedesktop.DBus.Properties", "Get");
  ask << QString("org.a11y.Status") << QString("ScreenReaderEnabled");
  const QDBusMessage answer = bus.call(ask, QDBus::Block, kAnswerMs);
  if (answer.type() != QDBusMessage::ReplyMessage || answer.arguments().isEmpty()) return false;
  return answer.arguments().first().value<QDBusVariant>().variant().toBool();
}

}  // namespace orv
