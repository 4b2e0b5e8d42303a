#pragma once
// A program directory with four users and the main window over it, driven
// through the scripted dialogs; the state is the fixture's own.
#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <memory>
#include <string>

#include "app/mainform_window.h"
#include "app/programpaths.h"
#include "app/startupfile.h"
#include "base/platform.h"
#include "support/children.h"
#include "support/fake_dialogs.h"
#include "support/temp_dir.h"
#include "support/test_users.h"
#include "users/password.h"

namespace orv::test {

class MainFormFixture {
 public:
  MainFormFixture() {
    SetProgramDirectory(paths, dir.Str());
    ResetQuitRequest();
    SetQuitHandler([this] { ++quitRequests; });
    test::WritePasswordFile(dir, {{"Boss", "boss-pw", 255},
                                  {"Nine", "nine-pw", 9},
                                  {"Ten", "ten-pw", 10},
                                  {"Low", "low-pw", 5},
                                  {"admin", "admin-pw", 20}});
    users = std::make_unique<PasswordO>(dir.Str(), "KVXS1.KVX", dialogs);
    form = std::make_unique<TMainForm>(dialogs, State());
  }
  ~MainFormFixture() {
    form.reset();
    SetQuitHandler({});
    ResetQuitRequest();
  }
  MainFormFixture(const MainFormFixture&) = delete;
  MainFormFixture& operator=(const MainFormFixture&) = delete;

  // Shows the window, which logs in with the scripted entry (none: cancelled).
  void ShowAndLogIn() {
    form->show();
    QApplication::processEvents();
  }
  void LogInAs(const std::string& name, const std::string& pw) {
    dialogs.logins.push_back({name, pw});
    ShowAndLogIn();
  }

  // The program's state over the fixture's directory, settings and users.
  ProgramState State() { return {settings, paths, *users}; }

  template <typename T>
  T* Get(const char* name) const {
    return Child<T>(*form, name);
  }
  QAction* Tool(const char* name) const { return ToolCommand(*form, name); }
  bool MenuEnabled(QMenu* menu) const { return menu->menuAction()->isEnabled(); }
  std::string Text(const char* label) const { return Get<QLabel>(label)->text().toStdString(); }

  TempDir dir;
  FakeDialogs dialogs;
  ProgramPaths paths;
  StartUpSettings settings;
  std::unique_ptr<PasswordO> users;
  std::unique_ptr<TMainForm> form;
  int quitRequests = 0;
};

}  // namespace orv::test
