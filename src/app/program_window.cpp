#include "app/program_window.h"

#include <QApplication>
#include <QMessageBox>
#include <exception>

#include "app/about_window.h"
#include "app/getuser.h"
#include "app/help_window.h"
#include "app/helpindex.h"
#include "app/login_window.h"
#include "app/mainform_window.h"
#include "app/option_window.h"
#include "app/paslev_window.h"
#include "app/programpaths.h"
#include "app/qtdialogs_window.h"
#include "app/sessionend.h"
#include "files/chdir_window.h"
#include "files/openfile_window.h"
#include "lists/edit_window.h"
#include "lists/viewconpiled_window.h"
#include "users/lookatpas_window.h"
#include "users/password.h"

namespace orv {

OrvProgram::OrvProgram(QtDialogs& dialogs)
    : dialogs_(dialogs), mainForm_(std::make_unique<TMainForm>(dialogs)) {
  TMainForm* main = mainForm_.get();
  dialogs_.SetParent(main);
  auto* about = new TAboutBox(main);
  auto* login = new TLoginForm(main);
  auto* openFile = new TOpenFileForm(main);
  auto* editUsers = new TEditUsers(Users(), dialogs, main);
  auto* options = new TOptionForm(main);
  auto* compiledView = new TCompiledView(dialogs, main);
  auto* editor = new TEditOrv(Users(), dialogs, *compiledView, main);
  auto* chDir = new TChDir(main);
  auto* levels = new TPasLevForm(main);
  auto* help = new THelpForm(FindHelpFolder(ExecutableFolder()), main);
  dialogs_.SetLoginForm(login);
  main->SetWindows(
      {about, options, levels, help, openFile, chDir, editor, compiledView, editUsers});
}

OrvProgram::~OrvProgram() {
  dialogs_.SetLoginForm(nullptr);
  dialogs_.SetParent(nullptr);
}

int RunOrv(const std::optional<std::string>& home,
           const std::function<void(OrvProgram&)>& started) {
  // A restart entry has done its work once this start is under way.
  RemoveRestartEntry();
  QtDialogs dialogs;
  try {
    StartUp(dialogs, home);
  } catch (const std::exception& e) {
    QMessageBox::critical(nullptr, QApplication::applicationName(), e.what());
    return 1;
  }
  int result = 0;
  {
    OrvProgram program(dialogs);
    program.MainForm().show();
    if (started) started(program);
    result = QApplication::exec();
  }
  SetUsers(nullptr);
  return result;
}

}  // namespace orv
