#pragma once
// What the wrong-answer window tells a learner whose answer was nearly right:
// a short friendly line, and which letters of the right spelling to mark.
#include <string>
#include <vector>

namespace orv {

struct NearMiss {
  std::string line;        // empty when the answer was not nearly right
  std::u32string letters;  // the right spelling, one code point a letter (NFC)
  std::vector<int> marks;  // the positions in letters that differ
};

// Both texts as the answer was judged (typed as typed); a near miss is one
// edit from the right spelling, or differs from it only in case or accents.
// An answer without a letter (a number) is never one.
NearMiss NearMissOf(const std::string& expected, const std::string& typed);

}  // namespace orv
