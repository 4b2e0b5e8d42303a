#pragma once
// Whether a typed answer is right for a question.
#include <string>

#include "judging/judge.h"
#include "lists/compile.h"
#include "session/question.h"

namespace orv {

// The answer judged under the question's policy (JudgeAnswer). Besides, for
// a question with a separate prompt whose answer is a real number (with an
// exponent, or a decimal with a separator), a typed answer of the same value
// is right too; integer answers compare as text unless the policy allows
// equal values. A typed number too large for a real equals no answer as a
// real.
Verdict JudgeTyped(const Question& question, const std::string& typed);

// The decimal places the math window asks the answer to be rounded to: for a
// real answer, the places its line was compiled with (places, by the line's
// text), or for an answer written in the list the places it is written
// with; empty for a whole number or a fraction, which are not rounded.
std::string RoundingPlaces(const Question& question, const AnswerPlaces& places);

}  // namespace orv
