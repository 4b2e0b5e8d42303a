#pragma once
// A bound on the work of the exact arithmetic. While a budget is in force on
// a thread, the kernel's limb loops count the limbs they pass over, and the
// operation that passes the budget fails with EWorkLimit: a word list whose
// numbers would keep the machine busy for hours fails within seconds instead.
#include <cstddef>
#include <cstdint>

#include "base/errors.h"

namespace orv {

class EWorkLimit : public E_Orv_Error {
 public:
  EWorkLimit();
};

namespace work {

struct Meter {
  bool active = false;
  std::uint64_t left = 0;
};
inline thread_local Meter meter;

[[noreturn]] void Exhausted();

}  // namespace work

// Puts a budget of limb steps in force on this thread for its lifetime, in
// place of the one before, which comes back when it ends.
class WorkBudget {
 public:
  explicit WorkBudget(std::uint64_t limbSteps) : saved_(work::meter) {
    work::meter = {true, limbSteps};
  }
  ~WorkBudget() { work::meter = saved_; }
  WorkBudget(const WorkBudget&) = delete;
  WorkBudget& operator=(const WorkBudget&) = delete;

 private:
  work::Meter saved_;
};

// True when a budget is in force on this thread and none of it is left.
inline bool WorkSpent() {
  return work::meter.active && work::meter.left == 0;
}

// Counts limb steps against the budget in force, if any.
inline void CountWork(std::size_t limbSteps) {
  work::Meter& m = work::meter;
  if (!m.active) return;
  if (limbSteps > m.left) work::Exhausted();
  m.left -= limbSteps;
}

}  // namespace orv
