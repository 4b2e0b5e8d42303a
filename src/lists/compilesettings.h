#pragma once
// The compile settings: script mode, the decimal places of real answers (0 to
// 18) and the answer policy the lines compiled now are judged under (what the
// list has said so far). A compile starts with script mode off; the compiled
// view starts with it as the last compile or view left it, so the program
// keeps one set for the two and hands it to both.
#include "judging/answerpolicy.h"
#include "lists/evaluator.h"

namespace orv {

struct CompileSettings {
  bool scriptMode = false;
  int decimalPlaces = kStartDecimalPlaces;
  AnswerPolicy policy;
};

// Puts the decimal places back when it goes out of scope: a compile and the
// compiled view each change them only for a while.
class DecimalPlacesKeeper {
 public:
  explicit DecimalPlacesKeeper(CompileSettings& settings)
      : settings_(settings), saved_(settings.decimalPlaces) {}
  ~DecimalPlacesKeeper() { settings_.decimalPlaces = saved_; }
  DecimalPlacesKeeper(const DecimalPlacesKeeper&) = delete;
  DecimalPlacesKeeper& operator=(const DecimalPlacesKeeper&) = delete;

 private:
  CompileSettings& settings_;
  int saved_;
};

}  // namespace orv
