#include "support/window_driver.h"

#include <gtest/gtest.h>
#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>
#include <QPointer>
#include <QTest>
#include <string_view>

#include "base/platform.h"

namespace orv::test {

namespace {

// A window is named by its object name, or by its class or a class it derives
// from, with or without the namespace (Qt's own input dialog has no object name).
bool Named(const QWidget& window, const std::string& name) {
  if (window.objectName().toStdString() == name) return true;
  for (const QMetaObject* m = window.metaObject(); m != nullptr; m = m->superClass()) {
    const std::string_view c = m->className();
    if (c == name || (c.ends_with(name) && c.substr(0, c.size() - name.size()).ends_with("::"))) {
      return true;
    }
  }
  return false;
}

// The window's name and the texts it shows, for a failure's message.
std::string Describe(const QWidget* window) {
  if (window == nullptr) return "nothing";
  std::string text = window->objectName().isEmpty() ? window->metaObject()->className()
                                                    : window->objectName().toStdString();
  for (const QLabel* label : window->findChildren<QLabel*>()) {
    if (label->isVisible() && !label->text().isEmpty()) {
      text += " [" + label->text().toStdString() + "]";
    }
  }
  return text;
}

}  // namespace

WindowDriver::WindowDriver(int stuckAfterMs, std::string mainWindow)
    : mainWindow_(std::move(mainWindow)), stuckAfterMs_(stuckAfterMs) {
  qApp->installEventFilter(this);
  // The timer fires only inside an event loop: while a window is up.
  poll_.setInterval(5);
  connect(&poll_, &QTimer::timeout, this, &WindowDriver::Poll);
  poll_.start();
  waiting_.start();
}

WindowDriver::~WindowDriver() {
  qApp->removeEventFilter(this);
}

WindowDriver& WindowDriver::Then(const std::string& window, const std::string& what, Act act,
                                 Showing showing) {
  if (steps_.empty()) waiting_.restart();
  steps_.push_back({window, what, std::move(act), showing});
  return *this;
}

bool WindowDriver::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::Show && watched->isWidgetType()) {
    auto* widget = static_cast<QWidget*>(watched);
    if (widget->isWindow()) ++shows_[widget];
  }
  return false;
}

QWidget* WindowDriver::Front() const {
  if (QWidget* popup = QApplication::activePopupWidget()) return popup;
  if (QWidget* modal = QApplication::activeModalWidget()) return modal;
  if (mainWindow_.empty()) return nullptr;
  for (QWidget* w : QApplication::topLevelWidgets()) {
    if (w->isVisible() && w->objectName().toStdString() == mainWindow_) return w;
  }
  return nullptr;
}

bool WindowDriver::Ready(const Step& step, QWidget* front) {
  if (front == nullptr || !Named(*front, step.window)) return false;
  if (!lastStarted_) return false;
  if (step.showing == Showing::Same) {
    if (acted_[front] != shows_[front] || runningOn_[front] != 0) return false;
  } else if (!mainWindow_.empty() && step.window == mainWindow_) {
    if (running_ != 0) return false;
  } else if (shows_[front] <= acted_[front]) {
    return false;
  }
  // A window takes keys once it is active. A window manager activates the
  // window below when the one in front of it closes; the offscreen platform
  // does not, so the driver asks for it, as a click on the window would.
  if (qobject_cast<QMenu*>(front) == nullptr && QApplication::activeWindow() != front) {
    front->activateWindow();
    return false;
  }
  return true;
}

void WindowDriver::Poll() {
  if (steps_.empty()) {
    // With no step to come, a modal window still up was left open by a step
    // or by a key that did not work.
    if (QApplication::activeModalWidget() == nullptr) {
      waiting_.restart();
    } else if (waiting_.elapsed() > stuckAfterMs_) {
      GiveUp("left open: " + Describe(QApplication::activeModalWidget()));
    }
    return;
  }
  QWidget* front = Front();
  if (!Ready(steps_.front(), front)) {
    if (waiting_.elapsed() > stuckAfterMs_) GiveUp("stuck: " + Waiting());
    return;
  }
  Step step = std::move(steps_.front());
  steps_.pop_front();
  log_.push_back(step.window + ": " + step.what);
  acted_[front] = shows_[front];
  lastStarted_ = false;
  waiting_.restart();
  // The action runs on its own, so that a window it opens is driven by later
  // steps while it waits.
  QPointer<QWidget> target = front;
  const QWidget* key = front;
  QTimer::singleShot(0, this, [this, target, key, act = std::move(step.act)] {
    lastStarted_ = true;
    ++running_;
    ++runningOn_[key];
    if (target) act(*target);
    --runningOn_[key];
    --running_;
  });
}

