#pragma once
// A grid's rows held whole, for the progress and class overview grids: the
// titles and one value per cell. Numbers sort as numbers, texts ignoring
// letter case, and empty cells last whichever way a column is sorted.
#include <QAbstractTableModel>

#include "scores/firebird/resulttable.h"

namespace orv {

class TableModel : public QAbstractTableModel {
  Q_OBJECT

 public:
  using QAbstractTableModel::QAbstractTableModel;

  void SetTable(ResultTable table);
  const ResultTable& Table() const { return table_; }
  // The column's positive numbers are shown with a plus sign (a change, not
  // an amount); they still sort as numbers.
  void ShowSign(int column) { signedColumn_ = column; }
  // The column's texts are the program's own words (marked in context), shown
  // translated; files take them as written (kSourceTextRole).
  void TranslateColumn(int column, const char* context) {
    translatedColumn_ = column;
    context_ = context;
  }

  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
  QVariant headerData(int section, Qt::Orientation orientation,
                      int role = Qt::DisplayRole) const override;
  void sort(int column, Qt::SortOrder order = Qt::AscendingOrder) override;

 private:
  ResultTable table_;
  int signedColumn_ = -1;
  int translatedColumn_ = -1;
  const char* context_ = nullptr;
};

}  // namespace orv
