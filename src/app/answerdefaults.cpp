#include "app/answerdefaults.h"

#include "app/registry.h"

namespace orv {

AnswerPolicy ReadAnswerDefaults() {
  AnswerPolicy defaults;
  for (const PolicyOption& option : kPolicyOptions) {
    // RegReadBool takes a missing value as true; a missing option is off.
    defaults.*option.field =
        RegValueExists(kOrvKey, option.name) && RegReadBool(kOrvKey, option.name);
  }
  return defaults;
}

void WriteAnswerDefaults(const AnswerPolicy& defaults) {
  for (const PolicyOption& option : kPolicyOptions) {
    RegWriteBool(kOrvKey, option.name, Allows(defaults.*option.field));
  }
}

}  // namespace orv
