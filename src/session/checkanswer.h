#pragma once
// Whether a typed answer is right for a question.
#include <string>

#include "session/question.h"

namespace orv {

// The exact text is always right. For a question with a separate prompt whose
// answer is a real number (with an exponent, or a decimal with a separator),
// a typed answer of the same value is right too; integer answers compare as
// text only.
bool AnswerMatches(const Question& question, const std::string& typed);

}  // namespace orv
