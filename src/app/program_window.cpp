#include "app/program_window.h"

#include <QApplication>
#include <QMessageBox>
#include <exception>
#include <initializer_list>
#include <optional>

#include "app/about_window.h"
#include "app/endsignals.h"
#include "app/getuser.h"
#include "app/help_window.h"
#include "app/helpindex.h"
#include "app/language.h"
#include "app/listedithost.h"
#include "app/login_window.h"
#include "app/mainform_window.h"
#include "app/openprogress_window.h"
#include "app/option_window.h"
#include "app/paslev_window.h"
#include "app/programhost.h"
#include "app/programpaths.h"
#include "app/qtdialogs_window.h"
#include "app/review.h"
#include "app/scorewindowhost.h"
#include "app/sessionend.h"
#include "app/sessionsettings.h"
#include "app/startupfile.h"
#include "base/platform.h"
#include "base/translate.h"
#include "exchange/export_window.h"
#include "exchange/import_window.h"
#include "files/chdir_window.h"
#include "files/openfile_window.h"
#include "lists/edit_window.h"
#include "lists/viewconpiled_window.h"
#include "progress/classoverview_window.h"
#include "progress/progress_window.h"
#include "scores/dataset.h"
#include "scores/importedsounds.h"
#include "scores/logquery_window.h"
#include "scores/score_window.h"
#include "scores/scoredatabase.h"
#include "scores/sound/beeptone.h"
#include "scores/sounds_window.h"
#include "scores/soundstore.h"
#include "scores/wrongword_window.h"
#include "session/input_window.h"
#include "session/mathinput_window.h"
#include "session/session.h"
#include "session/sessiondatabase.h"
#include "session/sessionui_window.h"
#include "session/wrongwords_window.h"
#include "users/lookatpas_window.h"
#include "users/password.h"
#include "widgets/formhelpers_window.h"
#include "widgets/message_window.h"

