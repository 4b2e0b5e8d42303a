#pragma once
// Whether a typed answer is the expected one under a list's answer policy.
#include <string>
#include <string_view>

#include "judging/answerpolicy.h"

namespace orv {

enum class Verdict {
  Right,
  Wrong,
  // Equal in value but a fraction not in lowest terms where the list asks
  // for them: asked again, not counted wrong.
  RightValueNotLowestTerms,
};

// Both texts are UTF-8. The two are always compared in SameAnswerForm; the
// policy adds what else counts as the same (an option left to the default
// counts as off here: resolve it with AnswerPolicy::Over first).
Verdict JudgeAnswer(std::string_view expected, std::string_view typed, const AnswerPolicy& policy);

// The answer the learner is shown: the first of its alternatives where the
// policy allows them, else the answer as written.
std::string ShownAnswer(std::string_view answer, const AnswerPolicy& policy);

}  // namespace orv
