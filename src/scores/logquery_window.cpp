#include "scores/logquery_window.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QShowEvent>
#include <QStatusBar>
#include <QTimeEdit>
#include <QVBoxLayout>
#include <algorithm>

#include "base/dialogs.h"
#include "base/translate.h"
#include "exchange/gridexport_window.h"
#include "scores/datagrid_window.h"
#include "scores/dataset.h"
#include "scores/scoredatabase.h"
#include "scores/scorewindowhost.h"
#include "scores/wordtotals.h"
#include "users/password.h"
#include "widgets/datepicker_window.h"
#include "widgets/formhelpers_window.h"

namespace orv {
namespace {

const char kNoUser[] = QT_TRANSLATE_NOOP("TSU", "No valid user name");

CalendarDay DayOf(const QDate& date) {
  return {date.year(), static_cast<unsigned>(date.month()), static_cast<unsigned>(date.day())};
}

}  // namespace

TSU::TSU(ScoreDatabase& database, DataSet& dataSet, const ScoreWindowHost& host, Dialogs& dialogs,
         QWidget* parent)
    : TDbDialog(database, dataSet, host, dialogs, parent) {
  setObjectName("SU");
  setWindowTitle(Tr("TSU", "SU"));
  BuildControls();
  resize(780, 560);
}

void TSU::BuildControls() {
  GroupBox1 = new QGroupBox(this);
  GroupBox1->setObjectName("GroupBox1");
  ShowAllUser = new QRadioButton(Tr("TSU", "Show &All User"), GroupBox1);
  ShowAllUser->setObjectName("ShowAllUser");
  ShowCurrentUser = new QRadioButton(Tr("TSU", "Show &Current User"), GroupBox1);
  ShowCurrentUser->setObjectName("ShowCurrentUser");
  ShowCurrentUser->setChecked(true);
  PickFromList = new QRadioButton(Tr("TSU", "Pick &From List"), GroupBox1);
  PickFromList->setObjectName("PickFromList");
  UserList = new QComboBox(GroupBox1);
  UserList->setObjectName("UserList");
  UserList->setEnabled(false);
  UserList->setMinimumWidth(140);
  UserList->setAccessibleName(Tr("TSU", "User"));
  ShowWrongWords = new QCheckBox(Tr("TSU", "Show &wrong words"), GroupBox1);
  ShowWrongWords->setObjectName("ShowWrongWords");
  ShowWrongWords->setChecked(true);
  ShowRightWords = new QCheckBox(Tr("TSU", "Show &Right Words"), GroupBox1);
  ShowRightWords->setObjectName("ShowRightWords");
  Count1 = new QCheckBox(Tr("TSU", "Count"), GroupBox1);
  Count1->setObjectName("Count1");
  FromLabel = new QLabel(Tr("TSU", "From"), GroupBox1);
  FromLabel->setObjectName("FromLabel");
  FromDate = new TDateTimePicker(GroupBox1);
  FromDate->setObjectName("FromDate");
  ToLabel = new QLabel(Tr("TSU", "To"), GroupBox1);
  ToLabel->setObjectName("ToLabel");
  ToDate = new TDateTimePicker(GroupBox1);
  ToDate->setObjectName("ToDate");
  FromDate->SetHighlighted(true);
  ToDate->SetHighlighted(true);
  FromDate->SetAccessibleName(FromLabel->text());
  ToDate->SetAccessibleName(ToLabel->text());
  FromTime = new QTimeEdit(GroupBox1);
  FromTime->setObjectName("FromTime");
  FromTime->setVisible(false);
  FromTime->setEnabled(false);
  updateBtn = new QPushButton(Tr("TSU", "&Update"), GroupBox1);
  updateBtn->setObjectName("updateBtn");

  SQL = new QPlainTextEdit(Tr("TSU", "No SQL"), this);
  SQL->setObjectName("SQL");
  SQL->setReadOnly(true);
  SQL->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  SQL->setMaximumHeight(64);
  SQL->setAccessibleName(Tr("TSU", "SQL"));
  SetHint(SQL,
          Tr("TSU", "|The SQL statement that will be executed when the Update button is pressed"));

  DBGrid1 = new TDBGrid(dataSet_, this);
  DBGrid1->setObjectName("DBGrid1");
  DBGrid1->setAccessibleName(Tr("TSU", "Log"));
  DBGrid1->viewport()->setCursor(Qt::PointingHandCursor);
  DBGrid1->SetColumns({{"NAME", QT_TRANSLATE_NOOP("Columns", "NAME"), 100},
                       {"WORD", QT_TRANSLATE_NOOP("Columns", "WORD"), 150},
                       {"ANSWER", QT_TRANSLATE_NOOP("Columns", "ANSWER"), 150},
                       {"TIME1", QT_TRANSLATE_NOOP("Columns", "TIME1"), 55},
                       {"DATE1", QT_TRANSLATE_NOOP("Columns", "DATE1"), 70},
                       {"FILE1", QT_TRANSLATE_NOOP("Columns", "FILE1"), 200}});
  Label3 = new QLabel(Tr("TSU", "Number of rows"), this);
  Label3->setObjectName("Label3");
  RowCount = new QLabel(this);
  RowCount->setObjectName("RowCount");
  DBName = new QLabel(Tr("TSU", "Database name:"), this);
  DBName->setObjectName("DBName");

  auto* users = new QVBoxLayout;
  users->addWidget(ShowAllUser);
  users->addWidget(ShowCurrentUser);
  users->addWidget(PickFromList);
  users->addWidget(UserList);
  auto* answers = new QVBoxLayout;
  answers->addWidget(ShowWrongWords);
  answers->addWidget(ShowRightWords);
  answers->addWidget(Count1);
  answers->addStretch();
  auto* dates = new QGridLayout;
  dates->addWidget(FromLabel, 0, 0);
  dates->addWidget(FromDate, 0, 1);
  dates->addWidget(ToLabel, 1, 0);
  dates->addWidget(ToDate, 1, 1);
  dates->addWidget(FromTime, 2, 1);
  dates->addWidget(updateBtn, 2, 1, Qt::AlignRight);
  auto* query = new QHBoxLayout(GroupBox1);
  query->addLayout(users);
  query->addLayout(answers);
  query->addLayout(dates, 1);

  auto* counts = new QHBoxLayout;
  counts->addWidget(Label3);
  counts->addWidget(RowCount);
  counts->addStretch();
  counts->addWidget(DBName);
  Export = new TGridExport(dataSet_, Tr("TSU", "Log"), dialogs_, this);
  Export->setObjectName("Export");
  counts->addWidget(Export);
  extra_ = new QVBoxLayout;
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(GroupBox1);
  layout->addLayout(extra_);
  layout->addWidget(SQL);
  layout->addWidget(DBGrid1, 1);
  layout->addLayout(counts);
  layout->addWidget(StatusBar1);

  connect(ShowCurrentUser, &QRadioButton::toggled, this, [this](bool on) {
    if (on) Run([this] { ShowCurrentUserClick(); });
  });
  connect(ShowAllUser, &QRadioButton::toggled, this, [this](bool on) {
    if (on) Run([this] { ShowAllUserClick(); });
  });
  connect(PickFromList, &QRadioButton::toggled, this, [this](bool on) {
    if (on) Run([this] { PickFromListClick(); });
  });
  connect(UserList, &QComboBox::currentTextChanged, this,
          [this] { Run([this] { UserListChange(); }); });
  for (QCheckBox* box : {ShowWrongWords, ShowRightWords}) {
    connect(box, &QCheckBox::clicked, this, [this] { Run([this] { ShowSql(); }); });
  }
  connect(Count1, &QCheckBox::clicked, this, [this] { Run([this] { Count1Click(); }); });
  connect(FromDate, &TDateTimePicker::Clicked, this, [this] { Run([this] { FromDateClick(); }); });
  connect(ToDate, &TDateTimePicker::Clicked, this, [this] { Run([this] { ToDateClick(); }); });
  for (TDateTimePicker* picker : {FromDate, ToDate}) {
    connect(picker, &TDateTimePicker::Changed, this, [this] { Run([this] { ShowSql(); }); });
  }
  connect(FromTime, &QTimeEdit::timeChanged, this, [this] { Run([this] { ShowSql(); }); });
  connect(updateBtn, &QPushButton::clicked, this, [this] { Run([this] { updateBtnClick(); }); });
  connect(DBGrid1, &TDBGrid::CellClicked, this, &TSU::DBGrid1CellClick);
  connect(&dataSet_, &QAbstractItemModel::rowsInserted, this,
          [this] { RowCount->setText(dataSet_.CountText()); });
}

LogQueryControls TSU::Controls(bool report) {
  LogQueryControls c;
  c.count = Count1->isChecked();
  c.showWrong = ShowWrongWords->isChecked();
  c.showRight = ShowRightWords->isChecked();
  if (ShowCurrentUser->isChecked()) {
    c.user = host_.PasswordFile().CurrentUser();
    if (c.user.empty() && report) {
      dialogs_.ShowMessage(TrText("TSU", kNoUser));
      // The window closes once the handler under way has finished.
      QMetaObject::invokeMethod(this, &QDialog::reject, Qt::QueuedConnection);
    }
  } else if (PickFromList->isChecked()) {
    c.user = UserList->currentText().toStdString();
  }
  if (FromDate->Checked()) {
    c.from = DayOf(FromDate->Date());
    if (ToDate->Checked()) c.to = DayOf(ToDate->Date());
  }
  c.dayColumn = database_.HasDayColumn();
  c.countTables = database_.HasCountTables();
  return c;
}

std::string TSU::BuildSql(bool report) {
  return CreateLogSql(Controls(report));
}

void TSU::ShowSql() {
  SQL->setPlainText(QString::fromStdString(CreateSql()));
}

void TSU::showEvent(QShowEvent* event) {
  THintDialog::showEvent(event);
  if (!event->spontaneous()) Run([this] { updateUserList(); });
}

void TSU::updateUserList() {
  {
    const QSignalBlocker quiet(UserList);
    UserList->clear();
    const PasswordO& users = host_.PasswordFile();
    QStringList names;
    for (LineNo i : LineNumbers(users.UserCount())) {
      names.append(QString::fromStdString(users.UserName(i)));
    }
    // The list is sorted as names are compared everywhere: without regard to case.
    std::stable_sort(names.begin(), names.end(), [](const QString& a, const QString& b) {
      return a.compare(b, Qt::CaseInsensitive) < 0;
    });
    UserList->addItems(names);
    UserList->setCurrentIndex(-1);
  }
  UserList->setCurrentIndex(UserList->findText(
      QString::fromStdString(host_.PasswordFile().CurrentUser()), Qt::MatchFixedString));
  const QDate today = QDate::currentDate();
  FromDate->SetDate(today.addDays(-7));
  ToDate->SetDate(today);
  ShowSql();
  updateBtnClick();
}

void TSU::updateBtnClick() {
  const std::string text = SQL->toPlainText().toStdString();
  if (!database_.ConectDB()) return;
  // Counts over every user and day read the word totals; folded first they
  // are a row or two per word. Only a statement that reads them folds: the
  // totals gain a row per answer logged, and the first fold after many
  // answers rewrites them all, which no other form needs to wait for.
  if (database_.HasCountTables() &&
      QString::fromStdString(text).contains("log_total", Qt::CaseInsensitive)) {
    FoldWordTotals(database_.Database());
  }
  dataSet_.Open(database_.Database(), text);
  DBName->setText(
      QString::fromStdString(TrText("TSU", "Database name:") + database_.DatabaseName()));
  if (text != BuildSql(false) || Count1->isChecked()) {
    DBGrid1->BuildColumns(150);
  } else {
    DBGrid1->SetColumns({{"NAME", QT_TRANSLATE_NOOP("Columns", "NAME"), 100},
                         {"WORD", QT_TRANSLATE_NOOP("Columns", "WORD"), 150},
                         {"ANSWER", QT_TRANSLATE_NOOP("Columns", "ANSWER"), 150},
                         {"TIME1", QT_TRANSLATE_NOOP("Columns", "Time"), 55},
                         {"DATE1", QT_TRANSLATE_NOOP("Columns", "Date"), 70},
                         {"FILE1", QT_TRANSLATE_NOOP("Columns", "File"), 175},
                         {"HELP_COUNT", QT_TRANSLATE_NOOP("Columns", "Help"), 30}});
  }
  // The grid stands on the last row when every row came at once; a longer
  // result shows its first rows at once and the rest as the grid scrolls
  // (Ctrl+End goes to the last).
  if (dataSet_.AllFetched()) {
    DBGrid1->Last();
  } else {
    DBGrid1->First();
  }
  RowCount->setText(dataSet_.CountText());
}

void TSU::ShowCurrentUserClick() {
  UserList->setEnabled(false);
  ShowSql();
}

void TSU::ShowAllUserClick() {
  UserList->setEnabled(false);
  ShowSql();
}

void TSU::PickFromListClick() {
  UserList->setEnabled(true);
  ShowSql();
}

void TSU::UserListChange() {
  ShowSql();
}

void TSU::Count1Click() {
  if (isVisible()) ShowSql();
}

void TSU::FromDateClick() {
  const bool on = FromDate->Checked();
  FromDate->SetHighlighted(on);
  ToDate->setEnabled(on);
  ShowSql();
}

void TSU::ToDateClick() {
  ToDate->SetHighlighted(ToDate->Checked());
  ShowSql();
}

void TSU::DBGrid1CellClick(int row, int column) {
  DBGrid1->setToolTip(dataSet_.Text(row, column));
}

void TSU::AllowOthers(bool others) {
  PickFromList->setEnabled(others);
  ShowAllUser->setEnabled(others);
  SQL->setReadOnly(!others);
  ShowCurrentUser->setChecked(true);
}

void OpenLogWindow(TSU& window, std::int32_t level, Dialogs& dialogs) {
  const PasswordO& users = window.Host().PasswordFile();
  if (!users.IsLoggedIn()) {
    dialogs.ShowMessage(TrText("TSU", kNoUser));
    return;
  }
  window.AllowOthers(users.HasAccess(std::to_string(level)));
  window.exec();
}

}  // namespace orv
