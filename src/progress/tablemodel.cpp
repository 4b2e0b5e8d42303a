#include "progress/tablemodel.h"

#include <algorithm>

#include "base/translate.h"

namespace orv {
namespace {

bool IsNumber(const QVariant& v) {
  switch (v.typeId()) {
    case QMetaType::Int:
    case QMetaType::LongLong:
    case QMetaType::Double:
      return true;
    default:
      return false;
  }
}

// Negative, zero or positive as a sorts before, with or after b.
int Compare(const QVariant& a, const QVariant& b) {
  if (IsNumber(a) && IsNumber(b)) {
    const double x = a.toDouble();
    const double y = b.toDouble();
    return x < y ? -1 : (y < x ? 1 : 0);
  }
  return a.toString().compare(b.toString(), Qt::CaseInsensitive);
}

}  // namespace

void TableModel::SetTable(ResultTable table) {
  beginResetModel();
  table_ = std::move(table);
  endResetModel();
}

int TableModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(table_.rows.size());
}

int TableModel::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(table_.fields.size());
}

QVariant TableModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid() || index.row() >= rowCount() || index.column() >= columnCount()) return {};
  const QVariant& value =
      table_.rows[static_cast<std::size_t>(index.row())][static_cast<std::size_t>(index.column())];
  const bool translated = index.column() == translatedColumn_ && !value.isNull();
  if (role == kSourceTextRole && translated) return value;
  if (role == Qt::DisplayRole) {
    if (translated) return Tr(context_, value.toString().toUtf8().constData());
    if (value.isNull()) return QString();
    if (index.column() == signedColumn_ && IsNumber(value) && value.toDouble() > 0) {
      return QLatin1Char('+') + value.toString();
    }
    return value;
  }
  if (role == Qt::TextAlignmentRole && IsNumber(value)) {
    return QVariant::fromValue(Qt::AlignRight | Qt::AlignVCenter);
  }
  return {};
}

QVariant TableModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (role != Qt::DisplayRole && role != kSourceTextRole) return {};
  if (orientation == Qt::Vertical) return section + 1;
  if (section < 0 || section >= columnCount()) return {};
  const std::string& title = table_.fields[static_cast<std::size_t>(section)];
  return role == kSourceTextRole ? QString::fromStdString(title) : Tr("Columns", title.c_str());
}

void TableModel::sort(int column, Qt::SortOrder order) {
  if (column < 0 || column >= columnCount()) return;
  const auto c = static_cast<std::size_t>(column);
  emit layoutAboutToBeChanged({}, QAbstractItemModel::VerticalSortHint);
  std::stable_sort(table_.rows.begin(), table_.rows.end(),
                   [c, order](const std::vector<QVariant>& a, const std::vector<QVariant>& b) {
                     if (a[c].isNull() != b[c].isNull()) return b[c].isNull();
                     const int cmp = Compare(a[c], b[c]);
                     return order == Qt::AscendingOrder ? cmp < 0 : cmp > 0;
                   });
  emit layoutChanged({}, QAbstractItemModel::VerticalSortHint);
}

}  // namespace orv
