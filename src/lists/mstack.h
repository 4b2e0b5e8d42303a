#pragma once
// The evaluation stack of one flat evaluation: four slots, each an operand text
// and the operator text that follows it. Pending operators always have rising
// precedences, so four slots hold every chain except one that already holds
// all four levels when a further operand arrives.
#include <array>
#include <string>

#include "base/errors.h"

namespace orv {

// Raised when a fifth pair is pushed; its line becomes an error line.
class E_MStack_Error : public E_Orv_Error {
 public:
  using E_Orv_Error::E_Orv_Error;
};

class MStack {
 public:
  static constexpr int kSlots = 4;

  struct Slot {
    std::string operand;
    std::string op;
  };

  // Stores the pair in a new top slot; E_MStack_Error when all slots are taken.
  void Push(std::string operand, std::string op);
  // Frees the top slot.
  void Drop();
  int Depth() const { return depth_; }
  // Slot 1 is the bottom, slot Depth() the top.
  Slot& At(int slot);

 private:
  std::array<Slot, kSlots> slots_;
  int depth_ = 0;
};

}  // namespace orv
