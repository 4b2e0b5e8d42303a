#include "session/kindword.h"

#include "base/numbertext.h"
#include "base/translate.h"

namespace orv {
namespace {

// The share of right words is compared, so a ten-word test and a whole list
// can follow each other.
bool Better(std::int32_t score, std::int32_t words, const PastScore& last) {
  if (last.wordCount <= 0) return false;
  return std::int64_t{score} * last.wordCount > std::int64_t{last.score} * words;
}

}  // namespace

std::string KindWord(const TestOutcome& outcome) {
  if (outcome.words <= 0) return {};
  if (outcome.wrongs == 0) {
    return outcome.words == 1 ? TrText("KindWord", "Right at the first try!")
                              : Filled(TrText("KindWord", "All %1 words right at the first try!"),
                                       IntText(outcome.words));
  }
  if (outcome.hardNowRight == 1)
    return TrText("KindWord", "A word that was hard before is right now!");
  if (outcome.hardNowRight > 1) {
    return Filled(TrText("KindWord", "%1 words that were hard before are right now!"),
                  IntText(outcome.hardNowRight));
  }
  if (outcome.last && Better(outcome.words - outcome.wrongs, outcome.words, *outcome.last)) {
    return TrText("KindWord", "Better than last time!");
  }
  return outcome.finished ? TrText("KindWord", "Well done for finishing!")
                          : TrText("KindWord", "Well done for the words you did!");
}

}  // namespace orv
