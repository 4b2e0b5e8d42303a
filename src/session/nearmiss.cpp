#include "session/nearmiss.h"

#include <QList>
#include <QString>
#include <algorithm>

#include "base/translate.h"
#include "judging/answertext.h"
#include "judging/mistakekind.h"

namespace orv {
namespace {

std::string Line(MistakeKind kind) {
  switch (kind) {
    case MistakeKind::MissedLetter:
      return TrText("NearMiss", "So close! A letter is missing:");
    case MistakeKind::ExtraLetter:
      return TrText("NearMiss", "So close! One letter too many:");
    case MistakeKind::SwappedLetters:
      return TrText("NearMiss", "So close! Two letters are swapped:");
    case MistakeKind::DoubledLetter:
      return TrText("NearMiss", "So close! This letter is single:");
    case MistakeKind::SingleLetter:
      return TrText("NearMiss", "So close! This letter is double:");
    case MistakeKind::WrongVowel:
    case MistakeKind::WrongLetter:
      return TrText("NearMiss", "So close! One letter is different:");
    case MistakeKind::Case:
      return TrText("NearMiss", "Nearly! Only the capitals differ:");
    case MistakeKind::Accent:
      return TrText("NearMiss", "Nearly! Only the accents differ:");
    case MistakeKind::None:
    case MistakeKind::Other:
      break;
  }
  return "";
}

}  // namespace

NearMiss NearMissOf(const std::string& expected, const std::string& typed) {
  const std::string right = SameAnswerForm(expected);
  const std::string answer = SameAnswerForm(typed);
  const QString word = QString::fromStdString(right);
  // A sum's answer is a number: one digit off is no spelling slip.
  if (std::none_of(word.begin(), word.end(), [](QChar c) { return c.isLetter(); })) return {};
  const MistakeKind kind = ClassifyMistake(right, answer);
  if (!IsNearMiss(kind)) return {};
  const QList<uint> letters = word.toUcs4();
  return {Line(kind), std::u32string(letters.begin(), letters.end()),
          DifferingLetters(right, answer)};
}

}  // namespace orv
