#pragma once
// The grid under a data set: read-only, one row current, columns as the
// data set lays them out, widths in pixels.
#include <QTableView>
#include <vector>

#include "scores/dataset.h"

namespace orv {

class TDBGrid : public QTableView {
  Q_OBJECT

 public:
  TDBGrid(DataSet& dataSet, QWidget* parent = nullptr);

  DataSet& Data() { return dataSet_; }
  // Every field of the result as a column; columns wider than cap are cut to cap.
  void BuildColumns(int cap);
  // The columns named; those of width 0 fit their contents, up to cap when given.
  void SetColumns(const std::vector<GridColumn>& columns, int cap = 0);
  // The row the grid is on; -1 when it has none.
  int CurrentRow() const;
  void GoToRow(int row);
  // The last row, once every row is fetched.
  void Last();
  void First();

 signals:
  // A cell was clicked (also when it was current already).
  void CellClicked(int row, int column);
  void TitleClicked(int column);

 protected:
  // Ctrl+End goes to the last row of the whole result, not of the rows
  // fetched so far.
  QModelIndex moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers) override;

 private:
  void ApplyWidths();

  DataSet& dataSet_;
  int cap_ = 0;
};

}  // namespace orv
