#include "progress/classoverview_window.h"

#include <QComboBox>
#include <QDate>
#include <QDateEdit>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLabel>
#include <QPushButton>
#include <QStatusBar>
#include <QTableView>
#include <QVBoxLayout>
#include <set>

#include "base/translate.h"
#include "exchange/gridexport_window.h"
#include "progress/classoverview.h"
#include "progress/daterange_window.h"
#include "progress/overviewtests.h"
#include "progress/progress_window.h"
#include "progress/progresstables.h"
#include "progress/reviewcounts.h"
#include "scores/reviewtable.h"
#include "scores/scoredatabase.h"
#include "session/reviewschedule.h"
#include "widgets/formhelpers_window.h"

namespace orv {

TClassOverviewForm::TClassOverviewForm(ScoreDatabase& database, TProgressForm& progress,
                                       Dialogs& dialogs, QWidget* parent)
    : THintDialog(dialogs, parent), database_(database), progress_(progress) {
  setObjectName("ClassOverviewForm");
  setWindowTitle(Tr("TClassOverviewForm", "Class overview"));
  Days = new TDateRangeBox(this);
  SetHint(Days, Tr("TClassOverviewForm",
                   "Only the tests taken from the first day to the last day, when checked"));
  Grid = new QTableView(this);
  Grid->setObjectName("Grid");
  Grid->setAccessibleName(Tr("TClassOverviewForm", "Class overview"));
  // The titles stand from the start, before anything is read.
  model_.SetTable(OverviewTable({}));
  Grid->setModel(&model_);
  Grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
  Grid->setSelectionBehavior(QAbstractItemView::SelectRows);
  Grid->setSelectionMode(QAbstractItemView::ExtendedSelection);
  Grid->setSortingEnabled(true);
  Grid->horizontalHeader()->setStretchLastSection(true);
  SetHint(Grid,
          Tr("TClassOverviewForm",
             "Click a title to sort by it; double click a row to see that learner's progress"));
  Export = new TGridExport(model_, Tr("TClassOverviewForm", "Class overview"), dialogs_, this);
  auto* note = new QLabel(
      Tr("TClassOverviewForm", "Trend: the later half of the tests against the earlier half"),
      this);
  auto* testDayLabel = new QLabel(Tr("TClassOverviewForm", "Test da&y of"), this);
  TestDayList = new QComboBox(this);
  TestDayList->setObjectName("TestDayList");
  TestDayList->setAccessibleName(Tr("TClassOverviewForm", "Test day list"));
  TestDayList->setEditable(true);
  TestDayList->setMinimumContentsLength(16);
  testDayLabel->setBuddy(TestDayList);
  SetHint(TestDayList,
          Tr("TClassOverviewForm", "The list (its group and name) the test day is for"));
  TestDayDate = new QDateEdit(QDate::currentDate().addDays(7), this);
  TestDayDate->setObjectName("TestDayDate");
  TestDayDate->setAccessibleName(Tr("TClassOverviewForm", "Test day"));
  TestDayDate->setDisplayFormat("dd/MM/yyyy");
  TestDayDate->setCalendarPopup(true);
  SetHint(TestDayDate,
          Tr("TClassOverviewForm", "Until this day the review brings every item of the list"));
  SetTestDayButton = new QPushButton(Tr("TClassOverviewForm", "&Set test day"), this);
  SetTestDayButton->setObjectName("SetTestDay");
  SetHint(SetTestDayButton, Tr("TClassOverviewForm",
                               "For the selected learners, or every learner shown when none is"));
  ClearTestDayButton = new QPushButton(Tr("TClassOverviewForm", "C&lear test day"), this);
  ClearTestDayButton->setObjectName("ClearTestDay");
  SetHint(ClearTestDayButton,
          Tr("TClassOverviewForm", "The list's test day set here is taken away"));

  auto* top = new QHBoxLayout;
  top->addWidget(Days);
  top->addStretch();
  top->addWidget(Export);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(top);
  layout->addWidget(Grid, 1);
  layout->addWidget(note);
  auto* testDay = new QHBoxLayout;
  testDay->addWidget(testDayLabel);
  testDay->addWidget(TestDayList, 1);
  testDay->addWidget(TestDayDate);
  testDay->addWidget(SetTestDayButton);
  testDay->addWidget(ClearTestDayButton);
  layout->addLayout(testDay);
  layout->addWidget(StatusBar1);

  connect(Days, &TDateRangeBox::Changed, this, [this] { Run([this] { Refresh(); }); });
  connect(Grid, &QAbstractItemView::doubleClicked, this,
          [this](const QModelIndex& index) { Run([this, index] { OpenRow(index.row()); }); });
  connect(SetTestDayButton, &QPushButton::clicked, this,
          [this] { Run([this] { SetTestDay(TestDayDate->date().toJulianDay()); }); });
  connect(ClearTestDayButton, &QPushButton::clicked, this,
          [this] { Run([this] { SetTestDay(std::nullopt); }); });
  resize(640, 480);
}

void TClassOverviewForm::ShowFor(const ProgressViewer& viewer, std::vector<std::string> users) {
  viewer_ = viewer;
  users_ = std::move(users);
  Refresh();
}

void TClassOverviewForm::Refresh() {
  if (!database_.ConectDB()) return;
  const QSqlDatabase db = database_.Database();
  model_.SetTable(OverviewTable(ClassOverview(ReadOverviewTests(db, "", Days->Range()), users_,
                                              ReadReviewCounts(db, ReviewToday()))));
  model_.ShowSign(kTrendColumn);
  // The lists the class has taken, to choose from; another may be typed.
  const QString typed = TestDayList->currentText();
  std::set<QString> lists;
  for (int row = 0; row < model_.rowCount(); ++row) {
    const QString list = model_.data(model_.index(row, 1)).toString();
    if (!list.isEmpty()) lists.insert(list);
  }
  TestDayList->clear();
  for (const QString& list : lists) TestDayList->addItem(list);
  if (!typed.isEmpty()) TestDayList->setCurrentText(typed);
  Grid->horizontalHeader()->setSortIndicator(-1, Qt::AscendingOrder);
  Grid->resizeColumnsToContents();
}

// The columns fit the text in force, which a learner's text size may have
// made larger since the rows were read.
void TClassOverviewForm::showEvent(QShowEvent* event) {
  THintDialog::showEvent(event);
  Grid->resizeColumnsToContents();
}

std::vector<std::string> TClassOverviewForm::ChosenLearners() const {
  std::vector<int> rows;
  for (const QModelIndex& index : Grid->selectionModel()->selectedRows())
    rows.push_back(index.row());
  if (rows.empty()) {
    for (int row = 0; row < model_.rowCount(); ++row) rows.push_back(row);
  }
  std::set<std::string> names;
  for (const int row : rows) {
    names.insert(model_.data(model_.index(row, 0)).toString().toStdString());
  }
  return {names.begin(), names.end()};
}

void TClassOverviewForm::SetTestDay(std::optional<std::int64_t> day) {
  const std::string list = TypedListKey(TestDayList->currentText().toStdString());
  if (list.empty()) {
    StatusBar1->showMessage(Tr("TClassOverviewForm", "Choose the list the test day is for"));
    return;
  }
  const std::vector<std::string> learners = ChosenLearners();
  if (!SetLearnersTestDay(database_, learners, list, day)) return;
  const QString whom =
      learners.size() == 1
          ? Tr("TClassOverviewForm", "1 learner")
          : Tr("TClassOverviewForm", "%1 learners").arg(static_cast<qsizetype>(learners.size()));
  const QString name = QString::fromStdString(list);
  StatusBar1->showMessage(
      day ? Tr("TClassOverviewForm", "Test day %1 of %2 set for %3")
                .arg(QDate::fromJulianDay(*day).toString("dd/MM/yyyy"), name, whom)
          : Tr("TClassOverviewForm", "Test day of %1 cleared for %2").arg(name, whom));
}

void TClassOverviewForm::OpenRow(int row) {
  if (row < 0 || row >= model_.rowCount()) return;
  const std::string learner = model_.data(model_.index(row, 0)).toString().toStdString();
  progress_.SetDays(Days->Range());
  progress_.ShowFor(viewer_, learner);
  progress_.exec();
}

}  // namespace orv
