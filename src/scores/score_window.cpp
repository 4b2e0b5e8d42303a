#include "scores/score_window.h"

#include <QAction>
#include <QCheckBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QPainter>
#include <QPushButton>
#include <QShowEvent>
#include <QStatusBar>
#include <QVBoxLayout>

#include "base/dialogs.h"
#include "base/strings.h"
#include "base/translate.h"
#include "exchange/gridexport_window.h"
#include "scores/datagrid_window.h"
#include "scores/dataset.h"
#include "scores/scoredatabase.h"
#include "scores/scorequery.h"
#include "scores/scorewindowhost.h"
#include "users/password.h"
#include "widgets/formhelpers_window.h"

namespace orv {

TMarkedRowDelegate::TMarkedRowDelegate(TSF2& window, DataSet& dataSet)
    : QStyledItemDelegate(&window), window_(window), dataSet_(dataSet) {}

void TMarkedRowDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                               const QModelIndex& index) const {
  QStyledItemDelegate::paint(painter, option, index);
  if (window_.WordsView() || window_.MarkedGroup() == -1) return;
  const QVariant group = dataSet_.Value(index.row(), "LOG_GROUP");
  if (group.isNull() || group.toLongLong() != window_.MarkedGroup()) return;
  painter->save();
  QPen pen(Qt::red);
  pen.setWidth(2);
  painter->setPen(pen);
  painter->setBrush(Qt::NoBrush);
  // The pen's middle runs one pixel inside the cell, so the whole frame lies in it.
  painter->drawRect(QRectF(option.rect).adjusted(1, 1, -1, -1));
  painter->restore();
}

TSF2::TSF2(ScoreDatabase& database, DataSet& dataSet, const ScoreWindowHost& host, Dialogs& dialogs,
           QWidget* parent)
    : TDbDialog(database, dataSet, host, dialogs, parent) {
  setObjectName("SF2");
  setWindowTitle(Tr("TSF2", "Score"));
  BuildControls();
  resize(760, 480);
}

void TSF2::BuildControls() {
  BackBtn = new QPushButton(Tr("TSF2", "Back"), this);
  BackBtn->setObjectName("BackBtn");
  BackBtn->setAutoDefault(false);
  CheckBox1 = new QCheckBox(Tr("TSF2", "&Current file only"), this);
  CheckBox1->setObjectName("CheckBox1");
  CheckBox1->setChecked(true);
  CurentUserOnly = new QCheckBox(Tr("TSF2", "Curent user only"), this);
  CurentUserOnly->setObjectName("CurentUserOnly");
  SetHint(CurentUserOnly, Tr("TSF2", "Check to limit the SQL query to the curent user only"));
  WrongAnswers = new QCheckBox(Tr("TSF2", "Wrong answers"), this);
  WrongAnswers->setObjectName("WrongAnswers");
  WrongAnswers->setChecked(true);
  RightAnswers = new QCheckBox(Tr("TSF2", "Right answers"), this);
  RightAnswers->setObjectName("RightAnswers");
  RightAnswers->setChecked(true);
  WrongAnswers->setVisible(false);
  RightAnswers->setVisible(false);
  Label1 = new QLabel(Tr("TSF2", "Number or  rows"), this);
  Label1->setObjectName("Label1");
  SetHint(Label1, Tr("TSF2", "The number of lines return by the SQL query"));
  RowCount = new QLabel(this);
  RowCount->setObjectName("RowCount");
  DBGrid1 = new TDBGrid(dataSet_, this);
  DBGrid1->setObjectName("DBGrid1");
  DBGrid1->setAccessibleName(Tr("TSF2", "Scores"));
  DBGrid1->setItemDelegate(new TMarkedRowDelegate(*this, dataSet_));
  DBGrid1->setContextMenuPolicy(Qt::CustomContextMenu);
  SetHint(DBGrid1, Tr("TSF2", "Double or right click a row to see the words you got wrong/right"));
  PopupMenu1 = new QMenu(this);
  PopupMenu1->setObjectName("PopupMenu1");
  open1 = PopupMenu1->addAction(Tr("TSF2", "open"));
  open1->setObjectName("open1");
  Export = new TGridExport(dataSet_, Tr("TSF2", "Score"), dialogs_, this);
  Export->setObjectName("Export");
  KindWordLabel = new QLabel(this);
  KindWordLabel->setObjectName("KindWordLabel");
  KindWordLabel->setAlignment(Qt::AlignCenter);
  KindWordLabel->setVisible(false);
  ProgressBtn = new QPushButton(Tr("TSF2", "&Progress"), this);
  ProgressBtn->setObjectName("ProgressBtn");
  ProgressBtn->setAutoDefault(false);
  SetHint(ProgressBtn, Tr("TSF2", "Your tests over time, as charts"));

  auto* top = new QHBoxLayout;
  top->addWidget(BackBtn);
  top->addWidget(CheckBox1);
  top->addWidget(CurentUserOnly);
  top->addWidget(WrongAnswers);
  top->addWidget(RightAnswers);
  top->addStretch();
  top->addWidget(ProgressBtn);
  top->addWidget(Export);
  top->addWidget(Label1);
  top->addWidget(RowCount);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(top);
  layout->addWidget(KindWordLabel);
  layout->addWidget(DBGrid1, 1);
  layout->addWidget(StatusBar1);
  // Tab reads the top row to its end before the grid.
  SetTabOrder(
      {CheckBox1, CurentUserOnly, WrongAnswers, RightAnswers, ProgressBtn, Export, DBGrid1});

  connect(ProgressBtn, &QPushButton::clicked, this, &TSF2::ProgressRequested);
  connect(&dataSet_, &QAbstractItemModel::rowsInserted, this, &TSF2::ShowCounts);
  connect(BackBtn, &QPushButton::clicked, this, [this] { Run([this] { BackBtnClick(); }); });
  connect(CheckBox1, &QCheckBox::clicked, this, [this] { Run([this] { CheckBox1Click(); }); });
  connect(CurentUserOnly, &QCheckBox::clicked, this,
          [this] { Run([this] { CurentUserOnlyClick(); }); });
  connect(WrongAnswers, &QCheckBox::clicked, this,
          [this] { Run([this] { WrongAnswersClick(); }); });
  connect(RightAnswers, &QCheckBox::clicked, this,
          [this] { Run([this] { RightAnswersClick(); }); });
  connect(DBGrid1, &TDBGrid::TitleClicked, this,
          [this](int column) { Run([this, column] { DBGrid1TitleClick(column); }); });
  connect(DBGrid1, &QAbstractItemView::doubleClicked, this,
          [this] { Run([this] { DBGrid1DblClick(); }); });
  connect(open1, &QAction::triggered, this, [this] { Run([this] { DBGrid1DblClick(); }); });
  connect(DBGrid1, &QWidget::customContextMenuRequested, this, [this](const QPoint& pos) {
    if (wordsView_) return;
    const QModelIndex index = DBGrid1->indexAt(pos);
    if (index.isValid()) DBGrid1->setCurrentIndex(index);
    PopupMenu1->popup(DBGrid1->viewport()->mapToGlobal(pos));
  });
}

