#pragma once
// The score window: the finished tests of the current list (or of every
// list), best first, and on a double click the words of one test. The test
// just taken is framed in red.
#include <QStyledItemDelegate>
#include <cstdint>
#include <string>

#include "scores/dbdialog_window.h"

class QCheckBox;
class QLabel;
class QMenu;
class QAction;
class QPushButton;

namespace orv {

class DataSet;
class TDBGrid;
class TGridExport;
class TSF2;

// Draws each cell as usual and frames every cell of the marked test's row.
class TMarkedRowDelegate : public QStyledItemDelegate {
 public:
  TMarkedRowDelegate(TSF2& window, DataSet& dataSet);
  void paint(QPainter* painter, const QStyleOptionViewItem& option,
             const QModelIndex& index) const override;

 private:
  TSF2& window_;
  DataSet& dataSet_;
};

inline constexpr char kLookAtOthersDenied[] =
    "Access denied.\nYou were't going to look at someone else's mistakes and then tease then "
    "were you!!!";

class TSF2 : public TDbDialog {
  Q_OBJECT

 public:
  TSF2(ScoreDatabase& database, DataSet& dataSet, const ScoreWindowHost& host, Dialogs& dialogs,
       QWidget* parent = nullptr);

  // The test session marks the test just taken, then shows the window.
  void SetMarkedGroup(std::int32_t group) { markedGroup_ = group; }
  std::int32_t MarkedGroup() const { return markedGroup_; }
  // The line at the end of a test on what went well, shown above the rows
  // until the window closes; none when empty.
  void SetKindWord(const std::string& line);
  bool WordsView() const { return wordsView_; }
  std::uint16_t SortOrder() const { return sortOrder_; }
  std::int32_t ShownGroup() const { return shownGroup_; }

  // The current list's key: its folder, base name and ".sco".
  std::string ListKey() const;
  std::string BuildScoreSql(std::uint16_t sortOrder, const std::string& listKey) const;
  void RunScoreQuery(std::uint16_t sortOrder, const std::string& listKey);
  void ShowWords();

  void FormShow();
  void ShowMarkedTest();
  void DBGrid1TitleClick(int column);
  void CheckBox1Click();
  void CurentUserOnlyClick();
  // A double click on a row, or "open" from its pop-up menu.
  void DBGrid1DblClick();
  void WrongAnswersClick();
  void RightAnswersClick();
  void BackBtnClick();

 signals:
  // The learner asked to see their progress; whoever shows it listens.
  void ProgressRequested();

 protected:
  void showEvent(QShowEvent* event) override;
  void hideEvent(QHideEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void BuildControls();
  void ShowCounts();

  QPushButton* BackBtn;
  QCheckBox* CheckBox1;
  QCheckBox* CurentUserOnly;
  QCheckBox* WrongAnswers;
  QCheckBox* RightAnswers;
  QLabel* KindWordLabel;
  QLabel* Label1;
  QLabel* RowCount;
  TDBGrid* DBGrid1;
  QMenu* PopupMenu1;
  QAction* open1;
  TGridExport* Export;
  QPushButton* ProgressBtn;

  bool wordsView_ = false;
  std::uint16_t sortOrder_ = 1;
  std::int32_t shownGroup_ = 0;
  std::int32_t markedGroup_ = -1;
};

}  // namespace orv
