#pragma once
// The data set through which the score, log and sound windows show rows: a
// select is run, its first block of rows is fetched, the rest as the grid
// scrolls to them, and the grid shows the columns laid out for it. The
// windows that share one data set replace each other's statement.
#include <QAbstractTableModel>
#include <QSqlDatabase>
#include <cstddef>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include <QVariant>

namespace orv {

class ReadOnlyCursor;

// The rows fetched at a time: a screen's worth and more.
inline constexpr std::size_t kFetchBlock = 256;

// A column of the grid: the field it shows, its title and its width in
// pixels (0: as wide as its contents need, within a cap).
struct GridColumn {
  std::string field;
  std::string title;
  int width = 0;
};

class DataSet : public QAbstractTableModel {
  Q_OBJECT

 public:
  explicit DataSet(QObject* parent = nullptr);
  ~DataSet() override;

  // Runs a select on the connection in a read-only transaction of its own,
  // which sees everything committed so far, by this program or another, and
  // fetches the first block of rows. Only a single select is run (the
  // statement may have been typed by hand). Raises E_DB_Error when it fails;
  // the rows shown before stay.
  void Open(const QSqlDatabase& db, const std::string& statement);
  // Fetches every row still unread: for what needs them all (an export, a
  // word file, the last row).
  void FetchAll();
  bool AllFetched() const { return cursor_ == nullptr; }

  // The rows fetched so far.
  int RowCount() const { return static_cast<int>(rows_.size()); }
  // The number of rows fetched, followed by "+" while more remain unread.
  QString CountText() const;
  // The field's index, letter case ignored; -1 when the result has none.
  int FieldIndex(std::string_view name) const;
  // A field's value in a row; a null QVariant for an unknown field.
  QVariant Value(int row, std::string_view field) const;
  // What a cell of the grid shows.
  QString Text(int row, int column) const;
  // Removes one row from what is shown (the database is not touched).
  void RemoveRow(int row);

  // Every field of the result as a column, titled with its name.
  void ShowAllFields();
  // The columns named, in this order; fields the result lacks are left out.
  void SetColumns(const std::vector<GridColumn>& columns);
  const std::vector<GridColumn>& Columns() const { return columns_; }
  void SetColumnTitle(int column, const std::string& title);

  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
  QVariant headerData(int section, Qt::Orientation orientation,
                      int role = Qt::DisplayRole) const override;
  bool canFetchMore(const QModelIndex& parent) const override;
  void fetchMore(const QModelIndex& parent) override;

 private:
  // Appends the cursor's next rows, up to limit; the cursor is closed at its end.
  void FetchRows(std::size_t limit);
  void ResolveColumns(const std::vector<GridColumn>& columns);

  std::vector<std::string> fields_;
  std::vector<std::string> upperFields_;  // for looking fields up by name
  std::vector<std::vector<QVariant>> rows_;
  std::vector<GridColumn> columns_;
  std::vector<int> columnFields_;
  // Open while rows remain unread.
  std::unique_ptr<ReadOnlyCursor> cursor_;
};

}  // namespace orv
