#include "session/reviewplan.h"

#include <QDate>

#include "base/translate.h"
#include "files/dos.h"
#include "lists/buffers.h"
#include "lists/random.h"

namespace orv {
namespace {

bool IsExpressionLine(const std::string& item) {
  return item.size() > 1 && item[0] == '$';
}

}  // namespace

ReviewPlan PlanReview(const std::vector<ReviewRow>& due) {
  ReviewPlan plan;
  for (const ReviewRow& row : due) {
    if (!IsExpressionLine(row.key.item)) {
      plan.questions.push_back({row.key.item, row.key, row.testDay});
      continue;
    }
    BufferO source;
    source.Add("$script");
    source.Add(row.key.item);
    BufferO made = CompileLines(
        source, [](LineNo, const std::string&) {}, &plan.places);
    for (std::size_t n = 0; n < kSkillQuestions && made.Count() > 0; ++n) {
      const auto pick = static_cast<LineNo>(RandomBelow(made.Count()) + 1);
      plan.questions.push_back({made.Line(pick), row.key, row.testDay});
      made.Del(pick);
    }
  }
  return plan;
}

std::string NothingDueText(std::optional<std::int64_t> nextDay) {
  if (!nextDay) {
    return TrText("ReviewPlan",
                  "Nothing to review yet: the words you miss in a test come back here.");
  }
  const QDate day = QDate::fromJulianDay(*nextDay);
  return Filled(TrText("ReviewPlan", "Nothing to review today. The next words are due on %1."),
                DateText(day.year(), day.month(), day.day()));
}

}  // namespace orv
