#include "judging/answerpolicy.h"

namespace orv {

AnswerPolicy AnswerPolicy::Over(const AnswerPolicy& defaults) const {
  AnswerPolicy result = *this;
  for (const PolicyOption& option : kPolicyOptions) {
    if (!(result.*option.field)) result.*option.field = defaults.*option.field;
  }
  return result;
}

bool AnswerPolicy::SaysNothing() const {
  return *this == AnswerPolicy{};
}

std::string PolicyMarks(const AnswerPolicy& policy) {
  std::string marks;
  for (const PolicyOption& option : kPolicyOptions) {
    const std::optional<bool>& value = policy.*option.field;
    if (!value) continue;
    if (!marks.empty()) marks += ' ';
    marks += option.name;
    if (!*value) marks += "Off";
  }
  return marks;
}

}  // namespace orv
