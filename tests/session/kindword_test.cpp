// The line at the end of a test: the first fact that holds, in the order a
// child would most like to hear it.
#include "session/kindword.h"

#include <gtest/gtest.h>

namespace orv {
namespace {

TEST(KindWord, TellsTheBestThingThatHappened) {
  const PastScore worse{3, 10};  // 30 %
  const PastScore same{8, 10};   // 80 %, as 4 of 5
  const struct {
    TestOutcome outcome;
    const char* line;
  } cases[] = {
      {{0, 0, false, 0, {}}, ""},
      {{1, 0, true, 0, {}}, "Right at the first try!"},
      {{7, 0, true, 2, worse}, "All 7 words right at the first try!"},
      {{4, 0, false, 0, {}}, "All 4 words right at the first try!"},
      {{5, 3, true, 1, worse}, "A word that was hard before is right now!"},
      {{5, 3, true, 2, {}}, "2 words that were hard before are right now!"},
      {{5, 1, true, 0, worse}, "Better than last time!"},
      // The share is compared: 4 of 5 is no better than 8 of 10.
      {{5, 1, true, 0, same}, "Well done for finishing!"},
      {{5, 1, true, 0, PastScore{0, 0}}, "Well done for finishing!"},
      // A score below nought is still a test done.
      {{2, 5, true, 0, worse}, "Well done for finishing!"},
      {{3, 1, false, 0, {}}, "Well done for the words you did!"},
  };
  for (const auto& c : cases) {
    const TestOutcome& o = c.outcome;
    EXPECT_EQ(KindWord(o), c.line)
        << o.words << " words, " << o.wrongs << " wrong, " << o.hardNowRight << " hard now right";
  }
}

}  // namespace
}  // namespace orv
