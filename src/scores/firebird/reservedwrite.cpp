#include "scores/firebird/reservedwrite.h"

#include <ibase.h>

#include "scores/firebird/driverhandle.h"
#include "scores/firebird/fbtransaction.h"

namespace orv {

void RunReservingWrite(const QSqlDatabase& db, const std::vector<std::string>& tables,
                       const std::vector<std::string>& statements, int waitSeconds) {
  isc_db_handle handle = DriverHandle(db);
  // Read committed, so each statement sees what the writers waited for
  // committed before the reservation was granted.
  std::string tpb{isc_tpb_version3,
                  isc_tpb_write,
                  isc_tpb_read_committed,
                  isc_tpb_rec_version,
                  isc_tpb_wait,
                  isc_tpb_lock_timeout,
                  1,
                  static_cast<char>(waitSeconds)};
  for (const std::string& table : tables) {
    tpb += static_cast<char>(isc_tpb_lock_write);
    tpb += static_cast<char>(table.size());
    tpb += table;
    tpb += static_cast<char>(isc_tpb_protected);
  }
  FbTransaction transaction(&handle, tpb, "Cannot reserve " + tables.front());
  for (const std::string& statement : statements) {
    ISC_STATUS_ARRAY status;
    if (isc_dsql_execute_immediate(status, &handle, transaction.Handle(), 0, statement.c_str(),
                                   SQL_DIALECT_V6, nullptr) != 0) {
      RaiseEngineError(status);
    }
  }
  transaction.Commit();
}

}  // namespace orv
