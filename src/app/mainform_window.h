#pragma once
// The main window: who is logged in, the current list, Start, Log Out and
// Quit, and every other command in its menu and tool bar. It shows the state
// that MainFormO keeps and forwards its events there.
#include <QMainWindow>
#include <functional>
#include <memory>
#include <string>

#include "app/mainform.h"

class QAction;
class QLabel;
class QMenu;
class QPrinter;
class QPushButton;
class QToolBar;

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

  QLabel* Label1;
  QLabel* Label3;
  QLabel* CFile;
  QLabel* Label2;
  QLabel* UserLabel;
  QLabel* DirLabel;
  QLabel* dirL;
  QLabel* Label4;
  QLabel* FileLengthLabel;
  QLabel* Image1;
  QLabel* Image2;
  QPushButton* BStart;
  QPushButton* BReview;
  QPushButton* LogOutButton;
  QPushButton* BitBtn2;
  QLabel* StatusText;
  QToolBar* ToolBar1;

  QMenu* File1;
  QMenu* Edit1;
  QMenu* User1;
  QMenu* Log1;
  QMenu* Sound1;
  QMenu* Option1;
  QMenu* Help1;
  QAction* Open1;
  QAction* New1;
  QAction* Import1;
  QAction* NewDir1;
  QAction* ChaDir1;
  QAction* Deletefile1;
  QAction* Removedir1;
  QAction* Print1;
  QAction* PrintSetup1;
  QAction* Score1;
  QAction* Exit1;
  QAction* EditFile1;
  QAction* Viewwords1;
  QAction* Loglist1;
  QAction* ViewCompiled1;
  QAction* Makewrongwordfile1;
  QAction* Review1;
  QAction* AddUser1;
  QAction* Editusers1;
  QAction* ChangePasword1;
  QAction* LogWords1;
  QAction* Logusers1;
  QAction* Logall1;
  QAction* View1;
  QAction* Progress1;
  QAction* ClassOverview1;
  QAction* Words1;
  QAction* Option2;
  QAction* Changedatabase1;
  QAction* PasLev1;
  QAction* Contents1;
  QAction* SearchforHelpOn1;
  QAction* HowtoUseHelp1;
  QAction* About1;
  // Tool bar buttons.
  QAction* OpenTool;
  QAction* ChDirTool;
  QAction* NewTool;
  QAction* EditTool;
  QAction* ScoreTool;
  QAction* ViewTool;
  QAction* PrintTool;
  QAction* ExitTool;

 protected:
  void showEvent(QShowEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void ApplyUserLook();
  void BuildLabels();
  void BuildMenu();
  void BuildToolBar();
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
  void Import1Click();
  void NewDir1Click();
  void ChaDir1Click();
  void Removedir1Click();
  void EditFile1Click();
  void Viewwords1Click();
  void ViewCompiled1Click();
  void Editusers1Click();
  void Print1Click();
  void PrintSetup1Click();
  void Option2Click();
  void PasLev1Click();
  void ShowHelp(const std::function<void(THelpForm&)>& open);
  void HelpKey();
  void CommitData();

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
