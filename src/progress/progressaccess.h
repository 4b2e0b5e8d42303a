#pragma once
// Whose progress may be looked at: a learner sees only their own; a level
// that may look at other users' work sees every learner's.
#include <string>
#include <vector>

namespace orv {

struct ProgressViewer {
  std::string user;  // the logged-in user
  bool mayLookAtOthers = false;
};

// The learners the viewer may choose from, out of those with scores: the
// viewer alone, or everyone (the viewer too, even before their first test).
std::vector<std::string> LearnersFor(const ProgressViewer& viewer,
                                     const std::vector<std::string>& withScores);

}  // namespace orv
