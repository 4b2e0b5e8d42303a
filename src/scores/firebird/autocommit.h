#pragma once
// Statements that are committed as they run, for the writes and reads a
// learner's answers make: one read-committed transaction on the open
// connection's attachment that the engine commits after every statement,
// and each statement prepared once in it. A run is then one exchange with
// the server; through Qt's driver it is five or six (prepare, its details,
// run, commit, the next transaction), and a server with many connections
// spends on every exchange time that grows with their number.
#include <ibase.h>

#include <QSqlDatabase>
#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "scores/firebird/fbtransaction.h"

namespace orv {

// A statement's parameter: null, a text (UTF-8), or a whole number.
using SqlValue = std::variant<std::monostate, std::string, std::int64_t>;
// A row of whole numbers; a null column is nullopt.
using NumberRow = std::vector<std::optional<std::int64_t>>;

class AutoCommitStatements {
 public:
  // Starts the transaction on the open connection db. Raises E_DB_Error
  // with the engine's error.
  explicit AutoCommitStatements(const QSqlDatabase& db);
  ~AutoCommitStatements();
  AutoCommitStatements(const AutoCommitStatements&) = delete;
  AutoCommitStatements& operator=(const AutoCommitStatements&) = delete;

  // Runs the statement, with ? for each parameter, and commits what it did.
  // Gives the first row of a select or the values of a procedure, each
  // column a whole number; nullopt when there is no row. Raises E_DB_Error
  // with the engine's error, and then nothing of the statement is kept.
  std::optional<NumberRow> Run(const std::string& statement, const std::vector<SqlValue>& params);

 private:
  struct Prepared;
  Prepared& PreparedFor(const std::string& statement);

  isc_db_handle db_ = 0;
  FbTransaction transaction_;
  std::map<std::string, std::unique_ptr<Prepared>> prepared_;
};

}  // namespace orv