namespace orv {

OrvProgram::OrvProgram(QtDialogs& dialogs, ProgramState state, const DbAccount& account)
    : dialogs_(dialogs),
      state_(state),
      host_(std::make_unique<ProgramScoreDbHost>(account, state_.paths, state_.settings,
                                                 &state_.users)),
      listEditHost_(std::make_unique<ProgramListEditHost>(state_)),
      scoreWindowHost_(std::make_unique<ProgramScoreWindowHost>(state_)),
      database_(std::make_unique<ScoreDatabase>(dialogs, *host_)),
      sounds_(std::make_unique<SoundStore>(*database_, dialogs)),
      sessionDatabase_(std::make_unique<SessionDatabase>(*database_, *sounds_)),
      dataSet_(std::make_unique<DataSet>()),
      wrongWordData_(std::make_unique<DataSet>()),
      mainForm_(std::make_unique<TMainForm>(dialogs, state_)) {
  // Every window once, in the program's order; the main window owns the rest.
  TMainForm* main = mainForm_.get();
  dialogs_.SetParent(main);
  auto* wrongAnswer = new TWrongWordsForm(*sessionDatabase_, main);
  auto* about = new TAboutBox(main);
  auto* scores = new TSF2(*database_, *dataSet_, *scoreWindowHost_, dialogs, main);
  auto* log = new TSU(*database_, *dataSet_, *scoreWindowHost_, dialogs, main);
  auto* login = new TLoginForm(state_.users, state_.paths, main);
  auto* openFile = new TOpenFileForm(main);
  auto* editUsers = new TEditUsers(state_.users, dialogs, main);
  auto* options = new TOptionForm(state_.settings, state_.paths, main);
  // The editor shows its text compiled in the compiled view, made first.
  auto* compiledView = new TCompiledView(dialogs, compileSettings_, main);
  auto* editor = new TEditOrv(*listEditHost_, dialogs, *compiledView, main);
  editor->SetExport([this, editor](const std::string& name, const BufferO& lines) {
    ExportListWindow(editor, dialogs_, name, lines,
                     [this](const std::string& word) { return sounds_->SoundOf(word); });
  });
  auto* importForm = new TImportForm(
      dialogs,
      [this](const std::vector<ImportedSound>& sounds) {
        const StoredImport done = StoreImportedSounds(*sounds_, sounds);
        std::string told = Filled(done.stored == 1 ? TrText("OrvProgram", "%1 sound stored.")
                                                   : TrText("OrvProgram", "%1 sounds stored."),
                                  std::to_string(done.stored));
        for (const std::string& failure : done.failures) told += "\n" + failure;
        return told;
      },
      main);
  auto* message = new TMessageForm(main);
  auto* input = new T_Input(main);
  auto* soundList =
      new TSoundsForm(*database_, *dataSet_, *sounds_, *scoreWindowHost_, dialogs, main);
  auto* chDir = new TChDir(main);
  auto* math = new TForm1(main);
  auto* wrongWordFile = new TSU1(*database_, *wrongWordData_, *scoreWindowHost_, dialogs, main);
  auto* levels = new TPasLevForm(state_.settings, main);
  auto* help = new THelpForm(FindHelpFolder(ExecutableFolder()), main);
  auto* progress = new TProgressForm(*database_, dialogs, main);
  auto* classOverview = new TClassOverviewForm(*database_, *progress, dialogs, main);
  QObject::connect(scores, &TSF2::ProgressRequested, progress,
                   [this, progress, &dialogs] { OpenProgress(*progress, dialogs, state_); });
  dialogs_.SetLoginForm(login);
  for (QWidget* testWindow : std::initializer_list<QWidget*>{input, math, wrongAnswer}) {
    AddQuitKeys(testWindow, [main] { main->QuitFromTest(); });
  }

  sessionWindows_ =
      std::make_unique<SessionUi>(*message, *input, *math, *wrongAnswer,
                                  [scores](std::int32_t markedGroup, const std::string& kindWord) {
                                    scores->SetMarkedGroup(markedGroup);
                                    scores->SetKindWord(kindWord);
                                    scores->exec();
                                  });
  session_ = std::make_unique<TestSession>(*sessionWindows_, *sessionDatabase_, *sessionDatabase_,
                                           dialogs, compileSettings_);
  MainFormWindows windows;
  windows.about = about;
  windows.options = options;
  windows.levels = levels;
  windows.help = help;
  windows.openFile = openFile;
  windows.chDir = chDir;
  windows.editor = editor;
  windows.compiledView = compiledView;
  windows.editUsers = editUsers;
  windows.importForm = importForm;
  windows.log = log;
  windows.wrongWords = wrongWordFile;
  windows.scores = scores;
  windows.sounds = soundList;
  windows.progress = progress;
  windows.classOverview = classOverview;
  main->SetWindows(windows);
  main->SetDatabase(database_.get(), sessionDatabase_.get());
  main->SetTestRunner([this](const std::string& path, const std::string& user) {
    session_->RunTest(path, user, CurrentSessionSettings(state_.settings, state_.paths));
  });
  main->SetReviewRunner([this](const std::string& user) {
    RunReview(*database_, *session_, dialogs_, state_.paths, user,
              CurrentSessionSettings(state_.settings, state_.paths));
  });
}

OrvProgram::~OrvProgram() {
  dialogs_.SetLoginForm(nullptr);
  dialogs_.SetParent(nullptr);
}

int RunOrv(const std::optional<std::string>& home,
           const std::function<void(OrvProgram&)>& started) {
  // A restart entry has done its work once this start is under way.
  RemoveRestartEntry();
  ResetQuitRequest();
  // A signal before the program is up ends the start-up; later ones end the
  // program as Quit does.
  OrvProgram* running = nullptr;
  EndSignals endSignals([&running] {
    if (running != nullptr) {
      running->MainForm().EndOnSignal();
    } else {
      RequestQuit();
    }
  });
  QtDialogs dialogs;
  std::optional<StartedProgram> start;
  try {
    start.emplace(StartUp(dialogs, home));
  } catch (const std::exception& e) {
    QMessageBox::critical(nullptr, QApplication::applicationName(), e.what());
    return 1;
  }
  if (QuitRequested()) return 0;
  // The windows are made in the language of the user who is likely to log in.
  FollowUserLanguage(
      StartUpLanguage(StartUpFilePathOf(start->paths.programDir, LastUserName(start->paths))),
      FindTranslationsFolder(ExecutableFolder()));
  int result = 0;
  // The beep is a tone through the sound output, not a bell on a terminal.
  SetBeepHandler(PlayBeepTone);
  {
    OrvProgram program(dialogs, start->State(), start->databases.Account());
    running = &program;
    program.MainForm().show();
    if (started) started(program);
    // The loop would forget an end asked for before it runs.
    if (!QuitRequested()) result = QApplication::exec();
    program.MainForm().ProgramEnded();
    running = nullptr;
  }
  SetBeepHandler({});
  return result;
}

}  // namespace orv
