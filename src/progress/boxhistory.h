#pragma once
// How many of a learner's review items stood in each box, day by day, folded
// from the append-only moves the score database keeps of them.
#include <QSqlDatabase>
#include <array>
#include <optional>
#include <string>
#include <vector>

#include "progress/daterange.h"
#include "session/reviewschedule.h"

namespace orv {

// One move of an item: the day it was made and the box it left the item in.
struct BoxMove {
  std::string list;
  std::string item;
  CalendarDay day;
  int box = 1;
};

// The items in boxes 1 to kReviewBoxes at the end of one day.
struct BoxCounts {
  CalendarDay day;
  std::array<int, kReviewBoxes> items{};
};

// For each day on which something moved, from the day from on (every day when
// it is open), the items in each box at its end: an item counts in its latest
// box, and one met the first time enters at its box. The moves come in the
// order they were made; a box outside 1 to kReviewBoxes is taken as the
// nearest one.
std::vector<BoxCounts> FoldBoxMoves(const std::vector<BoxMove>& moves,
                                    const std::optional<CalendarDay>& from = {});

// The learner's moves up to the range's last day, in the order they were
// made; the moves before the range are read too, as they put the items in
// the boxes the range starts from. Raises E_DB_Error.
std::vector<BoxMove> ReadBoxMoves(const QSqlDatabase& db, const std::string& name,
                                  const DateRange& range);

}  // namespace orv
