#pragma once
// The client library's status vector in the program's form.
#include <cstdint>

#include "scores/firebird/engineerror.h"

namespace orv {

// The status code, the SQL code and the engine's message lines of a failed
// call; status is the client library's ISC_STATUS vector.
EngineError EngineErrorOf(const std::intptr_t* status);

}  // namespace orv
