#pragma once
// A learner's wrong answers counted by the kind of slip each is, with the most
// frequent answers of each kind: what the progress window's table of mistakes
// and orvc's report show.
#include <string>
#include <vector>

#include "progress/progressdata.h"

namespace orv {

struct MistakeTally {
  std::string kind;  // MistakeKindName, or "sum" for the answers to sums
  int count = 0;
  std::vector<WrongAnswer> examples;  // the most frequent first
};

inline constexpr int kMistakeExamples = 3;

// One row for every kind of slip in the order of MistakeKind, then one for the
// sums, whose answers are numbers and not spelt; each kind has at most examples
// answers, the most frequent first (ties by word, then answer).
std::vector<MistakeTally> TallyMistakes(const std::vector<WrongAnswer>& answers,
                                        int examples = kMistakeExamples);

// An example as a teacher reads it: "hose" for "house", 2+3: "6" for "5"; with
// the times given after it when more than once.
std::string ExampleText(const WrongAnswer& answer);

}  // namespace orv
