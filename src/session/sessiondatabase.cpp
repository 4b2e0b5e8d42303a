#include "session/sessiondatabase.h"

#include <vector>

#include "scores/reviewtable.h"

namespace orv {

void SessionDatabase::LogScore(const std::string& listPath, const scoreR& result,
                               std::int32_t logGroup, const ReviewAnswers& review) {
  if (review.items.empty()) {
    db_.LogScore(listPath, result, logGroup);
    return;
  }
  std::vector<ReviewMove> moves;
  for (const AskedItem& asked : review.items) {
    const ReviewOutcome outcome =
        asked.missed ? ReviewOutcome::Missed : ReviewOutcome::RightFirstTry;
    moves.push_back({asked.key, asked.testDay,
                     [&review, &asked, outcome](const std::optional<ReviewState>& before) {
                       return ScheduleReview(before, outcome, review.today, review.days,
                                             asked.testDay);
                     }});
  }
  db_.LogScore(listPath, result, logGroup,
               [&](const QSqlDatabase& db) { MoveReviewBoxes(db, result.name, logGroup, moves); });
}

}  // namespace orv
