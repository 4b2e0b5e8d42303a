#pragma once
// The program orv as a whole: start-up, every window made once (the main
// window first), then the event loop. The program's main() runs it, and so
// does the end-to-end test, which drives the same windows from inside.
#include <QObject>
#include <functional>
#include <memory>
#include <optional>
#include <string>

namespace orv {

class QtDialogs;
class TMainForm;

// Every window of the program, made once for the whole run.
class OrvProgram {
 public:
  // After the start-up: the windows need the password file and the paths.
  explicit OrvProgram(QtDialogs& dialogs);
  ~OrvProgram();
  OrvProgram(const OrvProgram&) = delete;
  OrvProgram& operator=(const OrvProgram&) = delete;

  TMainForm& MainForm() { return *mainForm_; }

 private:
  QtDialogs& dialogs_;
  std::unique_ptr<TMainForm> mainForm_;
};

// Start-up on the program directory home (see ProgramDirectory), the windows,
// the main window shown, then the event loop until Quit; returns the exit
// code. started, when given, runs once the main window is shown and before
// the loop. The application object must exist already.
int RunOrv(const std::optional<std::string>& home,
           const std::function<void(OrvProgram&)>& started = {});

}  // namespace orv
