#include "judging/mistakekind.h"

#include <gtest/gtest.h>

namespace {

struct Case {
  const char* expected;
  const char* typed;
  MistakeKind kind;
  std::vector<int> marks;  // code-point positions in expected
};

using K = MistakeKind;

// Each kind, letters of more than one byte, and the ends of a word, where the
// positions are easiest to get wrong.
const Case kCases[] = {
    {"cat", "cat", K::None, {}},
    {"café", "cafe\u0301", K::None, {}},  // e + combining acute is é
    {"house", "hose", K::MissedLetter, {2}},
    {"apple", "pple", K::MissedLetter, {0}},
    {"cat", "cart", K::ExtraLetter, {1, 2}},
    {"cat", "scat", K::ExtraLetter, {0}},
    {"cat", "cats", K::ExtraLetter, {2}},
    {"all", "alll", K::ExtraLetter, {2}},  // a double typed three times
    {"their", "thier", K::SwappedLetters, {2, 3}},
    {"occasion", "occassion", K::DoubledLetter, {4}},
    {"of", "off", K::DoubledLetter, {1}},
    {"a", "aa", K::DoubledLetter, {0}},
    {"letter", "leter", K::SingleLetter, {3}},
    {"off", "of", K::SingleLetter, {2}},
    {"separate", "seperate", K::WrongVowel, {3}},
    {"Tür", "Tor", K::WrongVowel, {1}},
    {"café", "cafa", K::WrongVowel, {3}},
    {"a", "e", K::WrongVowel, {0}},
    {"cat", "car", K::WrongLetter, {2}},
    {"Straße", "Strase", K::WrongLetter, {4}},  // ß is one letter of two bytes
    {"a", "b", K::WrongLetter, {0}},
    {"Paris", "paris", K::Case, {0}},
    {"über", "Über", K::Case, {0}},
    {"I", "i", K::Case, {0}},
    {"café", "cafe", K::Accent, {3}},
    {"Élan", "elan", K::Accent, {0}},
    {"müde", "MUDE", K::Accent, {0, 1, 2, 3}},
    {"elephant", "elefant", K::Other, {3, 4}},
    {"Straße", "Strasse", K::Other, {4}},
    {"Paris", "pariss", K::Other, {0}},  // a case slip and an extra letter
    {"a", "", K::Other, {0}},            // nothing typed is no near miss
    {"word", "", K::Other, {0, 1, 2, 3}},
};

TEST(MistakeKind, EachKindAndTheLettersToMark) {
  for (const Case& c : kCases) {
    SCOPED_TRACE(std::string(c.expected) + " typed as \"" + c.typed + "\"");
    const MistakeKind kind = ClassifyMistake(c.expected, c.typed);
    EXPECT_EQ(MistakeKindName(kind), MistakeKindName(c.kind));
    EXPECT_EQ(DifferingLetters(c.expected, c.typed), c.marks);
    EXPECT_EQ(IsNearMiss(kind), c.kind != K::None && c.kind != K::Other);
  }
}

}  // namespace
