#include "app/mainview.h"

#include "base/translate.h"
#include "users/password.h"

namespace orv {

bool Works(const MainView& view, const Needs& needs) {
  if (needs.noTest && view.testRunning) return false;
  return needs.flag == nullptr || view.*needs.flag;
}

void ShowLoggedOut(MainView& view) {
  view.userLabel = TrText("MainView", "no user");
  view.dirLabel = TrText("MainView", "no user");
  view.fileMenu = false;
  view.optionMenu = false;
  view.userMenu = false;
  view.logMenu = false;
  view.soundMenu = false;
  view.exitItem = false;
  view.startButton = false;
  view.pasLevItem = false;
}

void ShowLoggedIn(MainView& view, int level, const std::string& user, const MenuLevels& levels,
                  const std::string& currentFile, const std::string& currentDir,
                  std::int32_t lineCount) {
  const bool super = level == kSuperLevel;
  view.userLabel = user;
  view.fileMenu = true;
  view.startButton = true;
  view.userMenu = true;
  view.exitItem = true;
  view.optionMenu = super || level >= levels.optionMenuPasLev;
  view.soundMenu = super || level >= levels.soundMenuPasLev;
  view.logMenu = super;
  view.pasLevItem = super;
  view.fileLabel = currentFile;
  view.fileLength = std::to_string(lineCount);
  view.dirLabel = currentDir;
}

}  // namespace orv
