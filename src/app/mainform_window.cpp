#include "app/mainform_window.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QFileDialog>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenuBar>
#include <QMessageBox>
#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QSessionManager>
#include <QShortcut>
#include <QStatusBar>
#include <QStyle>
#include <QToolBar>
#include <QVBoxLayout>

#include "app/about_window.h"
#include "app/appearance_window.h"
#include "app/getuser.h"
#include "app/help_window.h"
#include "app/openprogress_window.h"
#include "app/option_window.h"
#include "app/paslev_window.h"
#include "app/picture_window.h"
#include "app/printing_window.h"
#include "app/programpaths.h"
#include "app/sessionend.h"
#include "app/startupfile.h"
#include "base/dialogs.h"
#include "base/platform.h"
#include "base/translate.h"
#include "exchange/import_window.h"
#include "files/chdir_window.h"
#include "files/openfile_window.h"
#include "lists/edit_window.h"
#include "lists/viewconpiled_window.h"
#include "scores/logquery_window.h"
#include "scores/score_window.h"
#include "scores/scoredatabase.h"
#include "scores/sounds_window.h"
#include "scores/wrongword_window.h"
#include "users/lookatpas_window.h"
#include "users/password.h"
#include "widgets/formhelpers_window.h"
#include "widgets/windowlook_window.h"

