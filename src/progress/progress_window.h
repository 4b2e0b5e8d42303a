#pragma once
// The progress window: one learner's tests over time, one line per list, the
// help used, the words most often wrong, the kinds of mistake and the review's
// boxes, in a range of days. It shows no
// streaks and compares no child with another.
#include <string>
#include <vector>

#include "progress/boxhistory.h"
#include "progress/daterange.h"
#include "progress/progressaccess.h"
#include "progress/progressdata.h"
#include "progress/tablemodel.h"
#include "widgets/hintdialog_window.h"

class QChartView;
class QComboBox;
class QTabWidget;
class QTableView;

namespace orv {

class ScoreDatabase;
class TDateRangeBox;
class TGridExport;

class TProgressForm : public THintDialog {
  Q_OBJECT

 public:
  TProgressForm(ScoreDatabase& database, Dialogs& dialogs, QWidget* parent = nullptr);

  // Sets who is looking and whose progress is shown first (the viewer's own
  // when learner is empty or not one the viewer may see), then reads it.
  void ShowFor(const ProgressViewer& viewer, const std::string& learner = {});
  // Reads the chosen learner's tests in the chosen days and draws them.
  void Refresh();

  std::string Learner() const;
  // The days shown from the next reading on.
  void SetDays(const DateRange& range);

  static constexpr int kWordsShown = 10;

 private:
  void BuildControls();
  void DrawLines(QChartView& view, const std::vector<ChartSeries>& series,
                 const QString& valueTitle, int top);
  void DrawWords(const std::vector<WordCount>& words);
  void DrawBoxes(const std::vector<BoxCounts>& days);

  QComboBox* LearnerList;
  TDateRangeBox* Days;
  QTabWidget* Tabs;
  QChartView* PercentChart;
  QChartView* HelpChart;
  QChartView* WordsChart;
  QChartView* BoxesChart;
  QTableView* TestsGrid;
  QTableView* WordsGrid;
  QTableView* MistakesGrid;
  TGridExport* TestsExport;
  TGridExport* WordsExport;
  TGridExport* MistakesExport;
  ScoreDatabase& database_;
  ProgressViewer viewer_;
  TableModel tests_;
  TableModel words_;
  TableModel mistakes_;
};

}  // namespace orv
