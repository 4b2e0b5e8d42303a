#pragma once
// What the review's boxes say of each learner for the class overview: how
// many items are due and how many are learned (in the last box).
#include <QSqlDatabase>
#include <cstdint>
#include <map>
#include <string>

namespace orv {

struct ReviewCounts {
  int due = 0;
  int learned = 0;

  bool operator==(const ReviewCounts&) const = default;
};

// Per learner, the names in capitals: the items due on or before today
// (a Julian day number) and those in the last box, read in one query over
// every learner's boxes. A learner without boxes is not in the map.
std::map<std::string, ReviewCounts> ReadReviewCounts(const QSqlDatabase& db, std::int64_t today);

}  // namespace orv
