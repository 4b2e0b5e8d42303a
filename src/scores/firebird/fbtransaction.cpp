#include "scores/firebird/fbtransaction.h"

#include <string>

#include "base/translate.h"
#include "scores/firebird/engineerror.h"
#include "scores/firebird/fbstatus.h"

namespace orv {

void RaiseEngineError(const ISC_STATUS* status, std::string_view what) {
  EngineError error = EngineErrorOf(status);
  std::string message = what.empty() ? error.message : std::string(what) + ": " + error.message;
  throw E_DB_Error(message, error);
}

FbTransaction::FbTransaction(isc_db_handle* db, std::string_view tpb,
                             std::string_view startFailure) {
  ISC_STATUS_ARRAY status;
  if (isc_start_transaction(status, &handle_, 1, db, static_cast<unsigned short>(tpb.size()),
                            tpb.empty() ? nullptr : tpb.data()) != 0) {
    RaiseEngineError(status, startFailure);
  }
}

FbTransaction::~FbTransaction() {
  ISC_STATUS_ARRAY status;
  if (handle_ != 0) isc_rollback_transaction(status, &handle_);
}

void FbTransaction::Commit() {
  ISC_STATUS_ARRAY status;
  if (isc_commit_transaction(status, &handle_) != 0)
    RaiseEngineError(status, TrText("ScoreDatabase", "Cannot commit"));
  handle_ = 0;
}

}  // namespace orv
