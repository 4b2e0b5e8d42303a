#include "progress/progressaccess.h"

#include <algorithm>

namespace orv {

std::vector<std::string> LearnersFor(const ProgressViewer& viewer,
                                     const std::vector<std::string>& withScores) {
  if (!viewer.mayLookAtOthers) return {viewer.user};
  std::vector<std::string> learners = withScores;
  if (std::find(learners.begin(), learners.end(), viewer.user) == learners.end()) {
    learners.push_back(viewer.user);
    std::sort(learners.begin(), learners.end());
  }
  return learners;
}

}  // namespace orv
