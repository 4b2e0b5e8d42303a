#pragma once
// Errors of the score database. An engine error carries the Firebird status
// code (335544323: not a valid database, 335544375: unavailable database, ...),
// the SQL code and the engine's message.
#include <cstdint>
#include <string>

#include "base/errors.h"

namespace orv {

struct EngineError {
  std::int32_t code = 0;
  std::int32_t sqlCode = 0;
  std::string message;
};

// Well-known engine status codes.
inline constexpr std::int32_t kNotValidDatabase = 335544323;
inline constexpr std::int32_t kUnavailableDatabase = 335544375;
inline constexpr std::int32_t kNetworkError = 335544721;

// A failed database operation; engine() has code 0 when the failure did not
// come from the engine (for example a driver that could not be loaded).
class E_DB_Error : public E_Orv_Error {
 public:
  E_DB_Error(const std::string& what, EngineError engine)
      : E_Orv_Error(what), engine_(std::move(engine)) {}
  explicit E_DB_Error(const std::string& what) : E_Orv_Error(what) {}
  const EngineError& engine() const { return engine_; }

 private:
  EngineError engine_;
};

}  // namespace orv
