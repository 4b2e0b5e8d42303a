#include "base/errors.h"

#include "base/translate.h"

namespace orv {

// The messages are read in the windows' language; orvc, which loads no
// translation, prints them as written.
ERangeError::ERangeError() : E_Orv_Error(TrText("Errors", "Range check error")) {}

EIntOverflow::EIntOverflow() : E_Orv_Error(TrText("Errors", "Integer overflow")) {}

EOverflow::EOverflow() : E_Orv_Error(TrText("Errors", "Floating point overflow")) {}

EZeroDivide::EZeroDivide() : E_Orv_Error(TrText("Errors", "Floating point division by zero")) {}

EInvalidOp::EInvalidOp() : E_Orv_Error(TrText("Errors", "Invalid floating point operation")) {}

EProgramEnding::EProgramEnding() : E_Orv_Error(TrText("Errors", "The program is ending")) {}

EConvertError EConvertError::NotInteger(const std::string& text) {
  return EConvertError(Filled(TrText("Errors", "'%1' is not a valid integer value"), text));
}

ERunError::ERunError(int code)
    : E_Orv_Error(Filled(TrText("Errors", "Runtime error %1"), std::to_string(code))),
      code_(code) {}

}  // namespace orv
