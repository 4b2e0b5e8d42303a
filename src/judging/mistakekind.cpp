#include "judging/mistakekind.h"

#include <QChar>
#include <QList>
#include <QString>
#include <algorithm>
#include <optional>

#include "base/translate.h"

namespace {

using Letters = std::u32string;

// What the answer got wrong and where in the expected word.
struct Slip {
  MistakeKind kind = MistakeKind::None;
  std::vector<int> marks;
};

Letters LettersOf(std::string_view text) {
  const QString nfc = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()))
                          .normalized(QString::NormalizationForm_C);
  const QList<uint> ucs4 = nfc.toUcs4();
  return Letters(ucs4.begin(), ucs4.end());
}

Letters Lowered(Letters letters) {
  for (char32_t& c : letters) c = QChar::toLower(c);
  return letters;
}

// A letter without its accents: the first letter of its canonical decomposition,
// followed down ("ǖ" -> "ü" -> "u"). Letters such as ß and ø have none and stay.
char32_t BareLetter(char32_t c) {
  while (QChar::decompositionTag(c) == QChar::Canonical) {
    const QString parts = QChar::decomposition(c);
    const QList<uint> ucs4 = parts.toUcs4();
    if (ucs4.isEmpty() || ucs4.front() == c) break;
    c = ucs4.front();
  }
  return c;
}

Letters Bare(Letters letters) {
  for (char32_t& c : letters) c = BareLetter(c);
  return letters;
}

// The vowels of the Latin and Cyrillic alphabets, y among them (as in "gym");
// accented forms count through their bare letter.
bool IsVowel(char32_t c) {
  static constexpr std::u32string_view kVowels = U"aeiouyæœøаеиоуыэюяіє";
  return kVowels.find(BareLetter(QChar::toLower(c))) != std::u32string_view::npos;
}

// How many times the letter at i stands in a row in the word.
int RunLength(const Letters& word, std::size_t i) {
  std::size_t from = i;
  std::size_t to = i + 1;
  while (from > 0 && word[from - 1] == word[i]) --from;
  while (to < word.size() && word[to] == word[i]) ++to;
  return static_cast<int>(to - from);
}

std::size_t CommonPrefix(const Letters& a, const Letters& b) {
  const auto [ia, ib] = std::mismatch(a.begin(), a.end(), b.begin(), b.end());
  return static_cast<std::size_t>(ia - a.begin());
}

std::vector<int> PositionsThatDiffer(const Letters& a, const Letters& b) {
  std::vector<int> marks;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (a[i] != b[i]) marks.push_back(static_cast<int>(i));
  }
  return marks;
}

// One letter of longer left out gives shorter: the position, if so.
std::optional<std::size_t> OneLeftOut(const Letters& longer, const Letters& shorter) {
  if (longer.size() != shorter.size() + 1) return std::nullopt;
  const std::size_t i = CommonPrefix(longer, shorter);
  if (longer.compare(i + 1, Letters::npos, shorter, i) != 0) return std::nullopt;
  return i;
}

std::optional<Slip> OneEdit(const Letters& e, const Letters& t) {
  if (const auto i = OneLeftOut(e, t)) {
    const int at = static_cast<int>(*i);
    return Slip{RunLength(e, *i) == 2 ? MistakeKind::SingleLetter : MistakeKind::MissedLetter,
                {at}};
  }
  if (const auto i = OneLeftOut(t, e)) {
    // t[i] is the first letter that differs, so a doubled letter repeats the one
    // before it, the single letter marked; else the letters on either side of where
    // the extra one went.
    if (RunLength(t, *i) == 2) return Slip{MistakeKind::DoubledLetter, {static_cast<int>(*i) - 1}};
    std::vector<int> marks;
    if (*i > 0) marks.push_back(static_cast<int>(*i) - 1);
    if (*i < e.size()) marks.push_back(static_cast<int>(*i));
    return Slip{MistakeKind::ExtraLetter, marks};
  }
  if (e.size() != t.size()) return std::nullopt;
  const std::vector<int> marks = PositionsThatDiffer(e, t);
  if (marks.size() == 1) {
    const auto i = static_cast<std::size_t>(marks[0]);
    return Slip{IsVowel(e[i]) && IsVowel(t[i]) ? MistakeKind::WrongVowel : MistakeKind::WrongLetter,
                marks};
  }
  if (marks.size() == 2 && marks[1] == marks[0] + 1) {
    const auto i = static_cast<std::size_t>(marks[0]);
    if (e[i] == t[i + 1] && e[i + 1] == t[i]) return Slip{MistakeKind::SwappedLetters, marks};
  }
  return std::nullopt;
}

