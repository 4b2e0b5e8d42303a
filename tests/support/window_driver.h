#pragma once
// Drives windows from a test as a person at the screen would: steps queued in
// order, each acting on the window in front once that window is up and active
// (keys reach only an active window). A step never reached, or a modal window
// left open with no step to come, fails the test after a while and the modal
// windows are closed, so the test reports instead of hanging.
#include <QAbstractItemView>
#include <QElapsedTimer>
#include <QObject>
#include <QTimer>
#include <QWidget>
#include <deque>
#include <functional>
#include <map>
#include <string>
#include <vector>

namespace orv::test {

class WindowDriver : public QObject {
 public:
  using Act = std::function<void(QWidget&)>;

  // New: the step waits for a new showing of its window, so two steps never
  // act on one showing by mistake. Same: it goes on with the showing of its
  // window that an earlier step acted on, once that action has returned.
  enum class Showing { New, Same };

  // stuckAfterMs: how long a step may wait, and a modal window may stay open
  // once every step has run. mainWindow: the object name of the program's
  // main window when the whole program is driven; it is in front when no
  // other window is, and giving up tells the program to end.
  explicit WindowDriver(int stuckAfterMs = 5000, std::string mainWindow = {});
  ~WindowDriver() override;

  // Queues a step, also from inside a running one: when window (an object or
  // class name) is in front (a menu, else the active modal window, else the
  // main window once every earlier action has returned), act runs on it.
  // what says what the person does, for the log.
  WindowDriver& Then(const std::string& window, const std::string& what, Act act,
                     Showing showing = Showing::New);

  bool Done() const { return steps_.empty() && running_ == 0; }
  bool Stuck() const { return stuck_; }
  // "window: what" for every step that ran, in order.
  const std::vector<std::string>& Log() const { return log_; }
  // The step not reached, with what was in front instead; empty when none.
  std::string Waiting() const;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  struct Step {
    std::string window;
    std::string what;
    Act act;
    Showing showing;
  };

  QWidget* Front() const;
  bool Ready(const Step& step, QWidget* front);
  void Poll();
  void GiveUp(const std::string& why);

  std::string mainWindow_;
  int stuckAfterMs_;
  std::deque<Step> steps_;
  std::vector<std::string> log_;
  std::map<const QWidget*, int> shows_;      // showings of each window so far
  std::map<const QWidget*, int> acted_;      // the showing last acted on
  std::map<const QWidget*, int> runningOn_;  // actions on each window not yet returned
  int running_ = 0;                          // all actions not yet returned
  bool lastStarted_ = true;                  // the last scheduled action has begun
  bool stuck_ = false;
  QTimer poll_;
  QElapsedTimer waiting_;  // since the last step, or since nothing was left open
};

// Text of a child widget found by object name (a label, line edit or button).
std::string TextOf(QWidget& window, const char* child);

// Typing and keys go to the widget with the keyboard focus, else to the
// window itself, as at the keyboard.
void Type(QWidget& window, const std::string& text);
void Press(QWidget& window, Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier);

// Clicks and double clicks of the left button at a point of a widget, and a
// double click on an item of a view, as the mouse makes them.
void ClickAt(QWidget& widget, const QPointF& local);
void DoubleClickAt(QWidget& widget, const QPointF& local);
void DoubleClick(QAbstractItemView& view, const QModelIndex& index);

// Saves a picture of the window under ORV_SCREENSHOT_DIR (made when missing)
// as name.png; false when no folder is asked for.
bool SaveScreenshot(QWidget& window, const char* name);

}  // namespace orv::test