namespace orv {
namespace {

// Wide enough for the whole menu bar at the desktop's text size.
constexpr int kMenuBarWidth = 440;

QAction* Item(QMenu* menu, const char* name, const QString& caption, const QString& hint = {},
              const QKeySequence& shortcut = {}) {
  QAction* action = menu->addAction(caption);
  action->setObjectName(name);
  if (!hint.isEmpty()) SetHint(action, hint);
  if (!shortcut.isEmpty()) action->setShortcut(shortcut);
  return action;
}

QMenu* Menu(QMenuBar* bar, const char* name, const QString& caption, const QString& hint = {}) {
  QMenu* menu = bar->addMenu(caption);
  menu->setObjectName(name);
  if (!hint.isEmpty()) SetHint(menu->menuAction(), hint);
  return menu;
}

// A command whose window is not part of the program yet: shown, never enabled.
void NotYetAvailable(std::initializer_list<QAction*> actions) {
  for (QAction* a : actions) {
    a->setEnabled(false);
  }
}

}  // namespace

TMainForm::TMainForm(Dialogs& dialogs, ProgramState state, QWidget* parent)
    : QMainWindow(parent, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                              Qt::WindowMinimizeButtonHint | Qt::WindowContextHelpButtonHint |
                              Qt::WindowCloseButtonHint),
      core_(dialogs, state),
      dialogs_(dialogs),
      printer_(std::make_unique<QPrinter>(QPrinter::HighResolution)) {
  setObjectName("MainForm");
  setWindowTitle(Tr("TMainForm", "Orv 7.0"));
  BuildLabels();
  BuildMenu();
  BuildToolBar();
  // As wide as the menus, so that none hides behind the menu bar's extension button.
  centralWidget()->setMinimumWidth(menuBar()->sizeHint().width());

  statusBar()->setObjectName("StatusBar1");
  statusBar()->setStyleSheet("QStatusBar { background: lime; }");
  statusBar()->setSizeGripEnabled(false);
  SetHint(statusBar(), Tr("TMainForm", "Hint bar"));
  StatusText = new QLabel(Tr("TMainForm", "Orv6"), statusBar());
  statusBar()->addWidget(StatusText, 1);

  auto* help = new QShortcut(QKeySequence::HelpContents, this);
  connect(help, &QShortcut::activated, this, &TMainForm::HelpKey);
  connect(qApp, &QGuiApplication::commitDataRequest, this, &TMainForm::CommitData);

  ShowState();
  layout()->setSizeConstraint(QLayout::SetFixedSize);
}

TMainForm::~TMainForm() = default;

void TMainForm::BuildLabels() {
  auto* central = new QWidget(this);
  SetHint(central, Tr("TMainForm", "|Orv6"));
  central->setMinimumWidth(kMenuBarWidth);
  setCentralWidget(central);

  Label1 = new QLabel(Tr("TMainForm", "Orv 7.0."), central);
  QFont title("Lucida Handwriting");
  title.setStyleHint(QFont::Cursive);
  title.setPointSize(24);
  title.setBold(true);
  Label1->setFont(title);
  Label1->setAlignment(Qt::AlignCenter);
  Image1 = new QLabel(central);
  Image1->setObjectName("Image1");
  Image1->setPixmap(OrvPicture(QSize(96, 96)));
  Image1->setScaledContents(true);
  Image1->setFixedSize(96, 96);
  Image1->installEventFilter(this);
  Image2 = new QLabel(central);
  Image2->setObjectName("Image2");
  Image2->setPixmap(OrvPicture(QSize(48, 48)));

  Label3 = new QLabel(Tr("TMainForm", "File"), central);
  CFile = new QLabel(central);
  Label2 = new QLabel(Tr("TMainForm", "User"), central);
  UserLabel = new QLabel(central);
  DirLabel = new QLabel(Tr("TMainForm", "Directory"), central);
  dirL = new QLabel(central);
  Label4 = new QLabel(Tr("TMainForm", "File length"), central);
  FileLengthLabel = new QLabel(central);
  for (QLabel* l : {Label3, CFile}) SetHint(l, Tr("TMainForm", "|current word list"));
  for (QLabel* l : {Label2, UserLabel}) SetHint(l, Tr("TMainForm", "|Current user"));
  for (QLabel* l : {DirLabel, dirL}) SetHint(l, Tr("TMainForm", "Current sub group"));
  for (QLabel* l : {Label4, FileLengthLabel})
    SetHint(l, Tr("TMainForm", "number of words in list"));
  for (QLabel* l : {CFile, UserLabel, dirL, FileLengthLabel}) {
    QFont bold = l->font();
    bold.setBold(true);
    l->setFont(bold);
    l->setMinimumWidth(220);
  }

  BStart = new QPushButton(Tr("TMainForm", "Start"), central);
  BStart->setObjectName("BStart");
  BStart->setDefault(true);
  SetHint(BStart, Tr("TMainForm", "Start on the file above"));
  BReview = new QPushButton(Tr("TMainForm", "&Review"), central);
  BReview->setObjectName("BReview");
  BReview->setAutoDefault(true);
  SetHint(BReview, Tr("TMainForm", "Review|Ask again the words that are due, from every list"));
  LogOutButton = new QPushButton(Tr("TMainForm", "&Log Out"), central);
  LogOutButton->setObjectName("LogOutButton");
  LogOutButton->setFocusPolicy(Qt::ClickFocus);
  SetHint(LogOutButton,
          Tr("TMainForm",
             "Log out|log off the current user and leave orv running use Quit to quit orv"));
  BitBtn2 = new QPushButton(style()->standardIcon(QStyle::SP_DialogCloseButton),
                            Tr("TMainForm", "&Quit"), central);
  BitBtn2->setObjectName("BitBtn2");
  SetHint(BitBtn2, Tr("TMainForm", "|Quit program"));
  auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
  connect(escape, &QShortcut::activated, LogOutButton, &QPushButton::click);

  auto* top = new QHBoxLayout;
  top->addWidget(Image1);
  top->addWidget(Label1, 1);
  top->addWidget(Image2, 0, Qt::AlignTop);
  auto* grid = new QGridLayout;
  grid->addWidget(Label3, 0, 0);
  grid->addWidget(CFile, 0, 1);
  grid->addWidget(Label2, 1, 0);
  grid->addWidget(UserLabel, 1, 1);
  grid->addWidget(DirLabel, 2, 0);
  grid->addWidget(dirL, 2, 1);
  grid->addWidget(Label4, 3, 0);
  grid->addWidget(FileLengthLabel, 3, 1);
  grid->setColumnStretch(1, 1);
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(BStart);
  buttons->addWidget(BReview);
  buttons->addWidget(LogOutButton);
  buttons->addWidget(BitBtn2);
  auto* layout = new QVBoxLayout(central);
  layout->addLayout(top);
  layout->addLayout(grid);
  layout->addLayout(buttons);

  connect(BStart, &QPushButton::clicked, this, &TMainForm::Start);
  connect(BReview, &QPushButton::clicked, this, &TMainForm::Review);
  connect(LogOutButton, &QPushButton::clicked, this, &TMainForm::LogOutButtonClick);
  connect(BitBtn2, &QPushButton::clicked, this, &TMainForm::QuitButtonClick);
}

void TMainForm::BuildMenu() {
  QMenuBar* bar = menuBar();
  bar->setObjectName("MainMenu1");

  File1 = Menu(bar, "File1", Tr("TMainForm", "&File"));
  Open1 =
      Item(File1, "Open1", Tr("TMainForm", "&Open..."),
           Tr("TMainForm", "Pick file|Pick an existing orv file for the current file"), Qt::Key_F3);
  File1->addSeparator();
  New1 = Item(File1, "New1", Tr("TMainForm", "&New"), Tr("TMainForm", "Create new orv file"));
  NewDir1 = Item(File1, "NewDir1", Tr("TMainForm", "New Dir"));
  Import1 = Item(
      File1, "Import1", Tr("TMainForm", "&Import..."),
      Tr("TMainForm", "Make word lists from the files of other programs: CSV, KVTML, Anki, text"));
  ChaDir1 = Item(File1, "ChaDir1", Tr("TMainForm", "&ChDir"),
                 Tr("TMainForm", "Change current directory"));
  Deletefile1 = Item(File1, "Deletefile1", Tr("TMainForm", "&Delete file"),
                     Tr("TMainForm", "|Delete word list cleanup score etc."));
  Removedir1 = Item(File1, "Removedir1", Tr("TMainForm", "Remove dir"),
                    Tr("TMainForm", "Remove a directory, it will need to be empty"));
  File1->addSeparator();
  Print1 = Item(File1, "Print1", Tr("TMainForm", "&Print..."),
                Tr("TMainForm", "Print current file"), QKeySequence("Ctrl+P"));
  PrintSetup1 = Item(File1, "PrintSetup1", Tr("TMainForm", "P&rint Setup..."),
                     Tr("TMainForm", "Setup printer"));
  File1->addSeparator();
  Score1 = Item(File1, "Score1", Tr("TMainForm", "&Score"),
                Tr("TMainForm", "Show score for current file"));
  Progress1 = Item(File1, "Progress1", Tr("TMainForm", "Pro&gress"),
                   Tr("TMainForm", "Your tests over time, as charts"));
  ClassOverview1 = Item(File1, "ClassOverview1", Tr("TMainForm", "Class o&verview"),
                        Tr("TMainForm", "Every learner's tests of each list at a glance"));
  File1->addSeparator();
  Exit1 = Item(File1, "Exit1", Tr("TMainForm", "E&xit"));

  Edit1 = Menu(bar, "Edit1", Tr("TMainForm", "&Word List"), Tr("TMainForm", "Edit Menu"));
  EditFile1 =
      Item(Edit1, "EditFile1", Tr("TMainForm", "&Edit List"),
           Tr("TMainForm",
              "Edit File|Edit current file if you are the owner or have high enough pas level"));
  Viewwords1 = Item(Edit1, "Viewwords1", Tr("TMainForm", "&View words"),
                    Tr("TMainForm", "Look at the current list of words"));
  Loglist1 = Item(Edit1, "Loglist1", Tr("TMainForm", "&Log list"));
  ViewCompiled1 = Item(Edit1, "ViewCompiled1", Tr("TMainForm", "View &Compiled"), {},
                       QKeySequence("Ctrl+Alt+C"));
  Edit1->addSeparator();
  Makewrongwordfile1 = Item(Edit1, "Makewrongwordfile1", Tr("TMainForm", "&Make wrong word file"));
  Review1 = Item(Edit1, "Review1", Tr("TMainForm", "&Review"),
                 Tr("TMainForm", "Ask again the words that are due, from every list"));

  User1 = Menu(bar, "User1", Tr("TMainForm", "&User"), Tr("TMainForm", "Click for user menu"));
  AddUser1 =
      Item(User1, "AddUser1", Tr("TMainForm", "&Add User"), Tr("TMainForm", "Add a new user"));
  Editusers1 = Item(User1, "Editusers1", Tr("TMainForm", "&Edit users"),
                    Tr("TMainForm", "Edit the password file"));
  ChangePasword1 = Item(User1, "ChangePasword1", Tr("TMainForm", "&Change Pasword"),
                        Tr("TMainForm", "Change the password of a user"));

  Log1 = Menu(bar, "Log1", Tr("TMainForm", "&Log"), Tr("TMainForm", "Not iimplemented"));
  LogWords1 = Item(Log1, "LogWords1", Tr("TMainForm", "&Log wrong"),
                   Tr("TMainForm", "If checked any mistake will be written to a log file"),
                   QKeySequence("Ctrl+L"));
  LogWords1->setCheckable(true);
  Logusers1 =
      Item(Log1, "Logusers1", Tr("TMainForm", "Log &users"), Tr("TMainForm", "not implemented"));
  Logusers1->setCheckable(true);
  Logusers1->setChecked(true);
  Logall1 = Item(
      Log1, "Logall1", Tr("TMainForm", "Log &correct"),
      Tr("TMainForm", "Log right answers|Log correct answers but not necessarily wrong ones "));
  Logall1->setCheckable(true);
  View1 = Item(Log1, "View1", Tr("TMainForm", "&View log"));

  Sound1 = Menu(bar, "Sound1", Tr("TMainForm", "&Sound"));
  Words1 = Item(Sound1, "Words1", Tr("TMainForm", "&Words"),
                Tr("TMainForm", "Sounds stored In data base"));

  Option1 =
      Menu(bar, "Option1", Tr("TMainForm", "&Option"), Tr("TMainForm", "Click for option menu"));
  Option2 = Item(Option1, "Option2", Tr("TMainForm", "&Option"));
  Changedatabase1 = Item(Option1, "Changedatabase1", Tr("TMainForm", "&Change database"));
  PasLev1 = Item(Option1, "PasLev1", Tr("TMainForm", "&Pasword levels"),
                 Tr("TMainForm", "The password level each guarded command needs"));

  Help1 = Menu(bar, "Help1", Tr("TMainForm", "&Help"), Tr("TMainForm", "Click for help menu"));
  Contents1 = Item(Help1, "Contents1", Tr("TMainForm", "&Contents"));
  SearchforHelpOn1 = Item(Help1, "SearchforHelpOn1", Tr("TMainForm", "&Search for Help On..."));
  HowtoUseHelp1 = Item(Help1, "HowtoUseHelp1", Tr("TMainForm", "&How to Use Help"));
  About1 = Item(Help1, "About1", Tr("TMainForm", "&About..."));

  // "Log users" has never had a command of its own.
  NotYetAvailable({Logusers1});

  connect(Open1, &QAction::triggered, this, &TMainForm::Open1Click);
  connect(New1, &QAction::triggered, this, [this] { Run([this] { core_.New1Click(); }); });
  connect(NewDir1, &QAction::triggered, this, &TMainForm::NewDir1Click);
  connect(ChaDir1, &QAction::triggered, this, &TMainForm::ChaDir1Click);
  connect(Removedir1, &QAction::triggered, this, &TMainForm::Removedir1Click);
  connect(EditFile1, &QAction::triggered, this, &TMainForm::EditFile1Click);
  connect(Viewwords1, &QAction::triggered, this, &TMainForm::Viewwords1Click);
  connect(ViewCompiled1, &QAction::triggered, this, &TMainForm::ViewCompiled1Click);
  connect(Editusers1, &QAction::triggered, this, &TMainForm::Editusers1Click);
  connect(Deletefile1, &QAction::triggered, this,
          [this] { Run([this] { core_.Deletefile1Click(); }); });
  connect(Print1, &QAction::triggered, this, &TMainForm::Print1Click);
  connect(Import1, &QAction::triggered, this, &TMainForm::Import1Click);
  connect(PrintSetup1, &QAction::triggered, this, &TMainForm::PrintSetup1Click);
  connect(Exit1, &QAction::triggered, this, &TMainForm::QuitButtonClick);
  connect(AddUser1, &QAction::triggered, this, [this] {
    Run([this] { core_.State().users.AddUser(core_.State().settings.addUserPasLev); });
  });
  connect(ChangePasword1, &QAction::triggered, this,
          [this] { Run([this] { core_.State().users.ChangeOwnPassword(); }); });
  connect(LogWords1, &QAction::triggered, this,
          [this] { Run([this] { core_.LogWords1Click(); }); });
  connect(Logall1, &QAction::triggered, this, [this] { Run([this] { core_.Logall1Click(); }); });
  connect(Option2, &QAction::triggered, this, &TMainForm::Option2Click);
  connect(PasLev1, &QAction::triggered, this, &TMainForm::PasLev1Click);
  connect(Changedatabase1, &QAction::triggered, this, [this] {
    Run([this] {
      if (core_.Database() != nullptr) core_.Database()->ChooseDatabase();
    });
  });
  connect(Review1, &QAction::triggered, this, &TMainForm::Review);
  connect(Score1, &QAction::triggered, this, [this] {
    Run([this] {
      if (windows_.scores != nullptr) windows_.scores->exec();
    });
  });
  for (QAction* viewLog : {View1, Loglist1}) {
    connect(viewLog, &QAction::triggered, this, [this] {
      Run([this] {
        if (windows_.log != nullptr) {
          OpenLogWindow(*windows_.log, core_.State().settings.lookOtherUsersPasLev, dialogs_);
        }
      });
    });
  }
  connect(Makewrongwordfile1, &QAction::triggered, this, [this] {
    Run([this] {
      if (windows_.wrongWords != nullptr) {
        OpenLogWindow(*windows_.wrongWords, core_.State().settings.MakeWrongWordFileForOthers,
                      dialogs_);
      }
    });
  });
  connect(Progress1, &QAction::triggered, this, [this] {
    Run([this] {
      if (windows_.progress != nullptr) OpenProgress(*windows_.progress, dialogs_, core_.State());
    });
  });
  connect(ClassOverview1, &QAction::triggered, this, [this] {
    Run([this] {
      if (windows_.classOverview != nullptr) {
        OpenClassOverview(*windows_.classOverview, dialogs_, core_.State());
      }
    });
  });
  connect(Words1, &QAction::triggered, this, [this] {
    Run([this] {
      if (windows_.sounds == nullptr) return;
      windows_.sounds->SetListPath(core_.CurrentListPath());
      windows_.sounds->ShowModal();
    });
  });
  connect(Contents1, &QAction::triggered, this,
          [this] { ShowHelp([](THelpForm& h) { h.ShowContents(); }); });
  connect(SearchforHelpOn1, &QAction::triggered, this,
          [this] { ShowHelp([](THelpForm& h) { h.ShowSearch(); }); });
  connect(HowtoUseHelp1, &QAction::triggered, this,
          [this] { ShowHelp([](THelpForm& h) { h.ShowHelpOnHelp(); }); });
  connect(About1, &QAction::triggered, this, [this] {
    if (windows_.about != nullptr) windows_.about->exec();
  });
}

void TMainForm::BuildToolBar() {
  ToolBar1 = addToolBar(Tr("TMainForm", "Tool Bar"));
  ToolBar1->setObjectName("ToolBar1");
  ToolBar1->setMovable(false);
  SetHint(ToolBar1, Tr("TMainForm", "Tool Bar"));
  auto tool = [this](const char* name, QStyle::StandardPixmap icon, const QString& text,
                     const QString& hint) {
    QAction* a = ToolBar1->addAction(style()->standardIcon(icon), text);
    a->setObjectName(name);
    SetHint(a, hint);
    return a;
  };
  OpenTool = tool("OpenTool", QStyle::SP_DialogOpenButton, Tr("TMainForm", "Open"),
                  Tr("TMainForm", "Open|Open new file for spelling"));
  ChDirTool = tool("ChDirTool", QStyle::SP_DirOpenIcon, Tr("TMainForm", "Change directory"),
                   Tr("TMainForm", "Change directory"));
  NewTool = tool("NewTool", QStyle::SP_FileIcon, Tr("TMainForm", "New"),
                 Tr("TMainForm", "Create a new file"));
  EditTool = tool("EditTool", QStyle::SP_FileDialogContentsView, Tr("TMainForm", "Edit"),
                  Tr("TMainForm", "Edit the current file"));
  ToolBar1->addSeparator();
  ScoreTool = tool("ScoreTool", QStyle::SP_FileDialogDetailedView, Tr("TMainForm", "Score"),
                   Tr("TMainForm", "Score window for curent file"));
  ViewTool = tool("ViewTool", QStyle::SP_FileDialogListView, Tr("TMainForm", "View"),
                  Tr("TMainForm", "Look at the current list of words"));
  ToolBar1->addSeparator();
  PrintTool = tool("PrintTool", QStyle::SP_DriveFDIcon, Tr("TMainForm", "Print"),
                   Tr("TMainForm", "Print current file"));
  ToolBar1->addSeparator();
  ExitTool = tool("ExitTool", QStyle::SP_DialogCloseButton, Tr("TMainForm", "Exit"),
                  Tr("TMainForm", "Exit orv"));
  connect(OpenTool, &QAction::triggered, Open1, &QAction::trigger);
  connect(ChDirTool, &QAction::triggered, ChaDir1, &QAction::trigger);
  connect(ScoreTool, &QAction::triggered, Score1, &QAction::trigger);
  connect(NewTool, &QAction::triggered, New1, &QAction::trigger);
  connect(EditTool, &QAction::triggered, EditFile1, &QAction::trigger);
  connect(ViewTool, &QAction::triggered, Viewwords1, &QAction::trigger);
  connect(PrintTool, &QAction::triggered, Print1, &QAction::trigger);
  connect(ExitTool, &QAction::triggered, this, &TMainForm::QuitButtonClick);
}

void TMainForm::SetWindows(const MainFormWindows& windows) {
  windows_ = windows;
  ShowState();
}

void TMainForm::SetTestRunner(TestRunner runner) {
  runTest_ = std::move(runner);
  ShowState();
}

void TMainForm::SetReviewRunner(ReviewRunner runner) {
  runReview_ = std::move(runner);
  ShowState();
}

void TMainForm::SetDatabase(ScoreDatabase* database, SessionSounds* sounds) {
  core_.SetDatabase(database);
  sounds_ = sounds;
  ShowState();
}

bool TMainForm::eventFilter(QObject* watched, QEvent* event) {
  if (watched == Image1 && event->type() == QEvent::MouseButtonRelease && sounds_ != nullptr) {
    Run([this] { core_.Image1Click(*sounds_); });
    return true;
  }
  return QMainWindow::eventFilter(watched, event);
}

void TMainForm::ShowState() {
  const MainView& v = core_.View();
  // A running test keeps its list, its user and its database.
  const bool idle = !v.testRunning;
  File1->menuAction()->setEnabled(v.fileMenu);
  Option1->menuAction()->setEnabled(v.optionMenu);
  User1->menuAction()->setEnabled(v.userMenu && idle);
  Log1->menuAction()->setEnabled(v.logMenu);
  Sound1->menuAction()->setEnabled(v.soundMenu);
  Exit1->setEnabled(v.exitItem);
  PasLev1->setVisible(v.pasLevItem);
  PasLev1->setEnabled(v.pasLevItem);
  Changedatabase1->setEnabled(core_.Database() != nullptr && idle);
  BStart->setEnabled(v.startButton && runTest_ != nullptr && idle);
  BReview->setEnabled(v.startButton && runReview_ != nullptr && idle);
  Review1->setEnabled(BReview->isEnabled());
  LogOutButton->setEnabled(idle);
  for (QAction* a : {Open1, New1, Import1, ChaDir1, Deletefile1, Removedir1, Print1, EditFile1}) {
    a->setEnabled(idle);
  }
  // The tool bar's buttons do what File menu items do, so they follow that menu.
  OpenTool->setEnabled(v.fileMenu && idle);
  ChDirTool->setEnabled(v.fileMenu && idle);
  NewTool->setEnabled(v.fileMenu && idle);
  PrintTool->setEnabled(v.fileMenu && idle);
  EditTool->setEnabled(idle);
  // The database windows' commands work once their windows are there.
  Score1->setEnabled(windows_.scores != nullptr);
  ScoreTool->setEnabled(v.fileMenu && windows_.scores != nullptr);
  View1->setEnabled(windows_.log != nullptr);
  Loglist1->setEnabled(windows_.log != nullptr);
  Makewrongwordfile1->setEnabled(windows_.wrongWords != nullptr);
  Words1->setEnabled(windows_.sounds != nullptr);
  Progress1->setEnabled(windows_.progress != nullptr);
  ClassOverview1->setEnabled(windows_.classOverview != nullptr);
  LogWords1->setChecked(v.logWrong);
  Logall1->setChecked(v.logAll);
  UserLabel->setText(QString::fromStdString(v.userLabel));
  dirL->setText(QString::fromStdString(v.dirLabel));
  CFile->setText(QString::fromStdString(v.fileLabel));
  FileLengthLabel->setText(QString::fromStdString(v.fileLength));
}

void TMainForm::Run(const std::function<void()>& command) {
  try {
    command();
  } catch (const std::exception& e) {
    ShowState();
    // Once the program is ending no window opens any more.
    if (!QuitRequested()) {
      QMessageBox::critical(this, QApplication::applicationName(),
                            QString::fromStdString(e.what()));
    }
  }
  ShowState();
  ApplyUserLook();
}

// The user who logged in brings their own text size, font and colours; the
// window stays wide enough for its whole menu bar at that size.
void TMainForm::ApplyUserLook() {
  ApplyAppearance(core_.State().settings);
  centralWidget()->setMinimumWidth(Scaled(kMenuBarWidth));
}

void TMainForm::showEvent(QShowEvent* event) {
  QMainWindow::showEvent(event);
  if (activated_) return;
  activated_ = true;
  CentreOnScreen(this);
  // The log-in window comes up once the main window is on the screen.
  QMetaObject::invokeMethod(this, &TMainForm::FormActivate, Qt::QueuedConnection);
}

void TMainForm::FormActivate() {
  Run([this] { core_.FormActivate(); });
  if (BStart->isEnabled()) BStart->setFocus();
}

void TMainForm::Start() {
  if (!BStart->isEnabled() || !runTest_) return;
  Run([this] {
    const std::string path = core_.Start();
    RunAsTest([this, &path] { runTest_(path, core_.State().users.CurrentUser()); });
  });
  // Start lost the focus while it was off; Enter starts the next test again.
  if (BStart->isEnabled()) BStart->setFocus();
}

void TMainForm::Review() {
  if (!BReview->isEnabled() || !runReview_) return;
  Run([this] { RunAsTest([this] { runReview_(core_.State().users.CurrentUser()); }); });
  if (BReview->isEnabled()) BReview->setFocus();
}

void TMainForm::RunAsTest(const std::function<void()>& test) {
  core_.TestStarted();
  ShowState();
  try {
    test();
  } catch (...) {
    core_.TestEnded();
    throw;
  }
  core_.TestEnded();
}

void TMainForm::LogOutButtonClick() {
  Run([this] { core_.LogOutButtonClick(); });
  if (BStart->isEnabled()) {
    BStart->setFocus();
  } else if (LogOutButton->isEnabled()) {
    LogOutButton->setFocus();
  }
}

void TMainForm::QuitButtonClick() {
  Run([this] { core_.QuitButtonClick(); });
}

void TMainForm::EndOnSignal() {
  Run([this] { core_.EndOnSignal(); });
}

void TMainForm::ProgramEnded() {
  Run([this] { core_.LogOut(); });
}

void TMainForm::closeEvent(QCloseEvent* event) {
  bool allowed = false;
  Run([this, &allowed] { allowed = core_.FormCloseQuery(); });
  if (!allowed) {
    event->ignore();
    return;
  }
  event->accept();
  Run([this] { core_.FormClose(); });
}

void TMainForm::CommitData() {
  core_.SessionEnding();
  WriteRestartEntry(QCoreApplication::applicationFilePath().toStdString(),
                    core_.State().paths.programDir);
}

void TMainForm::PrintCurrentList(QPrinter& printer) {
  Run([this, &printer] {
    if (const auto lines = core_.LinesToPrint())
      PrintLines(printer, core_.State().settings.CurrentFile, *lines);
  });
}

void TMainForm::Open1Click() {
  if (windows_.openFile == nullptr) return;
  Run([this] {
    StartUpSettings& s = core_.State().settings;
    windows_.openFile->OpenListDialog(core_.State().paths.listRoot, s.CurrentDir, s.CurrentFile);
    core_.ListOpened();
  });
}

void TMainForm::NewDir1Click() {
  if (windows_.chDir == nullptr) return;
  Run([this] { NewFolder(dialogs_, core_.State().paths.listRoot, PickerOf(*windows_.chDir)); });
}

void TMainForm::Import1Click() {
  if (windows_.importForm == nullptr) return;
  const QStringList chosen = QFileDialog::getOpenFileNames(
      this, Tr("TMainForm", "Choose the files to import"), QString(),
      Tr("TMainForm", "Lists of other programs (*.csv *.tsv *.txt *.kvtml);;All files (*)"));
  if (chosen.isEmpty()) return;
  std::vector<std::string> files;
  for (const QString& file : chosen) files.push_back(file.toStdString());
  Run([this, &files] {
    windows_.importForm->ImportFiles(files, core_.State().paths.listRoot,
                                     core_.State().settings.CurrentDir,
                                     core_.State().users.CurrentUser());
  });
}

void TMainForm::ChaDir1Click() {
  if (windows_.chDir == nullptr) return;
  Run([this] { core_.ChaDir1Click(PickerOf(*windows_.chDir)); });
}

void TMainForm::Removedir1Click() {
  if (windows_.chDir == nullptr) return;
  Run([this] {
    RemoveGroup(dialogs_, core_.State().paths.listRoot, core_.State().settings.CurrentDir,
                PickerOf(*windows_.chDir));
  });
}

void TMainForm::EditFile1Click() {
  if (windows_.editor == nullptr) return;
  Run([this] {
    windows_.editor->EditList(core_.CurrentListPath());
    core_.ListEdited();
  });
}

void TMainForm::Viewwords1Click() {
  if (windows_.editor == nullptr) return;
  Run([this] { windows_.editor->ViewList(core_.CurrentListPath()); });
}

void TMainForm::ViewCompiled1Click() {
  if (windows_.compiledView == nullptr) return;
  Run([this] { windows_.compiledView->ShowCompiled(core_.CurrentListPath()); });
}

void TMainForm::Editusers1Click() {
  if (windows_.editUsers == nullptr) return;
  Run([this] { windows_.editUsers->OpenEditor(); });
}

void TMainForm::Print1Click() {
  // A list that cannot be read is told before the printer is chosen.
  bool readable = false;
  Run([this, &readable] { readable = core_.LinesToPrint().has_value(); });
  if (!readable) return;
  QPrintDialog dialog(printer_.get(), this);
  if (dialog.exec() != QDialog::Accepted) return;
  PrintCurrentList(*printer_);
}

void TMainForm::PrintSetup1Click() {
  QPageSetupDialog dialog(printer_.get(), this);
  dialog.exec();
}

void TMainForm::Option2Click() {
  if (windows_.options != nullptr) windows_.options->exec();
  ApplyUserLook();
}

void TMainForm::PasLev1Click() {
  if (windows_.levels != nullptr) windows_.levels->exec();
}

void TMainForm::ShowHelp(const std::function<void(THelpForm&)>& open) {
  if (windows_.help == nullptr || windows_.help->Index().Pages().empty()) {
    dialogs_.Warning(TrText("TMainForm", "The help pages could not be found"));
    return;
  }
  open(*windows_.help);
}

void TMainForm::HelpKey() {
  const std::string keyword = focusWidget() == BStart ? "Start Button" : "mainwindow";
  ShowHelp([&keyword](THelpForm& h) { h.ShowKeyword(keyword); });
}

}  // namespace orv