void WindowDriver::GiveUp(const std::string& why) {
  stuck_ = true;
  ADD_FAILURE() << why << ", after \"" << (log_.empty() ? std::string("nothing") : log_.back())
                << "\"";
  steps_.clear();
  waiting_.restart();
  for (int open = 0; open < 20; ++open) {
    QWidget* modal = QApplication::activeModalWidget();
    if (modal == nullptr) break;
    // done() and not reject(): some windows refuse Esc by refusing reject().
    if (auto* dialog = qobject_cast<QDialog*>(modal)) {
      dialog->done(QDialog::Rejected);
    } else {
      modal->close();
    }
  }
  if (mainWindow_.empty()) return;
  // The program is told to end as Quit tells it, so the test reports.
  RequestQuit();
  QCoreApplication::exit(3);
}

std::string WindowDriver::Waiting() const {
  if (steps_.empty()) return {};
  return "step \"" + steps_.front().window + ": " + steps_.front().what + "\" with " +
         Describe(Front()) + " in front";
}

std::string TextOf(QWidget& window, const char* child) {
  QWidget* w = window.findChild<QWidget*>(child);
  if (w == nullptr) {
    ADD_FAILURE() << window.objectName().toStdString() << " has no " << child;
    return {};
  }
  if (auto* label = qobject_cast<QLabel*>(w)) return label->text().toStdString();
  if (auto* edit = qobject_cast<QLineEdit*>(w)) return edit->text().toStdString();
  if (auto* button = qobject_cast<QAbstractButton*>(w)) return button->text().toStdString();
  ADD_FAILURE() << child << " shows no text";
  return {};
}

namespace {

QWidget* KeyTarget(QWidget& window) {
  QWidget* focus = QApplication::focusWidget();
  return focus != nullptr && focus->window() == window.window() ? focus : &window;
}

}  // namespace

void Type(QWidget& window, const std::string& text) {
  QTest::keyClicks(KeyTarget(window), QString::fromStdString(text));
}

void Press(QWidget& window, Qt::Key key, Qt::KeyboardModifiers modifiers) {
  QTest::keyClick(KeyTarget(window), key, modifiers);
}

namespace {

// Mouse events at a point of a widget, in the order the window system sends
// them; QTest's double click does not open an item of a view.
void SendMouse(QWidget& widget, const QPointF& local, QEvent::Type type, Qt::MouseButtons buttons) {
  QMouseEvent event(type, local, widget.mapToGlobal(local), Qt::LeftButton, buttons,
                    Qt::NoModifier);
  QApplication::sendEvent(&widget, &event);
}

}  // namespace

void ClickAt(QWidget& widget, const QPointF& local) {
  SendMouse(widget, local, QEvent::MouseButtonPress, Qt::LeftButton);
  SendMouse(widget, local, QEvent::MouseButtonRelease, Qt::NoButton);
}

void DoubleClickAt(QWidget& widget, const QPointF& local) {
  ClickAt(widget, local);
  SendMouse(widget, local, QEvent::MouseButtonDblClick, Qt::LeftButton);
  SendMouse(widget, local, QEvent::MouseButtonRelease, Qt::NoButton);
}

void DoubleClick(QAbstractItemView& view, const QModelIndex& index) {
  view.scrollTo(index);
  DoubleClickAt(*view.viewport(), view.visualRect(index).center());
}

bool SaveScreenshot(QWidget& window, const char* name) {
  const QByteArray dir = qgetenv("ORV_SCREENSHOT_DIR");
  if (dir.isEmpty()) return false;
  QDir().mkpath(QString::fromLocal8Bit(dir));
  const QString file = QString::fromLocal8Bit(dir) + "/" + name + ".png";
  EXPECT_TRUE(window.grab().save(file)) << file.toStdString();
  return true;
}

}  // namespace orv::test
