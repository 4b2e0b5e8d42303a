#pragma once
// Drives the program's real windows from inside its own process, as a person
// at the screen would: one step after another, each acting on the window in
// front once that window is up.
#include <QElapsedTimer>
#include <QObject>
#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <deque>
#include <functional>
#include <map>
#include <string>
#include <vector>

namespace orv::e2e {

class Driver : public QObject {
 public:
  using Act = std::function<void(QWidget&)>;

  // New: the step waits for a new showing of its window, so two steps never
  // act on one showing by mistake. Same: it goes on with the showing of its
  // window that an earlier step acted on, once that action has returned.
  enum class Showing { New, Same };

  // mainWindow: the object name of the window in front when no other is up.
  explicit Driver(std::string mainWindow, int stuckAfterMs = 60000);
  ~Driver() override;

  // Queues a step: when window is in front (a menu, else the active modal
  // window, else the main window once every earlier action has returned),
  // act runs on it. what says what the person does, for the log.
  Driver& Then(const std::string& window, const std::string& what, Act act,
               Showing showing = Showing::New);

  void Start();

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
  void GiveUp();

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
  QElapsedTimer sinceStep_;
};

// Text of a child widget found by object name (a label, line edit or button).
std::string TextOf(QWidget& window, const char* child);

// Typing and keys go to the widget with the keyboard focus, else to the
// window itself, as at the keyboard.
void Type(QWidget& window, const std::string& text);
void Press(QWidget& window, Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier);

// Makes a program directory in home with orvc init (the super user's
// password test::kTestAdminPassword), the desktop's restart
// entry kept below it; returns what orvc said when that failed, else "".
std::string MakeProgramDirectory(const std::string& home);

}  // namespace orv::e2e
