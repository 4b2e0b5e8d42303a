#include "session/checkanswer.h"

#include "base/errors.h"
#include "base/numbertext.h"
#include "base/strings.h"
#include "lists/evaluator.h"
#include "lists/numberkinds.h"

namespace orv {
namespace {

bool ComparesAsNumber(const std::string& expected) {
  if (IsExponentReal(expected)) return true;
  return expected.find(kDecimalSeparator) != std::string::npos && IsDecimal(expected);
}

}  // namespace

Verdict JudgeTyped(const Question& question, const std::string& typed) {
  const Verdict verdict = JudgeAnswer(question.answer, typed, question.policy);
  if (verdict != Verdict::Wrong) return verdict;
  if (question.HasPrompt() && ComparesAsNumber(question.answer)) {
    try {
      if (ToReal(question.answer) == ToReal(typed)) return Verdict::Right;
    } catch (const EOverflow&) {
      // Beyond the range of reals: only the text itself can be right.
    }
  }
  return Verdict::Wrong;
}

std::string RoundingPlaces(const Question& question, const AnswerPlaces& places) {
  if (!ComparesAsNumber(question.answer)) return "";
  if (const auto found = places.find(question.prompt + "|" + question.answer);
      found != places.end()) {
    return IntText(found->second);
  }
  const std::string& answer = question.answer;
  const std::size_t separator = answer.find(kDecimalSeparator);
  if (separator == std::string::npos) return "0";
  const std::size_t end = answer.find_first_not_of("0123456789", separator + 1);
  return IntText(
      static_cast<std::int32_t>((end == std::string::npos ? answer.size() : end) - separator - 1));
}

}  // namespace orv
