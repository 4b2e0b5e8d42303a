#pragma once
// Typing and key presses for window tests, sent as the window system would
// deliver them, and a way to act on a modal window once it is up.
#include <QApplication>
#include <QDialog>
#include <QKeyEvent>
#include <QString>
#include <QTimer>
#include <QWidget>
#include <functional>

namespace orv::test {

// A key press and release; nothing when there is no widget to take it.
inline void PressKey(QWidget* widget, int key, const QString& text = {}) {
  if (widget == nullptr) return;
  QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
  QApplication::sendEvent(widget, &press);
  QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, text);
  QApplication::sendEvent(widget, &release);
}

// Where the keyboard goes: the focused widget, else the modal window itself.
inline QWidget* KeyTarget() {
  if (QWidget* focused = QApplication::focusWidget()) return focused;
  return QApplication::activeModalWidget();
}

// Types the text into the widget that has the keyboard focus.
inline void TypeText(const QString& text) {
  for (QChar c : text) PressKey(KeyTarget(), 0, QString(c));
}

inline void PressEnter() {
  PressKey(KeyTarget(), Qt::Key_Return);
}
inline void PressEscape() {
  PressKey(KeyTarget(), Qt::Key_Escape);
}

// Runs the action once the modal window about to open is up and active (the
// window system activates a new window a moment after it is shown).
inline void WhenShown(std::function<void()> action) {
  auto* poll = new QTimer(qApp);
  poll->setInterval(2);
  QObject::connect(poll, &QTimer::timeout, [poll, action = std::move(action)] {
    QWidget* modal = QApplication::activeModalWidget();
    if (modal == nullptr || QApplication::activeWindow() != modal) return;
    poll->stop();
    poll->deleteLater();
    action();
  });
  poll->start();
}

// Closes a modal window that a broken key or button left open, so a failing
// test ends instead of hanging; Fired() tells the test it had to.
class ModalWatchdog {
 public:
  explicit ModalWatchdog(int ms = 5000) {
    timer_.setSingleShot(true);
    QObject::connect(&timer_, &QTimer::timeout, [this] {
      if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
        fired_ = true;
        dialog->done(QDialog::Rejected);
      }
    });
    timer_.start(ms);
  }
  bool Fired() const { return fired_; }

 private:
  QTimer timer_;
  bool fired_ = false;
};

}  // namespace orv::test
