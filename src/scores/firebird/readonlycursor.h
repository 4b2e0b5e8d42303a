#pragma once
// A select run in a read-only transaction of its own, its rows fetched as
// they are wanted: a window shows its first rows without reading the rest.
// The transaction is read-committed and read-only, so it holds back no
// other program's work while it stays open.
#include <ibase.h>

#include <QSqlDatabase>
#include <QVariant>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "scores/firebird/fbtransaction.h"
#include "scores/firebird/sqldescriptor.h"

namespace orv {

class ReadOnlyCursor {
 public:
  // Prepares and runs the statement on the open connection db. Raises
  // E_Select_Refused for anything but a single select and E_DB_Error with
  // the engine's error when the engine rejects it.
  ReadOnlyCursor(const QSqlDatabase& db, const std::string& statement);
  ~ReadOnlyCursor();
  ReadOnlyCursor(const ReadOnlyCursor&) = delete;
  ReadOnlyCursor& operator=(const ReadOnlyCursor&) = delete;

  // The field names in the order of the select list.
  const std::vector<std::string>& Fields() const { return fields_; }
  // Fetches the next row; false once there is none.
  bool Next();
  // A field of the row fetched last: a null value is a null QVariant, a
  // binary blob that is not null an empty byte array, a text blob whole.
  QVariant Value(int field);
  // A text field's bytes without copying them (trailing blanks of a CHAR
  // kept); empty for null and for a field that is not text. Valid until
  // the next fetch.
  std::string_view Chars(int field) const;

 private:
  // Freed with the cursor, also when the constructor raises.
  struct Statement {
    isc_stmt_handle handle = 0;
    Statement() = default;
    Statement(const Statement&) = delete;
    Statement& operator=(const Statement&) = delete;
    ~Statement();
  };

  isc_db_handle db_ = 0;
  FbTransaction transaction_;
  Statement statement_;
  std::unique_ptr<SqlDescriptor> columns_;
  std::vector<std::vector<char>> buffers_;
  std::vector<std::string> fields_;
};

}  // namespace orv
