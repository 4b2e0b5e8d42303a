#pragma once
// The compile settings, process-wide and owned by the list compiler: script
// mode (off when the program starts) and the decimal places of real answers
// (0 to 18, 3 when the program starts), and the answer policy the lines
// compiled now are judged under (what the list has said so far).
#include "judging/answerpolicy.h"

namespace orv {

struct CompileSettings {
  bool scriptMode = false;
  int decimalPlaces = 3;
  AnswerPolicy policy;
};

CompileSettings& TheCompileSettings();

// Puts the decimal places back when it goes out of scope: a compile, a line's
// decimal-places call and the compiled view each change them only for a while.
class DecimalPlacesKeeper {
 public:
  DecimalPlacesKeeper() : saved_(TheCompileSettings().decimalPlaces) {}
  ~DecimalPlacesKeeper() { TheCompileSettings().decimalPlaces = saved_; }
  DecimalPlacesKeeper(const DecimalPlacesKeeper&) = delete;
  DecimalPlacesKeeper& operator=(const DecimalPlacesKeeper&) = delete;

 private:
  int saved_;
};

}  // namespace orv
