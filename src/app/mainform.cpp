#include "app/mainform.h"

#include "app/programpaths.h"
#include "app/registry.h"
#include "app/startupfile.h"
#include "base/dialogs.h"
#include "base/platform.h"
#include "base/strings.h"
#include "base/translate.h"
#include "files/dos.h"
#include "files/errortext.h"
#include "files/writefailure.h"
#include "lists/buffers.h"
#include "lists/owner.h"
#include "scores/scoredatabase.h"
#include "session/ports.h"
#include "users/password.h"

namespace orv {

std::string MainFormO::CurrentListPath() const {
  const StartUpSettings& s = state_.settings;
  return state_.paths.listRoot + s.CurrentDir + s.CurrentFile;
}

void MainFormO::FormActivate() {
  view_.logWrong = state_.paths.LogMistakes;
  view_.logAll = state_.paths.LogAll;
  EnterLoggedOut();
  LogIn();
}

void MainFormO::EnterLoggedOut() {
  state_.users.Logout();
  ShowLoggedOut(view_);
}

void MainFormO::LogIn() {
  PasswordO& users = state_.users;
  const int level = users.Login();
  if (level < 0) return;
  try {
    LoadStartUp(dialogs_, state_.settings, state_.paths, users.CurrentUser());
  } catch (...) {
    // Without the user's settings the commands cannot work on the user's list.
    EnterLoggedOut();
    throw;
  }
  const StartUpSettings& s = state_.settings;
  ShowLoggedIn(view_, level, users.CurrentUser(), {s.optionMenuPasLev, s.soundMenuPasLev},
               s.CurrentFile, s.CurrentDir, LineCount(CurrentListPath()));
}

void MainFormO::LogOut() {
  // Nobody logged in has no start-up file to save: Log Out then only asks
  // for a log-in. A save that fails has been shown; the user is logged out
  // all the same, so the next child does not find the session open.
  try {
    if (state_.users.IsLoggedIn()) {
      SaveStartUp(dialogs_, state_.settings, state_.paths, state_.users.CurrentUser());
    }
  } catch (const E_LoadUser_Error&) {
    EnterLoggedOut();
    return;
  }
  EnterLoggedOut();
}

void MainFormO::LogOutButtonClick() {
  LogOut();
  LogIn();
}

void MainFormO::QuitButtonClick() {
  LogOut();
  state_.paths.QuitAllowed = true;
  RequestQuit();
}

void MainFormO::EndOnSignal() {
  state_.paths.QuitAllowed = true;
  RequestQuit();
  LogOut();
}

bool MainFormO::FormCloseQuery() {
  if (state_.paths.QuitAllowed) {
    // What was not committed is rolled back as the connection closes; a
    // connection the engine has dropped has nothing left to keep the window.
    if (database_ != nullptr) database_->Disconnect();
    state_.paths.QuitAllowed = false;
    return true;
  }
  dialogs_.Warning(TrText("MainFormO", "Please use Quit button"));
  return false;
}

void MainFormO::FormClose() {
  LogOut();
  // The window closes only as the program ends: a test still running stops.
  RequestQuit();
}

void MainFormO::SessionEnding() {
  state_.paths.QuitAllowed = true;
}

void MainFormO::TestStarted() {
  view_.testRunning = true;
}

void MainFormO::TestEnded() {
  view_.testRunning = false;
}

void MainFormO::ShowCurrentFile() {
  view_.fileLabel = state_.settings.CurrentFile;
  view_.fileLength = std::to_string(LineCount(CurrentListPath()));
}

std::string MainFormO::Start() {
  ShowCurrentFile();
  return CurrentListPath();
}

void MainFormO::New1Click() {
  const std::optional<std::string> answer =
      dialogs_.Input(TrText("MainFormO", "New File"), TrText("MainFormO", "Input a file name"), "");
  if (!answer) return;
  const std::string name = BaseName(*answer);
  if (TrimSet(name, " ").empty()) {
    // A name of blanks alone names no file anybody could find again.
    dialogs_.Warning(TrText("MainFormO", "Please type a name for the new list"));
    return;
  }
  StartUpSettings& s = state_.settings;
  const std::string folder = state_.paths.listRoot + s.CurrentDir;
  if (FileFound(folder + name + ".Orv")) {
    dialogs_.Warning(TrText("MainFormO", "File already exists"));
    return;
  }
  if (!dialogs_.ConfirmYesNo(
          Filled(TrText("MainFormO", "Create new file: %1"), s.CurrentDir + name)))
    return;
  if (!EnsureFile(folder + name + ".Orv")) return;
  BufferO owner;
  owner.Add("\"" + state_.users.CurrentUser() + "\"");
  if (const int code = SaveToFile(owner, folder + name + ".usr"); code != 0) {
    dialogs_.Error(ErrorTextAt(code, folder + name + ".usr"));
  }
  s.CurrentFile = name + ".Orv";
  view_.fileLabel = s.CurrentDir + s.CurrentFile;
  view_.fileLength = std::to_string(LineCount(folder + s.CurrentFile));
}

void MainFormO::ListOpened() {
  ShowCurrentFile();
  view_.dirLabel = state_.settings.CurrentDir;
}

void MainFormO::ListEdited() {
  view_.fileLength = std::to_string(LineCount(CurrentListPath()));
}

void MainFormO::ChaDir1Click(const FolderPicker& pick) {
  StartUpSettings& s = state_.settings;
  ChangeDirectory(state_.paths.listRoot, s.CurrentDir, s.CurrentFile, pick);
  view_.fileLabel = s.CurrentDir + s.CurrentFile;
  view_.fileLength = std::to_string(LineCount(CurrentListPath()));
  view_.dirLabel = s.CurrentDir;
}

void MainFormO::Deletefile1Click() {
  const StartUpSettings& s = state_.settings;
  const std::string path = CurrentListPath();
  const std::string owner = ListOwner(path);
  const std::string shown = "<" + s.CurrentDir + s.CurrentFile + ">.";
  if (!state_.users.HasAccess(std::to_string(s.delFilePasLev) + " " + owner)) {
    dialogs_.Warning(
        Filled(TrText("MainFormO", "Access denied this is not your file! %1\nThe owner is :%2"),
               shown, owner));
    return;
  }
  if (!dialogs_.ConfirmYesNo(
          Filled(TrText("MainFormO", "Are you sure you want to delete %1"), shown)))
    return;
  if (const int code = EraseFile(path); code != 0) dialogs_.Error(ErrorTextAt(code, path));
  const std::string ownerFile = FolderOf(path) + BaseName(path) + ".usr";
  if (const int code = EraseFile(ownerFile); code != 0) {
    dialogs_.Error(ErrorTextAt(code, ownerFile));
  }
  ShowCurrentFile();
}

void MainFormO::SaveSetting(int code) {
  if (code == 0) return;
  const std::string file = RegistryFile(state_.paths);
  dialogs_.Error(
      ChangeFailureText(file, code, TrText("MainFormO", "the settings")) +
      Filled(TrText("MainFormO", " The change counts until Orv ends; %1 keeps the setting it had."),
             file));
}

void MainFormO::LogWords1Click() {
  view_.logWrong = !view_.logWrong;
  state_.paths.LogMistakes = view_.logWrong;
  SaveSetting(RegWriteBool(state_.paths, kOrvKey, "LogMistakes", view_.logWrong));
}

void MainFormO::Logall1Click() {
  view_.logAll = !view_.logAll;
  state_.paths.LogAll = view_.logAll;
  SaveSetting(RegWriteBool(state_.paths, kOrvKey, "LogAll", view_.logAll));
}

void MainFormO::Image1Click(SessionSounds& sounds) {
  const PasswordO& users = state_.users;
  if (!users.IsLoggedIn() || UpperAZ(users.CurrentUser()) != kPictureUser) return;
  sounds.PlayIfStored(kPictureSound);
}

std::optional<std::vector<std::string>> MainFormO::LinesToPrint() {
  BufferO list;
  if (const int code = LoadFromFile(list, CurrentListPath()); code != 0) {
    dialogs_.Error(ErrorTextAt(code, CurrentListPath()));
    return std::nullopt;
  }
  std::vector<std::string> lines;
  lines.reserve(list.Count());
  for (LineNo i : LineNumbers(list.Count())) lines.push_back(list.Line(i));
  return lines;
}

}  // namespace orv
