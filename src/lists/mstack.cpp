#include "lists/mstack.h"

#include <utility>

#include "base/translate.h"

namespace orv {

void MStack::Push(std::string operand, std::string op) {
  if (depth_ == kSlots) {
    std::string pending;
    for (const Slot& s : slots_) pending += " \"" + s.op + "\"";
    throw E_MStack_Error(Filled(TrText("Expressions",
                                       "Expression too complex: a fifth operand \"%1\" arrived "
                                       "while the operators%2 were pending"),
                                operand, pending));
  }
  slots_[depth_] = Slot{std::move(operand), std::move(op)};
  ++depth_;
}

void MStack::Drop() {
  if (depth_ == 0) throw ERangeError();
  --depth_;
}

MStack::Slot& MStack::At(int slot) {
  if (slot < 1 || slot > depth_) throw ERangeError();
  return slots_[slot - 1];
}

}  // namespace orv
