#pragma once
// The log window: the answers in the log, of the logged-in user or (with
// enough rights) of others, wrong and/or right ones, within a date range,
// row by row or counted per word. The controls build the statement shown in
// the SQL box; Update runs it.
#include <cstdint>
#include <string>

#include "scores/dbdialog_window.h"
#include "scores/logquery.h"

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QTimeEdit;
class QVBoxLayout;

namespace orv {

class TDBGrid;
class TGridExport;
class TDateTimePicker;

class TSU : public TDbDialog {
  Q_OBJECT

 public:
  TSU(ScoreDatabase& database, DataSet& dataSet, const ScoreWindowHost& host, Dialogs& dialogs,
      QWidget* parent = nullptr);

  // The statement the controls ask for; report as for Controls.
  std::string CreateSql() { return BuildSql(true); }
  // The SQL box shows CreateSql.
  void ShowSql();
  // On every show: the user list, the last 7 days, then the query.
  virtual void updateUserList();
  // Runs the statement in the SQL box and shows its rows.
  void updateBtnClick();

  // Other users and a hand-typed statement only for one who may look at
  // others; the window starts on the current user.
  void AllowOthers(bool others);

 protected:
  void showEvent(QShowEvent* event) override;

  // The controls' state; report: a missing current user is told and closes
  // the window.
  LogQueryControls Controls(bool report);
  // The statement of the controls' state.
  virtual std::string BuildSql(bool report);
  // Where a subclass adds its own controls, between the query and the grid.
  QVBoxLayout* ExtraArea() { return extra_; }

  virtual void ShowCurrentUserClick();
  virtual void ShowAllUserClick();
  virtual void PickFromListClick();
  virtual void UserListChange();
  virtual void Count1Click();
  void FromDateClick();
  void ToDateClick();
  void DBGrid1CellClick(int row, int column);

  // The wrong-word window adds to these.
  QGroupBox* GroupBox1;
  QComboBox* UserList;
  QCheckBox* Count1;
  QPlainTextEdit* SQL;
  QPushButton* updateBtn;
  TGridExport* Export;

 private:
  void BuildControls();

  QRadioButton* ShowAllUser;
  QRadioButton* ShowCurrentUser;
  QRadioButton* PickFromList;
  QCheckBox* ShowWrongWords;
  QCheckBox* ShowRightWords;
  QLabel* FromLabel;
  TDateTimePicker* FromDate;
  QLabel* ToLabel;
  TDateTimePicker* ToDate;
  QTimeEdit* FromTime;
  TDBGrid* DBGrid1;
  QLabel* Label3;
  QLabel* RowCount;
  QLabel* DBName;
  QVBoxLayout* extra_ = nullptr;
};

// The View log and Log list commands (and, with the wrong-word window and
// its level, Make wrong word file): nobody logged in is told so; otherwise
// the window opens on the current user, with other users and a hand-typed
// statement only for a user who passes level.
void OpenLogWindow(TSU& window, std::int32_t level, Dialogs& dialogs);

}  // namespace orv
