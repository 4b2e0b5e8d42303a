#include "app/review.h"

#include "app/programpaths.h"
#include "app/registry.h"
#include "base/dialogs.h"
#include "base/numbertext.h"
#include "scores/reviewtable.h"
#include "scores/scoredatabase.h"
#include "session/reviewplan.h"
#include "session/reviewschedule.h"
#include "session/reviewselection.h"
#include "session/session.h"

namespace orv {

std::size_t ReviewItemCount(const ProgramPaths& paths) {
  const std::optional<std::int32_t> count =
      DecimalValue(RegReadString(paths, kOrvKey, "ReviewItems"));
  if (!count || *count < 1 || *count > 999) return kReviewItems;
  return static_cast<std::size_t>(*count);
}

void RunReview(ScoreDatabase& database, TestSession& session, Dialogs& dialogs,
               const ProgramPaths& paths, const std::string& user,
               const SessionSettings& settings) {
  if (!database.ConectDB()) return;
  // A fresh transaction sees the boxes other computers moved a moment ago.
  database.CommitRetaining();
  const std::vector<ReviewRow> due = SelectReview(database.Database(), user, ReviewToday(),
                                                  ReviewItemCount(paths), paths.listRoot);
  if (due.empty()) {
    dialogs.Information(NothingDueText(NextReviewDay(database.Database(), user)));
    return;
  }
  session.RunReview(PlanReview(due), user, settings);
}

}  // namespace orv
