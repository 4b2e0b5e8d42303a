#include "session/checkanswer.h"

#include "lists/evaluator.h"
#include "lists/numberkinds.h"

namespace orv {
namespace {

bool ComparesAsNumber(const std::string& expected) {
  if (IsExponentReal(expected)) return true;
  return expected.find(kDecimalSeparator) != std::string::npos && IsDecimal(expected);
}

}  // namespace

bool AnswerMatches(const Question& question, const std::string& typed) {
  if (typed != question.answer && question.HasPrompt() && ComparesAsNumber(question.answer)) {
    if (ToReal(question.answer) == ToReal(typed)) return true;
  }
  return typed == question.answer;
}

}  // namespace orv