std::string TSF2::ListKey() const {
  return ScoreListKey(host_.CurrentDir(), host_.CurrentFile());
}

std::string TSF2::BuildScoreSql(std::uint16_t sortOrder, const std::string& listKey) const {
  return orv::BuildScoreSql(sortOrder, listKey, host_.PasswordFile().CurrentUser(),
                            {CheckBox1->isChecked(), CurentUserOnly->isChecked()});
}

void TSF2::RunScoreQuery(std::uint16_t sortOrder, const std::string& listKey) {
  const std::string statement = BuildScoreSql(sortOrder, listKey);
  if (!database_.ConectDB()) return;
  dataSet_.Open(database_.Database(), statement);
  std::vector<GridColumn> columns = {{"NAME", QT_TRANSLATE_NOOP("Columns", "NAME"), 200},
                                     {"PERCENT1", QT_TRANSLATE_NOOP("Columns", "Percent"), 0},
                                     {"RATIO", QT_TRANSLATE_NOOP("Columns", "Ratio"), 0},
                                     {"DATE1", QT_TRANSLATE_NOOP("Columns", "Date"), 0},
                                     {"TIME1", QT_TRANSLATE_NOOP("Columns", "Time"), 0},
                                     {"MAX_HELP", QT_TRANSLATE_NOOP("Columns", "Max help"), 0},
                                     {"HELP_TOTAL", QT_TRANSLATE_NOOP("Columns", "Help total"), 0}};
  if (!CheckBox1->isChecked())
    columns.push_back({"FILE1", QT_TRANSLATE_NOOP("Columns", "File"), 200});
  DBGrid1->SetColumns(columns);
  DBGrid1->First();
  ShowCounts();
}

void TSF2::ShowWords() {
  const std::string statement =
      WordsSql(shownGroup_, WrongAnswers->isChecked(), RightAnswers->isChecked());
  if (!database_.ConectDB()) return;
  dataSet_.Open(database_.Database(), statement);
  DBGrid1->First();
  ShowCounts();
}

void TSF2::ShowCounts() {
  RowCount->setText(dataSet_.CountText());
}

