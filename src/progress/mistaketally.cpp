#include "progress/mistaketally.h"

#include <algorithm>
#include <tuple>

#include "base/translate.h"
#include "judging/mistakekind.h"

namespace orv {
namespace {

constexpr MistakeKind kKinds[] = {MistakeKind::MissedLetter,   MistakeKind::ExtraLetter,
                                  MistakeKind::SwappedLetters, MistakeKind::DoubledLetter,
                                  MistakeKind::SingleLetter,   MistakeKind::WrongVowel,
                                  MistakeKind::WrongLetter,    MistakeKind::Case,
                                  MistakeKind::Accent,         MistakeKind::Other};
constexpr std::size_t kSumRow = std::size(kKinds);

// A sum's key is "question|answer"; a word never holds the bar.
constexpr char kSumBar = '|';

bool IsSumKey(const std::string& key) {
  return key.find(kSumBar) != std::string::npos;
}

std::size_t RowOf(const WrongAnswer& answer) {
  if (IsSumKey(answer.word)) return kSumRow;
  const MistakeKind kind = ClassifyMistake(answer.word, answer.answer);
  return static_cast<std::size_t>(std::find(std::begin(kKinds), std::end(kKinds), kind) -
                                  std::begin(kKinds));
}

}  // namespace

std::vector<MistakeTally> TallyMistakes(const std::vector<WrongAnswer>& answers, int examples) {
  std::vector<MistakeTally> rows;
  for (const MistakeKind kind : kKinds) rows.push_back({MistakeKindName(kind), 0, {}});
  rows.push_back({QT_TRANSLATE_NOOP("MistakeKind", "sum"), 0, {}});
  for (const WrongAnswer& answer : answers) {
    // An answer logged wrong though its letters are the word's (typed with a
    // combining accent, say) is no slip and is left out.
    const std::size_t row = RowOf(answer);
    if (row >= rows.size()) continue;
    rows[row].count += answer.count;
    rows[row].examples.push_back(answer);
  }
  for (MistakeTally& row : rows) {
    std::sort(row.examples.begin(), row.examples.end(),
              [](const WrongAnswer& a, const WrongAnswer& b) {
                return std::tie(b.count, a.word, a.answer) < std::tie(a.count, b.word, b.answer);
              });
    if (row.examples.size() > static_cast<std::size_t>(examples)) row.examples.resize(examples);
  }
  return rows;
}

std::string ExampleText(const WrongAnswer& answer) {
  std::string text;
  std::string expected = answer.word;
  if (const std::size_t bar = expected.find(kSumBar); bar != std::string::npos) {
    text = expected.substr(0, bar) + ": ";
    expected.erase(0, bar + 1);
  }
  text += "\"" + answer.answer + "\" for \"" + expected + "\"";
  if (answer.count > 1) text += " (" + std::to_string(answer.count) + ")";
  return text;
}

}  // namespace orv
