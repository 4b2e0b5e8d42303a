#pragma once
// What the main window shows: which of its menus and buttons work and the
// texts of its labels. The window only displays this; the log-in states and
// the access thresholds decide it here, so the rules hold without a window.
#include <cstdint>
#include <string>

namespace orv {

struct MainView {
  bool fileMenu = false;
  bool optionMenu = false;
  bool userMenu = false;
  bool logMenu = false;
  bool soundMenu = false;
  bool exitItem = false;
  bool startButton = false;
  // The password-level window is the super user's alone.
  bool pasLevItem = false;
  // The Log menu's check marks.
  bool logWrong = false;
  bool logAll = false;
  // A test is under way: Open, New, Delete file, ChDir, Remove dir, Edit, Log
  // Out, Change database, the User menu, Print and Start are off; Quit stays.
  bool testRunning = false;
  std::string userLabel = "no user";
  std::string dirLabel = "no user";
  std::string fileLabel;
  std::string fileLength;
};

// The thresholds that decide the menus of an ordinary user.
struct MenuLevels {
  std::int32_t optionMenuPasLev = 10;
  std::int32_t soundMenuPasLev = 0;
};

// What a command of the main window needs to work: a flag of the view (none:
// it works in any state) and, for the commands on the ground of a test, no
// test under way.
struct Needs {
  bool MainView::*flag = nullptr;
  bool noTest = false;
};
bool Works(const MainView& view, const Needs& needs);

// Nobody logged in: only the Word List and Help menus, Log Out and Quit work.
// The current file and its length stay as they were.
void ShowLoggedOut(MainView& view);

// A user of level 0 ... 255 logged in, after the user's settings were read.
// lineCount is the current list's line count (0 when it does not exist).
void ShowLoggedIn(MainView& view, int level, const std::string& user, const MenuLevels& levels,
                  const std::string& currentFile, const std::string& currentDir,
                  std::int32_t lineCount);

}  // namespace orv
