#include "scores/datagrid_window.h"

#include <QHeaderView>
#include <algorithm>

namespace orv {

TDBGrid::TDBGrid(DataSet& dataSet, QWidget* parent) : QTableView(parent), dataSet_(dataSet) {
  setModel(&dataSet_);
  setEditTriggers(QAbstractItemView::NoEditTriggers);
  setSelectionMode(QAbstractItemView::SingleSelection);
  setSelectionBehavior(QAbstractItemView::SelectItems);
  setWordWrap(false);
  verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  horizontalHeader()->setSectionsClickable(true);
  horizontalHeader()->setHighlightSections(false);
  connect(&dataSet_, &QAbstractItemModel::modelReset, this, &TDBGrid::ApplyWidths);
  connect(this, &QAbstractItemView::clicked, this,
          [this](const QModelIndex& index) { emit CellClicked(index.row(), index.column()); });
  connect(horizontalHeader(), &QHeaderView::sectionClicked, this, &TDBGrid::TitleClicked);
}

void TDBGrid::BuildColumns(int cap) {
  cap_ = cap;
  dataSet_.ShowAllFields();
}

void TDBGrid::SetColumns(const std::vector<GridColumn>& columns, int cap) {
  cap_ = cap;
  dataSet_.SetColumns(columns);
}

void TDBGrid::ApplyWidths() {
  // Rows as high as the text in force, which the learner's options may
  // have made larger since the grid was made.
  verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 4);
  const auto& columns = dataSet_.Columns();
  for (int i = 0; i < static_cast<int>(columns.size()); ++i) {
    const int width = columns[static_cast<std::size_t>(i)].width;
    if (width > 0) {
      // A column set narrower than its title or its values (a time, a date)
      // still shows them whole; only long values (words, paths) stay cut.
      constexpr int kWidestFit = 150;
      const int fit = std::min(sizeHintForColumn(i), std::max(width, kWidestFit));
      setColumnWidth(i, std::max({width, horizontalHeader()->sectionSizeHint(i), fit}));
      continue;
    }
    resizeColumnToContents(i);
    if (cap_ > 0 && columnWidth(i) > cap_) setColumnWidth(i, cap_);
  }
}

int TDBGrid::CurrentRow() const {
  const QModelIndex index = currentIndex();
  return index.isValid() ? index.row() : -1;
}

void TDBGrid::GoToRow(int row) {
  if (row < 0 || row >= dataSet_.RowCount()) return;
  const int column = currentIndex().isValid() ? currentIndex().column() : 0;
  setCurrentIndex(dataSet_.index(row, column < dataSet_.columnCount() ? column : 0));
  scrollTo(currentIndex());
}

void TDBGrid::Last() {
  dataSet_.FetchAll();
  GoToRow(dataSet_.RowCount() - 1);
}

QModelIndex TDBGrid::moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers) {
  if (action == MoveEnd && modifiers.testFlag(Qt::ControlModifier)) dataSet_.FetchAll();
  return QTableView::moveCursor(action, modifiers);
}

void TDBGrid::First() {
  GoToRow(0);
}

}  // namespace orv