void TSF2::showEvent(QShowEvent* event) {
  THintDialog::showEvent(event);
  if (!event->spontaneous()) Run([this] { FormShow(); });
}

void TSF2::hideEvent(QHideEvent* event) {
  THintDialog::hideEvent(event);
  if (!event->spontaneous()) {
    markedGroup_ = -1;
    SetKindWord("");
  }
}

void TSF2::SetKindWord(const std::string& line) {
  // Half as large again as the window's text, in the learner's font.
  QFont large = font();
  large.setPointSizeF(large.pointSizeF() * 1.5);
  large.setBold(true);
  KindWordLabel->setFont(large);
  KindWordLabel->setText(QString::fromStdString(line));
  KindWordLabel->setVisible(!line.empty());
}

void TSF2::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
    Run([this] { BackBtnClick(); });
    return;
  }
  THintDialog::keyPressEvent(event);
}

void TSF2::FormShow() {
  WrongAnswers->setVisible(false);
  RightAnswers->setVisible(false);
  CheckBox1->setVisible(true);
  CurentUserOnly->setVisible(true);
  wordsView_ = false;
  sortOrder_ = kByPercent;
  RunScoreQuery(sortOrder_, ListKey());
  ShowMarkedTest();
}

// After a test the grid starts on its row, and a screen reader reads its score.
void TSF2::ShowMarkedTest() {
  QStringList spoken;
  for (int row = 0; markedGroup_ != -1; ++row) {
    // The test's row may lie beyond the rows fetched so far.
    if (row == dataSet_.RowCount() && !dataSet_.AllFetched()) dataSet_.fetchMore({});
    if (row >= dataSet_.RowCount()) break;
    if (dataSet_.Value(row, "LOG_GROUP").toLongLong() != markedGroup_) continue;
    DBGrid1->GoToRow(row);
    DBGrid1->setFocus();
    spoken << Tr("TSF2", "This test: %1 %, %2")
                  .arg(dataSet_.Value(row, "PERCENT1").toString(),
                       dataSet_.Value(row, "RATIO").toString());
    break;
  }
  SetSpokenText(DBGrid1, spoken);
}

void TSF2::DBGrid1TitleClick(int column) {
  if (wordsView_) return;
  if (column != kByName && column != kByPercent && column != kByDate) return;
  if (column == sortOrder_) return;
  sortOrder_ = static_cast<std::uint16_t>(column);
  RunScoreQuery(sortOrder_, ListKey());
}

void TSF2::CheckBox1Click() {
  RunScoreQuery(sortOrder_, ListKey());
}

void TSF2::CurentUserOnlyClick() {
  if (CurentUserOnly->isChecked()) sortOrder_ = kByDate;
  RunScoreQuery(sortOrder_, ListKey());
}

void TSF2::DBGrid1DblClick() {
  if (wordsView_) return;
  const int row = DBGrid1->CurrentRow();
  if (row < 0) return;
  const std::string name = dataSet_.Value(row, "NAME").toString().toStdString();
  const PasswordO& users = host_.PasswordFile();
  if (Upper(name) != Upper(users.CurrentUser()) &&
      users.CurrentLevel() < host_.Levels().lookAtOthers) {
    dialogs_.Warning(kLookAtOthersDenied);
    return;
  }
  SetHint(DBGrid1, Tr("TSF2", "The list of words you got wrong/right for the row double clicked."));
  CheckBox1->setVisible(false);
  CurentUserOnly->setVisible(false);
  WrongAnswers->setVisible(true);
  RightAnswers->setVisible(true);
  wordsView_ = true;
  shownGroup_ = dataSet_.Value(row, "LOG_GROUP").toInt();
  ShowWords();
  DBGrid1->BuildColumns(180);
  dataSet_.SetColumnTitle(3, QT_TRANSLATE_NOOP("Columns", "Help"));
}

void TSF2::WrongAnswersClick() {
  if (!WrongAnswers->isChecked() && !RightAnswers->isChecked()) RightAnswers->setChecked(true);
  ShowWords();
}

void TSF2::RightAnswersClick() {
  if (!WrongAnswers->isChecked() && !RightAnswers->isChecked()) WrongAnswers->setChecked(true);
  ShowWords();
}

void TSF2::BackBtnClick() {
  if (!wordsView_) {
    accept();
    return;
  }
  WrongAnswers->setVisible(false);
  RightAnswers->setVisible(false);
  wordsView_ = false;
  CheckBox1->setVisible(true);
  CurentUserOnly->setVisible(true);
  SetHint(DBGrid1, Tr("TSF2", "Double click a row to see the words you got wrong/right."));
  RunScoreQuery(sortOrder_, ListKey());
}

}  // namespace orv