// The letters of expected outside a longest common subsequence with typed.
std::vector<int> LettersNotKept(const Letters& e, const Letters& t) {
  const std::size_t n = e.size();
  const std::size_t m = t.size();
  std::vector<int> kept((n + 1) * (m + 1), 0);
  const auto at = [m](std::size_t i, std::size_t j) { return i * (m + 1) + j; };
  for (std::size_t i = n; i-- > 0;) {
    for (std::size_t j = m; j-- > 0;) {
      kept[at(i, j)] = e[i] == t[j] ? kept[at(i + 1, j + 1)] + 1
                                    : std::max(kept[at(i + 1, j)], kept[at(i, j + 1)]);
    }
  }
  std::vector<int> marks;
  std::size_t i = 0;
  std::size_t j = 0;
  while (i < n) {
    if (j < m && e[i] == t[j]) {
      ++i;
      ++j;
    } else if (j < m && kept[at(i, j + 1)] > kept[at(i + 1, j)]) {
      ++j;
    } else {
      marks.push_back(static_cast<int>(i++));
    }
  }
  return marks;
}

Slip Judge(std::string_view expected, std::string_view typed) {
  const Letters e = LettersOf(expected);
  const Letters t = LettersOf(typed);
  if (e == t) return {};
  // Nothing typed is no slip of the pen, even for a word of one letter.
  if (t.empty() || e.empty()) return Slip{MistakeKind::Other, LettersNotKept(e, t)};
  if (e.size() == t.size()) {
    const Letters le = Lowered(e);
    const Letters lt = Lowered(t);
    if (le == lt) return Slip{MistakeKind::Case, PositionsThatDiffer(e, t)};
    if (Bare(le) == Bare(lt)) return Slip{MistakeKind::Accent, PositionsThatDiffer(e, t)};
  }
  if (auto slip = OneEdit(e, t)) return *slip;
  return Slip{MistakeKind::Other, LettersNotKept(e, t)};
}

}  // namespace

MistakeKind ClassifyMistake(std::string_view expected, std::string_view typed) {
  return Judge(expected, typed).kind;
}

bool IsNearMiss(MistakeKind kind) {
  return kind != MistakeKind::None && kind != MistakeKind::Other;
}

std::string MistakeKindName(MistakeKind kind) {
  switch (kind) {
    case MistakeKind::None:
      return QT_TRANSLATE_NOOP("MistakeKind", "none");
    case MistakeKind::MissedLetter:
      return QT_TRANSLATE_NOOP("MistakeKind", "missed letter");
    case MistakeKind::ExtraLetter:
      return QT_TRANSLATE_NOOP("MistakeKind", "extra letter");
    case MistakeKind::SwappedLetters:
      return QT_TRANSLATE_NOOP("MistakeKind", "swapped letters");
    case MistakeKind::DoubledLetter:
      return QT_TRANSLATE_NOOP("MistakeKind", "doubled letter");
    case MistakeKind::SingleLetter:
      return QT_TRANSLATE_NOOP("MistakeKind", "single letter");
    case MistakeKind::WrongVowel:
      return QT_TRANSLATE_NOOP("MistakeKind", "wrong vowel");
    case MistakeKind::WrongLetter:
      return QT_TRANSLATE_NOOP("MistakeKind", "wrong letter");
    case MistakeKind::Case:
      return QT_TRANSLATE_NOOP("MistakeKind", "case");
    case MistakeKind::Accent:
      return QT_TRANSLATE_NOOP("MistakeKind", "accent");
    case MistakeKind::Other:
      return QT_TRANSLATE_NOOP("MistakeKind", "other");
  }
  return "other";
}

std::vector<int> DifferingLetters(std::string_view expected, std::string_view typed) {
  return Judge(expected, typed).marks;
}
