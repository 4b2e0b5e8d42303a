#include "base/errors.h"

namespace orv {

EConvertError EConvertError::NotInteger(const std::string& text) {
  return EConvertError("'" + text + "' is not a valid integer value");
}

ERunError::ERunError(int code)
    : E_Orv_Error("Runtime error " + std::to_string(code)), code_(code) {}

}  // namespace orv
