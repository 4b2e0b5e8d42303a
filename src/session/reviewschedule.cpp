#include "session/reviewschedule.h"

#include <QDateTime>
#include <algorithm>

#include "base/clock.h"
#include "base/strings.h"

namespace orv {
namespace {

constexpr int kLongestWait = 365;

}  // namespace

ReviewState ScheduleReview(const std::optional<ReviewState>& before, ReviewOutcome outcome,
                           std::int64_t today, const BoxDays& days,
                           std::optional<std::int64_t> testDay) {
  ReviewState state = before.value_or(ReviewState{});
  const bool missed = outcome == ReviewOutcome::Missed;
  // A new item right at once has shown it is known: it moves up like any.
  state.box = missed ? 1 : std::min(before ? state.box + 1 : 2, kReviewBoxes);
  ++state.asked;
  if (missed) ++state.missed;
  state.lastDay = today;
  state.dueDay = today + days[static_cast<std::size_t>(state.box - 1)];
  if (testDay && today < *testDay) {
    state.dueDay = missed ? today + 1 : std::min(state.dueDay, *testDay);
  }
  return state;
}

std::optional<std::int64_t> EarlierTestDay(std::optional<std::int64_t> listDay,
                                           std::optional<std::int64_t> groupDay) {
  if (!listDay || !groupDay) return listDay ? listDay : groupDay;
  return std::min(*listDay, *groupDay);
}

BoxDays BoxDaysOf(const std::string& text) {
  BoxDays days{};
  std::size_t at = 0;
  for (std::size_t box = 0; box < days.size(); ++box) {
    const std::size_t comma = std::min(text.find(',', at), text.size());
    // Only the last box's number ends the text.
    if ((comma == text.size()) != (box + 1 == days.size())) return kDefaultBoxDays;
    const std::string part = TrimSet(text.substr(at, comma - at), " ");
    if (part.empty() || part.size() > 3 || !AllDigits(part)) return kDefaultBoxDays;
    days[box] = std::stoi(part);
    if (days[box] < 1 || days[box] > kLongestWait) return kDefaultBoxDays;
    at = comma + 1;
  }
  return days;
}

std::int64_t ReviewToday() {
  return QDateTime::fromSecsSinceEpoch(TheClock().UnixSeconds()).date().toJulianDay();
}

}  // namespace orv
