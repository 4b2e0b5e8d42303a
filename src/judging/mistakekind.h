// What kind of slip a wrong answer is, told from the expected word and the typed
// answer alone, so the answer window and the progress tables read the same kinds
// from what the log already holds.
#pragma once

#include <string>
#include <string_view>
#include <vector>

enum class MistakeKind {
  None,            // the two are the same text
  MissedLetter,    // one letter left out
  ExtraLetter,     // one letter added
  SwappedLetters,  // two neighbouring letters swapped
  DoubledLetter,   // a single letter typed twice ("occassion")
  SingleLetter,    // a doubled letter typed once ("ocasion")
  WrongVowel,      // one vowel typed for another
  WrongLetter,     // one other letter changed
  Case,            // differs only in letter case
  Accent,          // differs only in accents (and perhaps case)
  Other            // more than one slip
};

// Both texts are UTF-8; letters are code points after NFC.
MistakeKind ClassifyMistake(std::string_view expected, std::string_view typed);

// One edit away, or only case or accents: told to the child as a near miss.
bool IsNearMiss(MistakeKind kind);

// The plain English name a teacher reads in the tables ("missed letter").
std::string MistakeKindName(MistakeKind kind);

// The positions (code-point indexes into expected) of the letters that differ, for
// marking the right spelling in the wrong-answer window.
std::vector<int> DifferingLetters(std::string_view expected, std::string_view typed);
