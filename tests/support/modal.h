#pragma once
// Driving modal windows from a window test (header only: it needs Qt Widgets,
// which the core tests do not link). A Modal runs its step inside the event
// loop of the next modal window to show, with that window.
#include <gtest/gtest.h>
#include <QAbstractItemView>
#include <QApplication>
#include <QDir>
#include <QMouseEvent>
#include <QTimer>
#include <QWidget>
#include <functional>

namespace orv::test {

class Modal {
 public:
  explicit Modal(std::function<void(QWidget&)> step) : step_(std::move(step)) {
    poll_.setInterval(5);
    QObject::connect(&poll_, &QTimer::timeout, [this] { Poll(); });
    poll_.start();
  }
  ~Modal() = default;
  Modal(const Modal&) = delete;
  Modal& operator=(const Modal&) = delete;

  // Whether a modal window showed and the step ran in it.
  bool Ran() const { return ran_; }

 private:
  void Poll() {
    QWidget* window = QApplication::activeModalWidget();
    if (window == nullptr || !window->isVisible()) return;
    poll_.stop();
    ran_ = true;
    step_(*window);
    // A step that leaves its window open would hang the test.
    if (window->isVisible() && QApplication::activeModalWidget() == window) {
      ADD_FAILURE() << "the step left its modal window open";
      window->close();
    }
  }

  std::function<void(QWidget&)> step_;
  QTimer poll_;
  bool ran_ = false;
};

// Mouse events at a point of a widget, in the order the window system sends them.
inline void SendMouse(QWidget& widget, const QPointF& local, QEvent::Type type,
                      Qt::MouseButtons buttons) {
  QMouseEvent event(type, local, widget.mapToGlobal(local), Qt::LeftButton, buttons,
                    Qt::NoModifier);
  QApplication::sendEvent(&widget, &event);
}

// A click as the mouse makes it at a point of a widget.
inline void ClickAt(QWidget& widget, const QPointF& local) {
  SendMouse(widget, local, QEvent::MouseButtonPress, Qt::LeftButton);
  SendMouse(widget, local, QEvent::MouseButtonRelease, Qt::NoButton);
}

// A double click as the mouse makes it at a point of a widget.
inline void DoubleClickAt(QWidget& widget, const QPointF& local) {
  ClickAt(widget, local);
  SendMouse(widget, local, QEvent::MouseButtonDblClick, Qt::LeftButton);
  SendMouse(widget, local, QEvent::MouseButtonRelease, Qt::NoButton);
}

// A double click on an item of a view.
inline void DoubleClick(QAbstractItemView& view, const QModelIndex& index) {
  view.scrollTo(index);
  DoubleClickAt(*view.viewport(), view.visualRect(index).center());
}

// Saves a picture of the window under ORV_SCREENSHOT_DIR (made when missing)
// as name.png; false when no folder is asked for.
inline bool SaveScreenshot(QWidget& window, const char* name) {
  const QByteArray dir = qgetenv("ORV_SCREENSHOT_DIR");
  if (dir.isEmpty()) return false;
  QDir().mkpath(QString::fromLocal8Bit(dir));
  const QString file = QString::fromLocal8Bit(dir) + "/" + name + ".png";
  EXPECT_TRUE(window.grab().save(file)) << file.toStdString();
  return true;
}

}  // namespace orv::test
