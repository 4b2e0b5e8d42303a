// The program orv: start-up first, then every window once, then the event loop.
#include <QMessageBox>
#include <cstring>
#include <optional>
#include <string>

#include "app/about_window.h"
#include "app/application_window.h"
#include "app/getuser.h"
#include "app/help_window.h"
#include "app/helpindex.h"
#include "app/login_window.h"
#include "app/mainform_window.h"
#include "app/message_window.h"
#include "app/option_window.h"
#include "app/paslev_window.h"
#include "app/programpaths.h"
#include "app/qtdialogs_window.h"
#include "app/sessionend.h"
#include "files/chdir_window.h"
#include "files/openfile_window.h"
#include "lists/edit_window.h"
#include "lists/viewconpiled_window.h"
#include "scores/dataset.h"
#include "scores/logquery_window.h"
#include "scores/program_host.h"
#include "scores/score_window.h"
#include "scores/scoredatabase.h"
#include "scores/sound_store.h"
#include "scores/sounds_window.h"
#include "scores/wrongword_window.h"
#include "session/input_window.h"
#include "session/mathinput_window.h"
#include "session/session.h"
#include "session/sessiondatabase.h"
#include "session/sessionui_window.h"
#include "session/wrongwords_window.h"
#include "users/lookatpas_window.h"
#include "users/password.h"

namespace {

// The --home DIR (or --home=DIR) option; Qt's own options pass untouched.
std::optional<std::string> HomeOption(int argc, char** argv) {
  for (int i = 1; i < argc; ++i) {
    if (std::strcmp(argv[i], "--home") == 0 && i + 1 < argc) return std::string(argv[i + 1]);
    if (std::strncmp(argv[i], "--home=", 7) == 0) return std::string(argv[i] + 7);
  }
  return std::nullopt;
}

}  // namespace

int main(int argc, char** argv) {
  orv::OrvApplication app(argc, argv);
  // A restart entry has done its work once this start is under way.
  orv::RemoveRestartEntry();

  orv::QtDialogs dialogs;
  try {
    orv::StartUp(dialogs, HomeOption(argc, argv));
  } catch (const std::exception& e) {
    QMessageBox::critical(nullptr, QApplication::applicationName(), e.what());
    return 1;
  }

  int result = 0;
  {
    orv::ProgramScoreDbHost host;
    orv::ScoreDatabase database(dialogs, host);
    orv::SoundStore sounds(database, dialogs);
    orv::SessionDatabase sessionDatabase(database, sounds);
    // The rows the log, score and sound windows show; the wrong-word window has its own.
    orv::DataSet dataSet;
    orv::DataSet wrongWordData;

    // Every window once, in the program's order; the main window owns the rest.
    orv::TMainForm mainForm(dialogs);
    dialogs.SetParent(&mainForm);
    auto* wrongWords = new orv::TWrongWordsForm(sessionDatabase, &mainForm);
    auto* about = new orv::TAboutBox(&mainForm);
    auto* login = new orv::TLoginForm(&mainForm);
    auto* openFile = new orv::TOpenFileForm(&mainForm);
    auto* editUsers = new orv::TEditUsers(orv::Users(), dialogs, &mainForm);
    auto* options = new orv::TOptionForm(&mainForm);
    // The editor shows its text compiled in the compiled view, made first.
    auto* compiledView = new orv::TCompiledView(dialogs, &mainForm);
    auto* editor = new orv::TEditOrv(orv::Users(), dialogs, *compiledView, &mainForm);
    auto* message = new orv::TMessageForm(&mainForm);
    auto* input = new orv::T_Input(&mainForm);
    auto* chDir = new orv::TChDir(&mainForm);
    auto* math = new orv::TForm1(&mainForm);
    auto* levels = new orv::TPasLevForm(&mainForm);
    auto* help = new orv::THelpForm(orv::FindHelpFolder(orv::ExecutableFolder()), &mainForm);
    auto* log = new orv::TSU(database, dataSet, dialogs, &mainForm);
    auto* wrongWordFile = new orv::TSU1(database, wrongWordData, dialogs, &mainForm);
    auto* scores = new orv::TSF2(database, dataSet, dialogs, &mainForm);
    auto* soundList = new orv::TSoundsForm(database, dataSet, sounds, dialogs, &mainForm);
    dialogs.SetLoginForm(login);

    orv::SessionUi sessionWindows(*message, *input, *math, *wrongWords,
                                  [scores](std::int32_t markedGroup) {
                                    scores->SetMarkedGroup(markedGroup);
                                    scores->exec();
                                  });
    orv::TestSession session(sessionWindows, sessionDatabase, sessionDatabase, dialogs);
    mainForm.SetWindows({about, options, levels, help, openFile, chDir, editor, compiledView,
                         editUsers, log, wrongWordFile, scores, soundList});
    mainForm.SetDatabase(&database, &sessionDatabase);
    mainForm.SetTestRunner([&session](const std::string& path, const std::string& user) {
      session.RunTest(path, user, orv::CurrentSessionSettings());
    });
    mainForm.show();
    result = app.exec();
    dialogs.SetLoginForm(nullptr);
    dialogs.SetParent(nullptr);
  }
  orv::SetUsers(nullptr);
  return result;
}
