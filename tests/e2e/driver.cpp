#include "e2e/driver.h"

#include <gtest/gtest.h>
#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QTest>

#include "base/platform.h"
#include "support/program_directory.h"
#include "support/run_program.h"

namespace orv::e2e {

Driver::Driver(std::string mainWindow, int stuckAfterMs)
    : mainWindow_(std::move(mainWindow)), stuckAfterMs_(stuckAfterMs) {
  qApp->installEventFilter(this);
  poll_.setInterval(5);
  connect(&poll_, &QTimer::timeout, this, &Driver::Poll);
}

Driver::~Driver() {
  qApp->removeEventFilter(this);
}

Driver& Driver::Then(const std::string& window, const std::string& what, Act act, Showing showing) {
  steps_.push_back({window, what, std::move(act), showing});
  return *this;
}

void Driver::Start() {
  sinceStep_.start();
  poll_.start();
}

bool Driver::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::Show && watched->isWidgetType()) {
    auto* widget = static_cast<QWidget*>(watched);
    if (widget->isWindow()) ++shows_[widget];
  }
  return false;
}

QWidget* Driver::Front() const {
  if (QWidget* popup = QApplication::activePopupWidget()) return popup;
  if (QWidget* modal = QApplication::activeModalWidget()) return modal;
  for (QWidget* w : QApplication::topLevelWidgets()) {
    if (w->isVisible() && w->objectName().toStdString() == mainWindow_) return w;
  }
  return nullptr;
}

namespace {

// A window is named by its object name, or by its class when it has none
// (Qt's own input dialog).
bool Named(const QWidget& window, const std::string& name) {
  return window.objectName().toStdString() == name ||
         (window.objectName().isEmpty() && name == window.metaObject()->className());
}

}  // namespace

bool Driver::Ready(const Step& step, QWidget* front) {
  if (front == nullptr || !Named(*front, step.window)) return false;
  if (!lastStarted_) return false;
  if (step.showing == Showing::Same) {
    if (acted_[front] != shows_[front] || runningOn_[front] != 0) return false;
  } else if (step.window == mainWindow_) {
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

void Driver::Poll() {
  if (steps_.empty()) {
    if (running_ == 0) poll_.stop();
    return;
  }
  QWidget* front = Front();
  if (!Ready(steps_.front(), front)) {
    if (sinceStep_.elapsed() > stuckAfterMs_) GiveUp();
    return;
  }
  Step step = std::move(steps_.front());
  steps_.pop_front();
  log_.push_back(step.window + ": " + step.what);
  acted_[front] = shows_[front];
  lastStarted_ = false;
  sinceStep_.restart();
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

void Driver::GiveUp() {
  stuck_ = true;
  poll_.stop();
  ADD_FAILURE() << "stuck: " << Waiting() << ", after \""
                << (log_.empty() ? std::string("nothing") : log_.back()) << "\"";
  steps_.clear();
  // The modal windows are refused and the program is told to end as Quit
  // tells it, so the test reports instead of hanging.
  for (int open = 0; open < 20; ++open) {
    auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
    if (dialog == nullptr) break;
    dialog->reject();
  }
  RequestQuit();
  QCoreApplication::exit(3);
}

std::string Driver::Waiting() const {
  if (steps_.empty()) return {};
  const QWidget* front = Front();
  std::string inFront = front == nullptr ? "nothing" : front->objectName().toStdString();
  if (front != nullptr) {
    for (const QLabel* label : front->findChildren<QLabel*>()) {
      if (label->isVisible() && !label->text().isEmpty()) {
        inFront += " [" + label->text().toStdString() + "]";
      }
    }
  }
  return "step \"" + steps_.front().window + ": " + steps_.front().what + "\" with " + inFront +
         " in front";
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

std::string MakeProgramDirectory(const std::string& home) {
  qputenv("XDG_CONFIG_HOME", QByteArray::fromStdString(home + "config"));
  const test::ProgramRun init = test::RunProgram(ORVC_PATH, test::InitArguments(home));
  return init.exitCode == 0 ? std::string() : "orvc init: " + init.err;
}

}  // namespace orv::e2e
