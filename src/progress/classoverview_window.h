#pragma once
// The class overview for teachers: one row per learner and list, sortable by
// any column; a double click opens that learner's progress. A teacher gives
// the learners shown (or those selected) a test day for a list, or clears it.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "progress/progressaccess.h"
#include "progress/tablemodel.h"
#include "widgets/hintdialog_window.h"

class QComboBox;
class QDateEdit;
class QPushButton;
class QTableView;

namespace orv {

class ScoreDatabase;
class TDateRangeBox;
class TGridExport;
class TProgressForm;

class TClassOverviewForm : public THintDialog {
  Q_OBJECT

 public:
  TClassOverviewForm(ScoreDatabase& database, TProgressForm& progress, Dialogs& dialogs,
                     QWidget* parent = nullptr);

  // Reads the overview for a viewer who may look at every learner; users
  // (the password file's) without tests have a row of their own.
  void ShowFor(const ProgressViewer& viewer, std::vector<std::string> users);
  void Refresh();
  // The progress of the learner of a row, in the overview's days.
  void OpenRow(int row);

  // Sets the test day of the list in TestDayList for the learners of the
  // selected rows, or of every row when none is selected; with no day it
  // clears it.
  void SetTestDay(std::optional<std::int64_t> day);

  const TableModel& Model() const { return model_; }

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  std::vector<std::string> ChosenLearners() const;

  TDateRangeBox* Days;
  QTableView* Grid;
  TGridExport* Export;
  QComboBox* TestDayList;
  QDateEdit* TestDayDate;
  QPushButton* SetTestDayButton;
  QPushButton* ClearTestDayButton;

  ScoreDatabase& database_;
  TProgressForm& progress_;
  ProgressViewer viewer_;
  std::vector<std::string> users_;
  TableModel model_;
};

}  // namespace orv
