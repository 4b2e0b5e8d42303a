#include "scores/firebird/owntransaction.h"

#include <ibase.h>

#include <string_view>

#include "base/translate.h"
#include "scores/firebird/driverhandle.h"
#include "scores/firebird/fbtransaction.h"

namespace orv {
namespace {

void RunIn(const QSqlDatabase& db, std::string_view tpb, const std::vector<std::string>& statements,
           std::string_view startFailure) {
  isc_db_handle handle = DriverHandle(db);
  FbTransaction transaction(&handle, tpb, startFailure);
  for (const std::string& statement : statements) {
    ISC_STATUS_ARRAY status;
    if (isc_dsql_execute_immediate(status, &handle, transaction.Handle(), 0, statement.c_str(),
                                   SQL_DIALECT_V6, nullptr) != 0) {
      RaiseEngineError(status);
    }
  }
  transaction.Commit();
}

}  // namespace

void RunReservingWrite(const QSqlDatabase& db, const std::vector<std::string>& tables,
                       const std::vector<std::string>& statements, int waitSeconds) {
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
  RunIn(db, tpb, statements, Filled(TrText("ScoreDatabase", "Cannot reserve %1"), tables.front()));
}

void RunSnapshotNoWait(const QSqlDatabase& db, const std::vector<std::string>& statements) {
  constexpr char kTpb[] = {isc_tpb_version3, isc_tpb_write, isc_tpb_concurrency, isc_tpb_nowait};
  RunIn(db, std::string_view(kTpb, sizeof kTpb), statements, {});
}

}  // namespace orv
