#include "progress/classoverview_window.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QStatusBar>
#include <QTableView>
#include <QVBoxLayout>

#include "base/translate.h"
#include "progress/classoverview.h"
#include "progress/daterange_window.h"
#include "progress/progress_window.h"
#include "progress/progresstables.h"
#include "progress/reviewcounts.h"
#include "scores/scoredatabase.h"
#include "session/reviewschedule.h"
#include "widgets/formhelpers_window.h"
#include "widgets/gridexport_window.h"

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
  Grid->setSelectionMode(QAbstractItemView::SingleSelection);
  Grid->setSortingEnabled(true);
  Grid->horizontalHeader()->setStretchLastSection(true);
  SetHint(Grid,
          Tr("TClassOverviewForm",
             "Click a title to sort by it; double click a row to see that learner's progress"));
  Export = new TGridExport(model_, Tr("TClassOverviewForm", "Class overview"), dialogs_, this);
  auto* note = new QLabel(
      Tr("TClassOverviewForm", "Trend: the later half of the tests against the earlier half"),
      this);

  auto* top = new QHBoxLayout;
  top->addWidget(Days);
  top->addStretch();
  top->addWidget(Export);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(top);
  layout->addWidget(Grid, 1);
  layout->addWidget(note);
  layout->addWidget(StatusBar1);

  connect(Days, &TDateRangeBox::Changed, this, [this] { Run([this] { Refresh(); }); });
  connect(Grid, &QAbstractItemView::doubleClicked, this,
          [this](const QModelIndex& index) { Run([this, index] { OpenRow(index.row()); }); });
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
  model_.SetTable(OverviewTable(ClassOverview(ReadTests(db, "", Days->Range()), users_,
                                              ReadReviewCounts(db, ReviewToday()))));
  model_.ShowSign(kTrendColumn);
  Grid->horizontalHeader()->setSortIndicator(-1, Qt::AscendingOrder);
  Grid->resizeColumnsToContents();
}

// The columns fit the text in force, which a learner's text size may have
// made larger since the rows were read.
void TClassOverviewForm::showEvent(QShowEvent* event) {
  THintDialog::showEvent(event);
  Grid->resizeColumnsToContents();
}

void TClassOverviewForm::OpenRow(int row) {
  if (row < 0 || row >= model_.rowCount()) return;
  const std::string learner = model_.data(model_.index(row, 0)).toString().toStdString();
  progress_.Days->SetRange(Days->Range());
  progress_.ShowFor(viewer_, learner);
  progress_.exec();
}

}  // namespace orv
