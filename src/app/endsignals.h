#pragma once
// SIGTERM, SIGINT and SIGHUP (the terminal or the desktop session gone) end
// the program the way Quit ends it. The signals are blocked in every thread
// from the start of the process, so neither the default action nor a
// library's own handler (the database client's) acts on them; the event loop
// reads them from a signal descriptor instead.
#include <QObject>
#include <functional>
#include <memory>

class QSocketNotifier;

namespace orv {

// Blocks the three signals for the calling thread and every thread it starts
// later: call it first thing in main, before any thread exists.
void BlockEndSignals();

// While it lives, each of the three signals calls onSignal from the event loop.
class EndSignals : public QObject {
 public:
  explicit EndSignals(std::function<void()> onSignal);
  ~EndSignals() override;
  EndSignals(const EndSignals&) = delete;
  EndSignals& operator=(const EndSignals&) = delete;

 private:
  void Read();

  std::function<void()> onSignal_;
  int descriptor_;
  std::unique_ptr<QSocketNotifier> notifier_;
};

}  // namespace orv
