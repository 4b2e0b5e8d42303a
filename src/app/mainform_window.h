#pragma once
// The main window: who is logged in, the current list, Start, Log Out and
// Quit, and every other command in its menu and tool bar. It shows the state
// that MainFormO keeps and forwards its events there.
#include <QMainWindow>
#include <functional>
#include <memory>
#include <span>
#include <string>
#include <vector>

#include "app/maincommands_window.h"
#include "app/mainform.h"
#include "app/mainview.h"

class QAction;
class QLabel;
class QMenu;
class QPrinter;
class QPushButton;

namespace orv {

class Dialogs;
class ScoreDatabase;
class SessionSounds;
class TAboutBox;
class TChDir;
class TClassOverviewForm;
class TCompiledView;
class TEditOrv;
class TEditUsers;
class TImportForm;
class THelpForm;
class TOpenFileForm;
class TOptionForm;
class TPasLevForm;
class TProgressForm;
class TSF2;
class TSoundsForm;
class TSU;
class TSU1;

// The windows the main window opens; any may be absent.
struct MainFormWindows {
  TAboutBox* about = nullptr;
  TOptionForm* options = nullptr;
  TPasLevForm* levels = nullptr;
  THelpForm* help = nullptr;
  TOpenFileForm* openFile = nullptr;
  TChDir* chDir = nullptr;
  TEditOrv* editor = nullptr;
  TCompiledView* compiledView = nullptr;
  TEditUsers* editUsers = nullptr;
  TImportForm* importForm = nullptr;
  TSU* log = nullptr;
  TSU1* wrongWords = nullptr;
  TSF2* scores = nullptr;
  TSoundsForm* sounds = nullptr;
  TProgressForm* progress = nullptr;
  TClassOverviewForm* classOverview = nullptr;
};

// Runs a test on a list for a user.
using TestRunner = std::function<void(const std::string& listPath, const std::string& user)>;
using ReviewRunner = std::function<void(const std::string& user)>;

class TMainForm : public QMainWindow {
  Q_OBJECT

 public:
  TMainForm(Dialogs& dialogs, ProgramState state, QWidget* parent = nullptr);
  ~TMainForm() override;

  void SetWindows(const MainFormWindows& windows);
  // Start works once a test can be run.
  void SetTestRunner(TestRunner runner);
  // Review works once a review can be run.
  void SetReviewRunner(ReviewRunner runner);
  // Change database and the picture's sound work once the database is there.
  void SetDatabase(ScoreDatabase* database, SessionSounds* sounds);

  MainFormO& Core() { return core_; }
  // Shows the core's state in the window.
  void ShowState();
  // Prints the current list on the printer (what Print does after its dialog).
  void PrintCurrentList(QPrinter& printer);
  // SIGTERM or SIGINT: the program ends as Quit ends it.
  void EndOnSignal();
  // Quit from a window of a test, which keeps this one out of reach.
  void QuitFromTest() { QuitButtonClick(); }
  // After the event loop: a user still logged in is logged out as Quit does.
  void ProgramEnded();

 protected:
  void showEvent(QShowEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  // The command table names the window's handlers.
  friend std::span<const CommandRow> MainCommands();

  void ApplyUserLook();
  void FitMenuBar();
  void BuildLabels();
  void BuildMenu();
  void BuildToolBar();
  bool IsThere(CommandPart part) const;
  // Runs a command; what it lets through is shown in an error box.
  void Run(const std::function<void()>& command);

  void FormActivate();
  void Start();
  void Review();
  // Runs a test or a review with the commands that would change its ground off.
  void RunAsTest(const std::function<void()>& test);
  void LogOutButtonClick();
  void QuitButtonClick();
  void Open1Click();
  void New1Click();
  void Import1Click();
  void NewDir1Click();
  void ChaDir1Click();
  void Deletefile1Click();
  void Removedir1Click();
  void Score1Click();
  void Progress1Click();
  void ClassOverview1Click();
  void EditFile1Click();
  void Viewwords1Click();
  void View1Click();
  void ViewCompiled1Click();
  void Makewrongwordfile1Click();
  void AddUser1Click();
  void Editusers1Click();
  void ChangePasword1Click();
  void LogWords1Click();
  void Logall1Click();
  void Words1Click();
  void Print1Click();
  void PrintSetup1Click();
  void Option2Click();
  void Changedatabase1Click();
  void PasLev1Click();
  void Contents1Click();
  void SearchforHelpOn1Click();
  void HowtoUseHelp1Click();
  void About1Click();
  void ShowHelp(const std::function<void(THelpForm&)>& open);
  void HelpKey();
  void CommitData();

  QLabel* CFile = nullptr;
  QLabel* UserLabel = nullptr;
  QLabel* dirL = nullptr;
  QLabel* FileLengthLabel = nullptr;
  QLabel* Image1 = nullptr;
  QPushButton* BStart = nullptr;
  QPushButton* BReview = nullptr;
  QPushButton* LogOutButton = nullptr;
  // The menus in the order of their table, and each command's one action in
  // the order of the command table (none for a separator).
  std::vector<QMenu*> menus_;
  std::vector<QAction*> actions_;
  MainFormO core_;
  Dialogs& dialogs_;
  MainFormWindows windows_;
  TestRunner runTest_;
  ReviewRunner runReview_;
  SessionSounds* sounds_ = nullptr;
  std::unique_ptr<QPrinter> printer_;
  bool activated_ = false;
};

}  // namespace orv
