#pragma once
// A private PulseAudio server for recording tests: its only devices are a
// null sink and that sink's monitor, remapped as the default input (Qt
// offers no monitor as an input), so what the program plays is what its
// microphone hears. Qt reads the sound server once per process: the server
// must be in place before the first sound is played or device asked for.
#include <QProcess>
#include <QString>
#include <functional>

#include "support/temp_dir.h"

namespace orv::test {

class NullSinkServer {
 public:
  explicit NullSinkServer(const TempDir& dir);
  ~NullSinkServer();
  NullSinkServer(const NullSinkServer&) = delete;
  NullSinkServer& operator=(const NullSinkServer&) = delete;

  // Waits until the server answers; false when it never does.
  bool Ready();

 private:
  QString socket_;
  QProcess server_;
};

// Runs the event loop for ms.
void RunEvents(int ms);

// Runs the event loop until done() holds, at most about ten seconds.
void RunEventsUntil(const std::function<bool()>& done);

}  // namespace orv::test
