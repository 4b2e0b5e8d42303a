#include "numbers/workbudget.h"

#include "base/translate.h"

namespace orv {

EWorkLimit::EWorkLimit()
    : E_Orv_Error(TrText("Expressions",
                         "the list needs more arithmetic than a test can wait for: use smaller "
                         "numbers or fewer lines")) {}

namespace work {

void Exhausted() {
  meter.left = 0;
  throw EWorkLimit();
}

}  // namespace work
}  // namespace orv
