#pragma once
// A transaction of the client library's own interface, rolled back unless it
// is committed, and the error a failed client call raises.
#include <ibase.h>

#include <string_view>

namespace orv {

// Raises E_DB_Error with the engine's message, after "what: " when what is given.
[[noreturn]] void RaiseEngineError(const ISC_STATUS* status, std::string_view what = {});

class FbTransaction {
 public:
  // tpb: the transaction's parameter block, empty for the engine's default.
  // A failure to start raises, its message after startFailure when given.
  FbTransaction(isc_db_handle* db, std::string_view tpb, std::string_view startFailure = {});
  ~FbTransaction();
  FbTransaction(const FbTransaction&) = delete;
  FbTransaction& operator=(const FbTransaction&) = delete;

  isc_tr_handle* Handle() { return &handle_; }
  void Commit();

 private:
  isc_tr_handle handle_ = 0;
};

}  // namespace orv
