#include "scores/firebird/readonlyselect.h"

#include "scores/firebird/readonlycursor.h"

namespace orv {

ResultTable ReadOnlySelect(const QSqlDatabase& db, const std::string& statement) {
  ReadOnlyCursor cursor(db, statement);
  ResultTable result;
  result.fields = cursor.Fields();
  const int fields = static_cast<int>(result.fields.size());
  while (cursor.Next()) {
    std::vector<QVariant> row;
    row.reserve(static_cast<std::size_t>(fields));
    for (int i = 0; i < fields; ++i) row.push_back(cursor.Value(i));
    result.rows.push_back(std::move(row));
  }
  return result;
}

}  // namespace orv
