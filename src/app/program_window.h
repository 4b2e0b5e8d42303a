#pragma once
// The program orv as a whole: start-up, the score database, every window made
// once (the main window first), then the event loop. The program's main()
// runs it, and so does the end-to-end test, which drives the same windows
// from inside.
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "app/programstate.h"
#include "lists/compilesettings.h"
#include "scores/firebird/dbaccount.h"

namespace orv {

class DataSet;
class ProgramListEditHost;
class ProgramScoreDbHost;
class ProgramScoreWindowHost;
class QtDialogs;
class ScoreDatabase;
class SessionDatabase;
class SessionUi;
class SoundStore;
class TMainForm;
class TestSession;

// Everything the program keeps for the whole run once it has started up.
class OrvProgram {
 public:
  // After the start-up, which made the state: the windows need the password
  // file, the paths and the settings; the database attaches with the
  // configured account.
  OrvProgram(QtDialogs& dialogs, ProgramState state, const DbAccount& account);
  ~OrvProgram();
  OrvProgram(const OrvProgram&) = delete;
  OrvProgram& operator=(const OrvProgram&) = delete;

  TMainForm& MainForm() { return *mainForm_; }

 private:
  // In the order of making; the session and the windows go before the
  // database they use.
  QtDialogs& dialogs_;
  ProgramState state_;
  // The test's compile leaves the script mode the compiled view starts with.
  CompileSettings compileSettings_;
  std::unique_ptr<ProgramScoreDbHost> host_;
  std::unique_ptr<ProgramListEditHost> listEditHost_;
  std::unique_ptr<ProgramScoreWindowHost> scoreWindowHost_;
  std::unique_ptr<ScoreDatabase> database_;
  std::unique_ptr<SoundStore> sounds_;
  std::unique_ptr<SessionDatabase> sessionDatabase_;
  // The rows the log, score and sound windows show; the wrong-word window has its own.
  std::unique_ptr<DataSet> dataSet_;
  std::unique_ptr<DataSet> wrongWordData_;
  std::unique_ptr<TMainForm> mainForm_;
  std::unique_ptr<SessionUi> sessionWindows_;
  std::unique_ptr<TestSession> session_;
};

// Start-up on the program directory home (see ProgramDirectory), the program,
// its main window shown, then the event loop until Quit; returns the exit
// code. started, when given, runs once the main window is shown and before
// the loop. The application object must exist already.
int RunOrv(const std::optional<std::string>& home,
           const std::function<void(OrvProgram&)>& started = {});

}  // namespace orv
