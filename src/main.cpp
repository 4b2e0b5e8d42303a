// The program orv: start-up first, then every window once, then the event loop.
#include <QMessageBox>
#include <iostream>
#include <optional>
#include <string>

#include "app/about_window.h"
#include "app/application_window.h"
#include "app/getuser.h"
#include "app/help_window.h"
#include "app/helpindex.h"
#include "app/login_window.h"
#include "app/mainform_window.h"
#include "app/option_window.h"
#include "app/paslev_window.h"
#include "app/programoptions.h"
#include "app/programpaths.h"
#include "app/qtdialogs_window.h"
#include "app/sessionend.h"
#include "files/chdir_window.h"
#include "files/openfile_window.h"
#include "lists/edit_window.h"
#include "lists/viewconpiled_window.h"
#include "users/lookatpas_window.h"
#include "users/password.h"

int main(int argc, char** argv) {
  const orv::ProgramOptions options = orv::ReadProgramOptions({argv + 1, argv + argc});
  if (!options.error.empty()) {
    std::cerr << "orv: " << options.error << " (see orv --help)\n";
    return 2;
  }
  if (options.help || options.version) {
    std::cout << (options.help ? orv::ProgramHelpText() : orv::ProgramVersionText());
    return 0;
  }
  orv::OrvApplication app(argc, argv);
  // A restart entry has done its work once this start is under way.
  orv::RemoveRestartEntry();

  orv::QtDialogs dialogs;
  try {
    orv::StartUp(dialogs, options.home);
  } catch (const std::exception& e) {
    QMessageBox::critical(nullptr, QApplication::applicationName(), e.what());
    return 1;
  }

  int result = 0;
  {
    orv::TMainForm mainForm(dialogs);
    dialogs.SetParent(&mainForm);
    auto* about = new orv::TAboutBox(&mainForm);
    auto* login = new orv::TLoginForm(&mainForm);
    auto* openFile = new orv::TOpenFileForm(&mainForm);
    auto* editUsers = new orv::TEditUsers(orv::Users(), dialogs, &mainForm);
    auto* options = new orv::TOptionForm(&mainForm);
    auto* compiledView = new orv::TCompiledView(dialogs, &mainForm);
    auto* editor = new orv::TEditOrv(orv::Users(), dialogs, *compiledView, &mainForm);
    auto* chDir = new orv::TChDir(&mainForm);
    auto* levels = new orv::TPasLevForm(&mainForm);
    auto* help = new orv::THelpForm(orv::FindHelpFolder(orv::ExecutableFolder()), &mainForm);
    dialogs.SetLoginForm(login);
    mainForm.SetWindows(
        {about, options, levels, help, openFile, chDir, editor, compiledView, editUsers});
    mainForm.show();
    result = app.exec();
    dialogs.SetLoginForm(nullptr);
    dialogs.SetParent(nullptr);
  }
  orv::SetUsers(nullptr);
  return result;
}
