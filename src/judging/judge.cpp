#include "judging/judge.h"

#include <optional>
#include <vector>

#include "judging/answertext.h"
#include "judging/answervalue.h"

namespace orv {
namespace {

// The text as the policy compares it: already in SameAnswerForm. The points
// and commas of a number are never left out ("35" is not "3.5").
std::string Folded(std::string text, const AnswerPolicy& policy, bool number) {
  if (Allows(policy.ignorePunctuation) && !number) text = WithoutPunctuation(text);
  if (Allows(policy.ignoreAccents)) text = WithoutAccents(text);
  if (Allows(policy.ignoreCase)) text = WithoutCase(text);
  return text;
}

std::vector<std::string> Accepted(std::string_view expected, const AnswerPolicy& policy) {
  if (Allows(policy.alternatives)) return Alternatives(expected);
  return {std::string(expected)};
}

}  // namespace

Verdict JudgeAnswer(std::string_view expected, std::string_view typed, const AnswerPolicy& policy) {
  const std::string plainTyped = SameAnswerForm(typed);
  const std::optional<AnswerValue> typedValue = ValueOf(plainTyped);
  Verdict verdict = Verdict::Wrong;
  for (const std::string& answer : Accepted(expected, policy)) {
    const std::string plainAnswer = SameAnswerForm(answer);
    const std::optional<AnswerValue> value = ValueOf(plainAnswer);
    if (plainAnswer == plainTyped || Folded(plainAnswer, policy, value.has_value()) ==
                                         Folded(plainTyped, policy, value.has_value())) {
      return Verdict::Right;
    }
    if (!value || !typedValue || !SameValue(*value, *typedValue)) continue;
    if (Allows(policy.lowestTerms) && typedValue->reducible) {
      verdict = Verdict::RightValueNotLowestTerms;
    } else if (Allows(policy.equalValues)) {
      return Verdict::Right;
    }
  }
  return verdict;
}

std::string ShownAnswer(std::string_view answer, const AnswerPolicy& policy) {
  return Accepted(answer, policy).front();
}

}  // namespace orv
