#pragma once
// The exact value of an answer written as a number: a whole number, a
// decimal with a point or a comma ("0.5", "0,5"), a fraction ("2/4") or a
// mixed number ("1 1/2"), with an optional minus sign. Computed with the
// exact long integers, so any number of digits compares exactly.
#include <optional>
#include <string_view>

#include "numbers/longintegers.h"

namespace orv {

struct AnswerValue {
  bool negative = false;
  TInt numerator;          // the whole value as numerator / denominator
  TInt denominator;        // never zero
  bool reducible = false;  // written as a fraction that is not in lowest terms
};

// The value of a text in SameAnswerForm; std::nullopt for a text that is
// not a number as above (or a fraction over zero).
std::optional<AnswerValue> ValueOf(std::string_view text);

bool SameValue(const AnswerValue& a, const AnswerValue& b);

}  // namespace orv
