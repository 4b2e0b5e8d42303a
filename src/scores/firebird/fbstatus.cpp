#include "scores/firebird/fbstatus.h"

#include <ibase.h>

namespace orv {

EngineError EngineErrorOf(const std::intptr_t* status) {
  EngineError error;
  error.code = static_cast<std::int32_t>(status[1]);
  error.sqlCode = static_cast<std::int32_t>(isc_sqlcode(status));
  const ISC_STATUS* cursor = status;
  char line[1024];
  while (fb_interpret(line, sizeof line, &cursor) > 0) {
    if (!error.message.empty()) error.message += '\n';
    error.message += line;
  }
  return error;
}

}  // namespace orv
