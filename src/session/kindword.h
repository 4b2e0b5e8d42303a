#pragma once
// The line the score window shows at the end of a test: what went well, told
// from this learner's own test and earlier tests, never against others.
#include <cstdint>
#include <optional>
#include <string>

#include "scores/scorerecord.h"

namespace orv {

struct TestOutcome {
  std::int32_t words = 0;         // questions answered
  std::int32_t wrongs = 0;        // wrong attempts
  bool finished = true;           // every question was asked (no "exit", no stop)
  std::int32_t hardNowRight = 0;  // words wrong in earlier tests, right at the first try now
  std::optional<PastScore> last;  // the learner's previous test of the list
};

// One short line, or empty when no question was answered.
std::string KindWord(const TestOutcome& outcome);

}  // namespace orv
