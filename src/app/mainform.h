#pragma once
// The main window's logic without the window: the log-in states, Log Out,
// Quit and the close rules, and the commands that work on the current list
// (New, Delete file, the Log menu's flags, the lines to print). The window
// shows View() after each call and forwards its events here.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "app/mainview.h"
#include "app/programstate.h"
#include "files/groupcommands.h"

namespace orv {

class Dialogs;
class ScoreDatabase;
class SessionSounds;

// The picture plays this sound for this user only.
inline constexpr const char* kPictureSound = "orv";
inline constexpr const char* kPictureUser = "ADMIN";

class MainFormO {
 public:
  MainFormO(Dialogs& dialogs, ProgramState state) : dialogs_(dialogs), state_(state) {}

  const MainView& View() const { return view_; }

  // The score database, whose open transaction is rolled back when the
  // window closes; may be absent.
  void SetDatabase(ScoreDatabase* database) { database_ = database; }
  ScoreDatabase* Database() const { return database_; }

  const ProgramState& State() const { return state_; }

  // Word-list root + CurrentDir + CurrentFile.
  std::string CurrentListPath() const;

  // When the window is first shown: the Log menu's marks from the flags,
  // logged out, then a log-in.
  void FormActivate();
  void EnterLoggedOut();
  // Asks for a log-in; a cancelled or failed one leaves the window logged out.
  void LogIn();
  // Saves the user's settings and logs out.
  void LogOut();
  void LogOutButtonClick();
  // Logs out when logged in, allows the close and asks the application to end.
  void QuitButtonClick();
  // SIGTERM or SIGINT: ends the program as Quit does, except that the end
  // is asked for first, so that no window of the log-out waits for anyone.
  void EndOnSignal();
  // Whether the window may close; refuses with a warning unless Quit allowed it.
  bool FormCloseQuery();
  void FormClose();
  // The end of the desktop session: the close is allowed from now on.
  void SessionEnding();

  // While a test runs, the commands that would change its ground are off.
  void TestStarted();
  void TestEnded();

  // Start: the labels show the current list; returns its path for the test.
  std::string Start();

  void New1Click();
  // After the open-file window: the labels show the list and group now current.
  void ListOpened();
  // After the list editor: the length shown is that of the list as saved.
  void ListEdited();
  // Changes the current group with the folder window.
  void ChaDir1Click(const FolderPicker& pick);
  void Deletefile1Click();
  void LogWords1Click();
  void Logall1Click();
  // Plays the picture's sound when the picture's user is logged in and the
  // sound is stored; otherwise nothing.
  void Image1Click(SessionSounds& sounds);

  // The current list's lines as written (not compiled), for printing; a
  // list that cannot be read is reported and gives std::nullopt.
  std::optional<std::vector<std::string>> LinesToPrint();

 private:
  void ShowCurrentFile();
  // Tells why a change of orv.ini, which this run keeps, was not saved.
  void SaveSetting(int code);

  Dialogs& dialogs_;
  ProgramState state_;
  ScoreDatabase* database_ = nullptr;
  MainView view_;
};

}  // namespace orv
