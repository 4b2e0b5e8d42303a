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
  db_.LogScore(listPath, result, logGroup, [&](const QSqlDatabase& db) {
    // The days a teacher set are read in the score's transaction, so the
    // boxes move by the days in force when the test ends.
    const TestDays groupDays = GroupTestDays(db, result.name);
    std::vector<ReviewMove> moves;
    for (const AskedItem& asked : review.items) {
      const ReviewOutcome outcome =
          asked.missed ? ReviewOutcome::Missed : ReviewOutcome::RightFirstTry;
      const auto group = groupDays.find(asked.key.file);
      const std::optional<std::int64_t> testDay = EarlierTestDay(
          asked.testDay, group == groupDays.end() ? std::nullopt : std::optional(group->second));
      // The box keeps the list's own day; a teacher's day is read afresh.
      moves.push_back({asked.key, asked.testDay,
                       [&review, outcome, testDay](const std::optional<ReviewState>& before) {
                         return ScheduleReview(before, outcome, review.today, review.days, testDay);
                       }});
    }
    MoveReviewBoxes(db, result.name, logGroup, moves);
  });
}

}  // namespace orv
