#include "app/mainform_window.h"

#include <QAction>
#include <QActionEvent>
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
#include <QStyleOptionMenuItem>
#include <QToolBar>
#include <QToolButton>
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

namespace orv {
namespace {

// A tool button keeps its own hint: the action it shares with the menu would
// put the menu item's hint on it whenever the action changes.
class ToolButton : public QToolButton {
 public:
  ToolButton(QAction* command, const QString& hint, QToolBar* bar) : QToolButton(bar), hint_(hint) {
    setAutoRaise(true);
    setFocusPolicy(Qt::NoFocus);
    setIconSize(bar->iconSize());
    setToolButtonStyle(bar->toolButtonStyle());
    setDefaultAction(command);
    SetHint(this, hint_);
  }

 protected:
  void actionEvent(QActionEvent* event) override {
    QToolButton::actionEvent(event);
    if (event->action() == defaultAction()) SetHint(this, hint_);
  }

 private:
  QString hint_;
};

// The width the menu bar needs for every menu in the application's font: a
// new text size reaches the bar itself only later, and the bar's own size
// hint leaves out what does not fit its present width.
int MenuBarWidth(const QMenuBar& bar) {
  const QFontMetrics metrics(QApplication::font(&bar));
  const QStyle* style = bar.style();
  const int spacing = style->pixelMetric(QStyle::PM_MenuBarItemSpacing, nullptr, &bar);
  int width = 2 * (style->pixelMetric(QStyle::PM_MenuBarHMargin, nullptr, &bar) +
                   style->pixelMetric(QStyle::PM_MenuBarPanelWidth, nullptr, &bar));
  for (const QAction* menu : bar.actions()) {
    QStyleOptionMenuItem option;
    option.initFrom(&bar);
    option.fontMetrics = metrics;
    option.menuItemType = QStyleOptionMenuItem::Normal;
    option.text = menu->text();
    const QSize text = metrics.size(Qt::TextShowMnemonic, menu->text());
    width += style->sizeFromContents(QStyle::CT_MenuBarItem, &option, text, &bar).width() + spacing;
  }
  return width;
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
  FitMenuBar();

  statusBar()->setObjectName("StatusBar1");
  statusBar()->setStyleSheet("QStatusBar { background: lime; }");
  statusBar()->setSizeGripEnabled(false);
  SetHint(statusBar(), Tr("TMainForm", "Hint bar"));
  statusBar()->addWidget(new QLabel(Tr("TMainForm", "Orv6"), statusBar()), 1);

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
  setCentralWidget(central);

  auto label = [central](const char* name, const QString& text = {}) {
    auto* l = new QLabel(text, central);
    l->setObjectName(name);
    return l;
  };
  QLabel* Label1 = label("Label1", Tr("TMainForm", "Orv 7.0."));
  QFont title("Lucida Handwriting");
  title.setStyleHint(QFont::Cursive);
  title.setPointSize(24);
  title.setBold(true);
  Label1->setFont(title);
  Label1->setAlignment(Qt::AlignCenter);
  Image1 = label("Image1");
  Image1->setPixmap(OrvPicture(QSize(96, 96)));
  Image1->setScaledContents(true);
  Image1->setFixedSize(96, 96);
  Image1->installEventFilter(this);
  QLabel* Image2 = label("Image2");
  Image2->setPixmap(OrvPicture(QSize(48, 48)));

  QLabel* Label3 = label("Label3", Tr("TMainForm", "File"));
  CFile = label("CFile");
  QLabel* Label2 = label("Label2", Tr("TMainForm", "User"));
  UserLabel = label("UserLabel");
  QLabel* DirLabel = label("DirLabel", Tr("TMainForm", "Directory"));
  dirL = label("dirL");
  QLabel* Label4 = label("Label4", Tr("TMainForm", "File length"));
  FileLengthLabel = label("FileLengthLabel");
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
  auto* BitBtn2 = new QPushButton(style()->standardIcon(QStyle::SP_DialogCloseButton),
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
  for (const MenuRow& row : MainMenus()) {
    QMenu* menu = bar->addMenu(Tr("TMainForm", row.caption));
    menu->setObjectName(row.name);
    if (row.hint != nullptr) SetHint(menu->menuAction(), Tr("TMainForm", row.hint));
    menus_.push_back(menu);
  }
  for (const CommandRow& c : MainCommands()) {
    QMenu* menu = menus_[static_cast<std::size_t>(c.menu)];
    if (c.name == nullptr) {
      menu->addSeparator();
      actions_.push_back(nullptr);
      continue;
    }
    QAction* action = menu->addAction(Tr("TMainForm", c.caption));
    action->setObjectName(c.name);
    if (c.hint != nullptr) SetHint(action, Tr("TMainForm", c.hint));
    if (c.shortcut != nullptr) action->setShortcut(QKeySequence(c.shortcut));
    action->setCheckable(c.checked != nullptr);
    if (c.handler != nullptr) connect(action, &QAction::triggered, this, c.handler);
    actions_.push_back(action);
  }
  // Log users is shown checked, as it has always been.
  QAction* logUsers = findChild<QAction*>("Logusers1");
  logUsers->setCheckable(true);
  logUsers->setChecked(true);
}

void TMainForm::BuildToolBar() {
  QToolBar* bar = addToolBar(Tr("TMainForm", "Tool Bar"));
  bar->setObjectName("ToolBar1");
  bar->setMovable(false);
  SetHint(bar, Tr("TMainForm", "Tool Bar"));
  for (const ToolRow& row : MainTools()) {
    if (row.command == nullptr) {
      bar->addSeparator();
      continue;
    }
    QAction* command = findChild<QAction*>(row.command);
    command->setIcon(style()->standardIcon(row.icon));
    command->setIconVisibleInMenu(false);
    command->setIconText(Tr("TMainForm", row.caption));
    auto* button = new ToolButton(command, Tr("TMainForm", row.hint), bar);
    button->setObjectName(row.name);
    bar->addWidget(button);
  }
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

bool TMainForm::IsThere(CommandPart part) const {
  switch (part) {
    case CommandPart::None:
      return true;
    case CommandPart::Database:
      return core_.Database() != nullptr;
    case CommandPart::ReviewRunner:
      return runReview_ != nullptr;
    case CommandPart::ScoresWindow:
      return windows_.scores != nullptr;
    case CommandPart::LogWindow:
      return windows_.log != nullptr;
    case CommandPart::WrongWordsWindow:
      return windows_.wrongWords != nullptr;
    case CommandPart::SoundsWindow:
      return windows_.sounds != nullptr;
    case CommandPart::ProgressWindow:
      return windows_.progress != nullptr;
    case CommandPart::ClassOverviewWindow:
      return windows_.classOverview != nullptr;
  }
  return false;
}

void TMainForm::ShowState() {
  const MainView& v = core_.View();
  const std::span<const MenuRow> menus = MainMenus();
  for (std::size_t i = 0; i < menus_.size(); ++i) {
    menus_[i]->menuAction()->setEnabled(Works(v, menus[i].needs));
  }
  const std::span<const CommandRow> commands = MainCommands();
  for (std::size_t i = 0; i < commands.size(); ++i) {
    const CommandRow& c = commands[i];
    QAction* action = actions_[i];
    if (action == nullptr) continue;
    const bool on = c.handler != nullptr && Works(v, c.needs) && IsThere(c.part);
    action->setEnabled(on);
    if (c.hiddenWhenOff) action->setVisible(on);
    if (c.checked != nullptr) action->setChecked(v.*c.checked);
  }
  const Needs start{&MainView::startButton, true};
  BStart->setEnabled(Works(v, start) && runTest_ != nullptr);
  BReview->setEnabled(Works(v, start) && runReview_ != nullptr);
  LogOutButton->setEnabled(!v.testRunning);
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

// The user who logged in brings their own text size, font and colours.
void TMainForm::ApplyUserLook() {
  ApplyAppearance(core_.State().settings);
  FitMenuBar();
}

// As wide as the menu bar in the language and at the text size shown, so
// that no menu hides behind the bar's extension button.
void TMainForm::FitMenuBar() {
  centralWidget()->setMinimumWidth(MenuBarWidth(*menuBar()));
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

void TMainForm::New1Click() {
  Run([this] { core_.New1Click(); });
}

void TMainForm::Deletefile1Click() {
  Run([this] { core_.Deletefile1Click(); });
}

void TMainForm::Score1Click() {
  Run([this] {
    if (windows_.scores != nullptr) windows_.scores->exec();
  });
}

void TMainForm::Progress1Click() {
  Run([this] {
    if (windows_.progress != nullptr) OpenProgress(*windows_.progress, dialogs_, core_.State());
  });
}

void TMainForm::ClassOverview1Click() {
  Run([this] {
    if (windows_.classOverview != nullptr)
      OpenClassOverview(*windows_.classOverview, dialogs_, core_.State());
  });
}

void TMainForm::View1Click() {
  Run([this] {
    if (windows_.log != nullptr) {
      OpenLogWindow(*windows_.log, core_.State().settings.lookOtherUsersPasLev, dialogs_);
    }
  });
}

void TMainForm::Makewrongwordfile1Click() {
  Run([this] {
    if (windows_.wrongWords != nullptr) {
      OpenLogWindow(*windows_.wrongWords, core_.State().settings.MakeWrongWordFileForOthers,
                    dialogs_);
    }
  });
}

void TMainForm::AddUser1Click() {
  Run([this] { core_.State().users.AddUser(core_.State().settings.addUserPasLev); });
}

void TMainForm::ChangePasword1Click() {
  Run([this] { core_.State().users.ChangeOwnPassword(); });
}

void TMainForm::LogWords1Click() {
  Run([this] { core_.LogWords1Click(); });
}

void TMainForm::Logall1Click() {
  Run([this] { core_.Logall1Click(); });
}

void TMainForm::Words1Click() {
  Run([this] {
    if (windows_.sounds == nullptr) return;
    windows_.sounds->SetListPath(core_.CurrentListPath());
    windows_.sounds->ShowModal();
  });
}

void TMainForm::Changedatabase1Click() {
  Run([this] {
    if (core_.Database() != nullptr) core_.Database()->ChooseDatabase();
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

void TMainForm::Contents1Click() {
  ShowHelp([](THelpForm& h) { h.ShowContents(); });
}

void TMainForm::SearchforHelpOn1Click() {
  ShowHelp([](THelpForm& h) { h.ShowSearch(); });
}

void TMainForm::HowtoUseHelp1Click() {
  ShowHelp([](THelpForm& h) { h.ShowHelpOnHelp(); });
}

void TMainForm::About1Click() {
  if (windows_.about != nullptr) windows_.about->exec();
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
