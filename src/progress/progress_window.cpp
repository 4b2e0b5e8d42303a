#include "progress/progress_window.h"

#include <QAreaSeries>
#include <QBarCategoryAxis>
#include <QBarSet>
#include <QChart>
#include <QChartView>
#include <QComboBox>
#include <QDateTime>
#include <QDateTimeAxis>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QHorizontalBarSeries>
#include <QLabel>
#include <QLineSeries>
#include <QStatusBar>
#include <QTabWidget>
#include <QTableView>
#include <QVBoxLayout>
#include <QValueAxis>
#include <algorithm>

#include "base/translate.h"
#include "exchange/gridexport_window.h"
#include "progress/boxhistory.h"
#include "progress/daterange_window.h"
#include "progress/mistaketally.h"
#include "progress/progresstables.h"
#include "scores/scoredatabase.h"
#include "widgets/formhelpers_window.h"

namespace orv {
namespace {

QDateTime MomentOf(const ChartPoint& p) {
  return QDateTime(QDate(p.day.year, static_cast<int>(p.day.month), static_cast<int>(p.day.day)),
                   QTime::fromString(QString::fromStdString(p.time), "HH:mm:ss"));
}

QDateTime MomentOf(const CalendarDay& day) {
  return QDateTime(QDate(day.year, static_cast<int>(day.month), static_cast<int>(day.day)),
                   QTime(0, 0));
}

QString BoxName(int box) {
  return box == kReviewBoxes ? Tr("TProgressForm", "learned")
                             : Tr("TProgressForm", "Box %1").arg(box);
}

QChartView* NewChartView(QWidget* parent) {
  auto* view = new QChartView(new QChart, parent);
  view->setRenderHint(QPainter::Antialiasing);
  view->chart()->legend()->setAlignment(Qt::AlignBottom);
  return view;
}

// Clears the chart and gives it a new axis of days at the bottom.
QDateTimeAxis* ClearToDays(QChart& chart) {
  chart.removeAllSeries();
  for (QAbstractAxis* axis : chart.axes()) chart.removeAxis(axis);
  auto* days = new QDateTimeAxis(&chart);
  days->setFormat("dd/MM/yyyy");
  days->setTitleText(Tr("TProgressForm", "Day"));
  chart.addAxis(days, Qt::AlignBottom);
  return days;
}

QTableView* NewGrid(TableModel& model, QWidget* parent) {
  auto* grid = new QTableView(parent);
  grid->setModel(&model);
  grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
  grid->setSelectionBehavior(QAbstractItemView::SelectRows);
  grid->setSortingEnabled(true);
  grid->horizontalHeader()->setStretchLastSection(true);
  return grid;
}

// A grid and its export button on one page of the tabs.
QWidget* GridPage(QTableView*& grid, TGridExport*& exporter, TableModel& model,
                  const QString& title, Dialogs& dialogs, QWidget* parent) {
  auto* page = new QWidget(parent);
  grid = NewGrid(model, page);
  grid->setAccessibleName(title);
  exporter = new TGridExport(model, title, dialogs, page);
  auto* row = new QHBoxLayout;
  row->addStretch();
  row->addWidget(exporter);
  auto* layout = new QVBoxLayout(page);
  layout->addWidget(grid, 1);
  layout->addLayout(row);
  return page;
}

}  // namespace

TProgressForm::TProgressForm(ScoreDatabase& database, Dialogs& dialogs, QWidget* parent)
    : THintDialog(dialogs, parent), database_(database) {
  setObjectName("ProgressForm");
  setWindowTitle(Tr("TProgressForm", "Progress"));
  BuildControls();
  resize(820, 560);
}

void TProgressForm::BuildControls() {
  auto* learnerLabel = new QLabel(Tr("TProgressForm", "&Learner:"), this);
  LearnerList = new QComboBox(this);
  LearnerList->setObjectName("LearnerList");
  LearnerList->setMinimumContentsLength(16);
  learnerLabel->setBuddy(LearnerList);
  SetHint(LearnerList, Tr("TProgressForm", "Whose tests are shown"));
  Days = new TDateRangeBox(this);
  Days->setObjectName("Days");
  SetHint(Days, Tr("TProgressForm",
                   "Only the tests taken from the first day to the last day, when checked"));

  // The grids' titles stand from the start, before anything is read.
  tests_.SetTable(TestsTable({}));
  words_.SetTable(WrongWordsTable({}));
  mistakes_.SetTable(MistakesTable(TallyMistakes({})));
  mistakes_.TranslateColumn(0, "MistakeKind");
  Tabs = new QTabWidget(this);
  Tabs->setObjectName("Tabs");
  PercentChart = NewChartView(Tabs);
  PercentChart->setObjectName("PercentChart");
  HelpChart = NewChartView(Tabs);
  HelpChart->setObjectName("HelpChart");
  WordsChart = NewChartView(Tabs);
  WordsChart->setObjectName("WordsChart");
  BoxesChart = NewChartView(Tabs);
  BoxesChart->setObjectName("BoxesChart");
  Tabs->addTab(PercentChart, Tr("TProgressForm", "Percent &right"));
  Tabs->addTab(HelpChart, Tr("TProgressForm", "&Help used"));
  Tabs->addTab(WordsChart, Tr("TProgressForm", "&Words most often wrong"));
  Tabs->addTab(BoxesChart, Tr("TProgressForm", "&Boxes"));
  for (QChartView* chart : {PercentChart, HelpChart, WordsChart, BoxesChart}) {
    chart->setAccessibleName(Tabs->tabText(Tabs->indexOf(chart)).remove('&'));
  }
  Tabs->addTab(
      GridPage(TestsGrid, TestsExport, tests_, Tr("TProgressForm", "Tests"), dialogs_, Tabs),
      Tr("TProgressForm", "T&ests"));
  Tabs->addTab(
      GridPage(WordsGrid, WordsExport, words_, Tr("TProgressForm", "Wrong words"), dialogs_, Tabs),
      Tr("TProgressForm", "Wrong wor&ds"));
  Tabs->addTab(GridPage(MistakesGrid, MistakesExport, mistakes_,
                        Tr("TProgressForm", "Kinds of mistake"), dialogs_, Tabs),
               Tr("TProgressForm", "&Kinds of mistake"));
  TestsGrid->setObjectName("TestsGrid");
  WordsGrid->setObjectName("WordsGrid");
  MistakesGrid->setObjectName("MistakesGrid");
  TestsExport->setObjectName("TestsExport");
  WordsExport->setObjectName("WordsExport");
  MistakesExport->setObjectName("MistakesExport");

  auto* top = new QHBoxLayout;
  top->addWidget(learnerLabel);
  top->addWidget(LearnerList);
  top->addSpacing(16);
  top->addWidget(Days);
  top->addStretch();
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(top);
  layout->addWidget(Tabs, 1);
  layout->addWidget(StatusBar1);

  connect(LearnerList, &QComboBox::activated, this, [this] { Run([this] { Refresh(); }); });
  connect(Days, &TDateRangeBox::Changed, this, [this] { Run([this] { Refresh(); }); });
}

void TProgressForm::ShowFor(const ProgressViewer& viewer, const std::string& learner) {
  viewer_ = viewer;
  if (!database_.ConectDB()) return;
  const std::vector<std::string> learners =
      LearnersFor(viewer, viewer.mayLookAtOthers ? ReadLearners(database_.Database())
                                                 : std::vector<std::string>{});
  LearnerList->clear();
  for (const std::string& name : learners) LearnerList->addItem(QString::fromStdString(name));
  const auto chosen = std::find(learners.begin(), learners.end(), learner);
  const auto own = std::find(learners.begin(), learners.end(), viewer.user);
  LearnerList->setCurrentIndex(
      static_cast<int>((chosen != learners.end() ? chosen : own) - learners.begin()));
  LearnerList->setEnabled(viewer.mayLookAtOthers);
  Refresh();
}

void TProgressForm::SetDays(const DateRange& range) {
  Days->SetRange(range);
}

std::string TProgressForm::Learner() const {
  return LearnerList->currentText().toStdString();
}

void TProgressForm::Refresh() {
  const std::string learner = Learner();
  if (learner.empty() || !database_.ConectDB()) return;
  const DateRange range = Days->Range();
  const std::vector<TestResult> tests = ReadTests(database_.Database(), learner, range);
  const std::vector<WordCount> words =
      ReadWrongWords(database_.Database(), learner, range, kWordsShown, database_.HasCountTables());
  setWindowTitle(Tr("TProgressForm", "Progress of %1").arg(QString::fromStdString(learner)));
  TestsExport->SetTitle(Tr("TProgressForm", "Tests of %1").arg(QString::fromStdString(learner)));
  WordsExport->SetTitle(
      Tr("TProgressForm", "Wrong words of %1").arg(QString::fromStdString(learner)));
  MistakesExport->SetTitle(
      Tr("TProgressForm", "Kinds of mistake of %1").arg(QString::fromStdString(learner)));
  DrawLines(*PercentChart, PercentSeries(tests), Tr("TProgressForm", "Percent right"), 100);
  int mostHelp = 1;
  for (const TestResult& t : tests) mostHelp = std::max(mostHelp, t.helpTotal);
  DrawLines(*HelpChart, HelpSeries(tests), Tr("TProgressForm", "Help used"), mostHelp);
  DrawWords(words);
  DrawBoxes(FoldBoxMoves(ReadBoxMoves(database_.Database(), learner, range), range.from));
  tests_.SetTable(TestsTable(tests));
  words_.SetTable(WrongWordsTable(words));
  mistakes_.SetTable(MistakesTable(TallyMistakes(
      ReadWrongAnswers(database_.Database(), learner, range, database_.HasCountTables()))));
  TestsGrid->resizeColumnsToContents();
  WordsGrid->resizeColumnsToContents();
  MistakesGrid->resizeColumnsToContents();
}

void TProgressForm::DrawLines(QChartView& view, const std::vector<ChartSeries>& series,
                              const QString& valueTitle, int top) {
  QChart* chart = view.chart();
  QDateTimeAxis* days = ClearToDays(*chart);
  auto* values = new QValueAxis(chart);
  values->setRange(0, top);
  values->setLabelFormat("%d");
  values->setTitleText(valueTitle);
  chart->addAxis(values, Qt::AlignLeft);
  QDateTime first;
  QDateTime last;
  for (const ChartSeries& s : series) {
    auto* line = new QLineSeries(chart);
    line->setName(QString::fromStdString(s.list));
    line->setPointsVisible(true);
    for (const ChartPoint& p : s.points) {
      const QDateTime moment = MomentOf(p);
      line->append(static_cast<qreal>(moment.toMSecsSinceEpoch()), p.value);
      if (!first.isValid() || moment < first) first = moment;
      if (!last.isValid() || moment > last) last = moment;
    }
    chart->addSeries(line);
    line->attachAxis(days);
    line->attachAxis(values);
  }
  // A day either side, so a single test is not drawn on the chart's edge.
  if (first.isValid()) days->setRange(first.addDays(-1), last.addDays(1));
  chart->setTitle(series.empty() ? Tr("TProgressForm", "No tests in these days") : QString());
}

void TProgressForm::DrawWords(const std::vector<WordCount>& words) {
  QChart* chart = WordsChart->chart();
  chart->removeAllSeries();
  for (QAbstractAxis* axis : chart->axes()) chart->removeAxis(axis);
  auto* set = new QBarSet(Tr("TProgressForm", "Times wrong"));
  QStringList names;
  int most = 1;
  // The bars run from the bottom up: the most often wrong word is drawn last, on top.
  for (auto w = words.rbegin(); w != words.rend(); ++w) {
    *set << w->count;
    names << QString::fromStdString(w->word);
    most = std::max(most, w->count);
  }
  auto* bars = new QHorizontalBarSeries(chart);
  bars->append(set);
  chart->addSeries(bars);
  auto* wordAxis = new QBarCategoryAxis(chart);
  wordAxis->append(names);
  auto* counts = new QValueAxis(chart);
  counts->setRange(0, most);
  counts->setTickCount(std::min(most, 10) + 1);
  counts->setLabelFormat("%d");
  chart->addAxis(wordAxis, Qt::AlignLeft);
  chart->addAxis(counts, Qt::AlignBottom);
  bars->attachAxis(wordAxis);
  bars->attachAxis(counts);
  chart->legend()->setVisible(false);
  chart->setTitle(words.empty() ? Tr("TProgressForm", "No wrong answers in these days")
                                : QString());
}

// The boxes stacked from box 1 at the bottom to the learned items on top, so
// the top edge is every item the learner has met.
void TProgressForm::DrawBoxes(const std::vector<BoxCounts>& days) {
  QChart* chart = BoxesChart->chart();
  QDateTimeAxis* dayAxis = ClearToDays(*chart);
  auto* counts = new QValueAxis(chart);
  counts->setLabelFormat("%d");
  counts->setTitleText(Tr("TProgressForm", "Items"));
  chart->addAxis(counts, Qt::AlignLeft);
  // Each area owns its two edges, so clearing the chart frees them with it.
  QList<QPointF> below;
  int most = 1;
  for (int box = 1; box <= kReviewBoxes; ++box) {
    auto* area = new QAreaSeries(chart);
    auto* upper = new QLineSeries(area);
    for (const BoxCounts& d : days) {
      int top = 0;
      for (int b = 0; b < box; ++b) top += d.items[static_cast<std::size_t>(b)];
      upper->append(static_cast<qreal>(MomentOf(d.day).toMSecsSinceEpoch()), top);
      most = std::max(most, top);
    }
    area->setUpperSeries(upper);
    if (!below.isEmpty()) {
      auto* lower = new QLineSeries(area);
      lower->append(below);
      area->setLowerSeries(lower);
    }
    below = upper->points();
    area->setName(BoxName(box));
    chart->addSeries(area);
    area->attachAxis(dayAxis);
    area->attachAxis(counts);
  }
  counts->setRange(0, most);
  counts->setTickCount(std::min(most, 10) + 1);
  if (!days.empty()) {
    dayAxis->setRange(MomentOf(days.front().day).addDays(-1), MomentOf(days.back().day).addDays(1));
  }
  chart->setTitle(days.empty() ? Tr("TProgressForm", "No review moves in these days") : QString());
}

}  // namespace orv
