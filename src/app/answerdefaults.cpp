#include "app/answerdefaults.h"

#include "app/registry.h"

namespace orv {

AnswerPolicy ReadAnswerDefaults(const ProgramPaths& paths) {
  AnswerPolicy defaults;
  for (const PolicyOption& option : kPolicyOptions) {
    // RegReadBool takes a missing value as true; a missing option is off.
    defaults.*option.field =
        RegValueExists(paths, kOrvKey, option.name) && RegReadBool(paths, kOrvKey, option.name);
  }
  return defaults;
}

void WriteAnswerDefaults(const ProgramPaths& paths, const AnswerPolicy& defaults) {
  for (const PolicyOption& option : kPolicyOptions) {
    RegWriteBool(paths, kOrvKey, option.name, Allows(defaults.*option.field));
  }
}

}  // namespace orv
