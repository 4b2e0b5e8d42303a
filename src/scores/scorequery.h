#pragma once
// The select statements of the score window: the finished tests, and the
// words of one test.
#include <cstdint>
#include <string>

namespace orv {

// The sort orders of the score view; each is the index of the column whose
// title chooses it.
inline constexpr std::uint16_t kByName = 0;
inline constexpr std::uint16_t kByPercent = 1;
inline constexpr std::uint16_t kByDate = 3;

// The key the score rows of the current list carry: the current folder, the
// list's base name and ".sco".
std::string ScoreListKey(const std::string& currentDir, const std::string& currentFile);

struct ScoreFilter {
  bool currentFileOnly = true;
  bool currentUserOnly = false;
};

// The score view's statement for the list key and the logged-in user.
std::string BuildScoreSql(std::uint16_t sortOrder, const std::string& listKey,
                          const std::string& user, const ScoreFilter& filter);

// The words view's statement for one test; with neither kind asked for, the
// right answers.
std::string WordsSql(std::int32_t logGroup, bool wrongAnswers, bool rightAnswers);

}  // namespace orv
