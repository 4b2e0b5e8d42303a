#include "scores/dataset.h"

#include <limits>

#include "base/strings.h"
#include "base/translate.h"
#include "scores/firebird/readonlycursor.h"

namespace orv {

DataSet::DataSet(QObject* parent) : QAbstractTableModel(parent) {}

DataSet::~DataSet() = default;

namespace {

// Up to limit rows of the cursor; fewer when it has no more.
std::vector<std::vector<QVariant>> ReadRows(ReadOnlyCursor& cursor, std::size_t limit) {
  const int fields = static_cast<int>(cursor.Fields().size());
  std::vector<std::vector<QVariant>> rows;
  while (rows.size() < limit && cursor.Next()) {
    std::vector<QVariant> row;
    row.reserve(static_cast<std::size_t>(fields));
    for (int i = 0; i < fields; ++i) row.push_back(cursor.Value(i));
    rows.push_back(std::move(row));
  }
  return rows;
}

}  // namespace

void DataSet::Open(const QSqlDatabase& db, const std::string& statement) {
  // Run and its first rows read before anything shown is replaced, so a
  // failure leaves the rows as they were.
  auto cursor = std::make_unique<ReadOnlyCursor>(db, statement);
  std::vector<std::vector<QVariant>> first = ReadRows(*cursor, kFetchBlock);
  beginResetModel();
  fields_ = cursor->Fields();
  upperFields_.clear();
  for (const std::string& f : fields_) upperFields_.push_back(UpperAZ(f));
  rows_ = std::move(first);
  cursor_.reset();
  if (rows_.size() == kFetchBlock) cursor_ = std::move(cursor);
  // The columns stay as laid out while their fields are still there.
  ResolveColumns(std::vector<GridColumn>(columns_));
  endResetModel();
}

void DataSet::FetchRows(std::size_t limit) {
  if (!cursor_) return;
  std::vector<std::vector<QVariant>> more;
  try {
    more = ReadRows(*cursor_, limit);
  } catch (...) {
    cursor_.reset();
    throw;
  }
  if (more.size() < limit) cursor_.reset();
  if (more.empty()) return;
  beginInsertRows({}, RowCount(), RowCount() + static_cast<int>(more.size()) - 1);
  rows_.insert(rows_.end(), std::make_move_iterator(more.begin()),
               std::make_move_iterator(more.end()));
  endInsertRows();
}

void DataSet::FetchAll() {
  FetchRows(std::numeric_limits<std::size_t>::max());
}

QString DataSet::CountText() const {
  return QString::number(RowCount()) + (AllFetched() ? "" : "+");
}

bool DataSet::canFetchMore(const QModelIndex& parent) const {
  return !parent.isValid() && cursor_ != nullptr;
}

void DataSet::fetchMore(const QModelIndex& parent) {
  if (!parent.isValid()) FetchRows(kFetchBlock);
}

void DataSet::ResolveColumns(const std::vector<GridColumn>& columns) {
  // Before the first query every column is kept; its field is found then.
  const bool open = !fields_.empty();
  columns_.clear();
  columnFields_.clear();
  for (const GridColumn& c : columns) {
    const int field = FieldIndex(c.field);
    if (field < 0 && open) continue;
    columns_.push_back(c);
    columnFields_.push_back(field);
  }
}

int DataSet::FieldIndex(std::string_view name) const {
  const std::string wanted = UpperAZ(name);
  for (std::size_t i = 0; i < upperFields_.size(); ++i) {
    if (upperFields_[i] == wanted) return static_cast<int>(i);
  }
  return -1;
}

QVariant DataSet::Value(int row, std::string_view field) const {
  const int f = FieldIndex(field);
  if (f < 0 || row < 0 || row >= RowCount()) return {};
  return rows_[static_cast<std::size_t>(row)][static_cast<std::size_t>(f)];
}

QString DataSet::Text(int row, int column) const {
  if (row < 0 || row >= RowCount() || column < 0 || column >= static_cast<int>(columns_.size())) {
    return {};
  }
  const QVariant& value =
      rows_[static_cast<std::size_t>(row)][static_cast<std::size_t>(columnFields_[column])];
  if (value.isNull()) return {};
  if (value.typeId() == QMetaType::QByteArray) return QStringLiteral("(BLOB)");
  return value.toString();
}

void DataSet::RemoveRow(int row) {
  if (row < 0 || row >= RowCount()) return;
  beginRemoveRows({}, row, row);
  rows_.erase(rows_.begin() + row);
  endRemoveRows();
}

void DataSet::ShowAllFields() {
  std::vector<GridColumn> columns;
  for (const std::string& f : fields_) columns.push_back({f, f, 0});
  SetColumns(columns);
}

void DataSet::SetColumns(const std::vector<GridColumn>& columns) {
  beginResetModel();
  ResolveColumns(columns);
  endResetModel();
}

void DataSet::SetColumnTitle(int column, const std::string& title) {
  if (column < 0 || column >= static_cast<int>(columns_.size())) return;
  columns_[static_cast<std::size_t>(column)].title = title;
  emit headerDataChanged(Qt::Horizontal, column, column);
}

int DataSet::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : RowCount();
}

int DataSet::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(columns_.size());
}

QVariant DataSet::data(const QModelIndex& index, int role) const {
  if (!index.isValid() || (role != Qt::DisplayRole && role != Qt::ToolTipRole)) return {};
  return Text(index.row(), index.column());
}

QVariant DataSet::headerData(int section, Qt::Orientation orientation, int role) const {
  if (role != Qt::DisplayRole && role != kSourceTextRole) return {};
  if (orientation == Qt::Vertical) return section + 1;
  if (section < 0 || section >= static_cast<int>(columns_.size())) return {};
  const std::string& title = columns_[static_cast<std::size_t>(section)].title;
  return role == kSourceTextRole ? QString::fromStdString(title) : Tr("Columns", title.c_str());
}

}  // namespace orv
