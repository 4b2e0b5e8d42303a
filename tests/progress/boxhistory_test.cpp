// The learner's items per box, day by day: the fold over a table of moves,
// and the moves as real test sessions wrote them.
#include <gtest/gtest.h>

#include <array>
#include <utility>
#include <vector>

#include "progress/boxhistory.h"
#include "progress/progress_fixture.h"

namespace orv::test {
namespace {

using DayBoxes = std::vector<std::pair<unsigned, std::array<int, kReviewBoxes>>>;

DayBoxes ByDay(const std::vector<BoxCounts>& days) {
  DayBoxes counts;
  for (const BoxCounts& d : days) counts.emplace_back(d.day.day, d.items);
  return counts;
}

BoxMove Move(const char* item, unsigned day, int box) {
  return {"L", item, {2026, 2, day}, box};
}

TEST(BoxHistory, AnItemCountsInItsLatestBoxAtTheEndOfEachDay) {
  const std::vector<BoxMove> moves{Move("cat", 1, 2), Move("dog", 1, 2), Move("dog", 1, 3),
                                   Move("cat", 2, 3), Move("dog", 3, 1), Move("owl", 3, 5),
                                   Move("cat", 4, 4)};
  // Two items on day 1 (dog twice), cat moving up, dog falling back to box 1.
  const DayBoxes all{
      {1, {0, 1, 1, 0, 0}}, {2, {0, 0, 2, 0, 0}}, {3, {1, 0, 1, 0, 1}}, {4, {1, 0, 0, 1, 1}}};
  EXPECT_EQ(ByDay(FoldBoxMoves(moves)), all);
  // Days before the first one shown still fill the boxes it starts from.
  EXPECT_EQ(ByDay(FoldBoxMoves(moves, CalendarDay{2026, 2, 3})),
            DayBoxes(all.begin() + 2, all.end()));
}

class BoxMoves : public ClassScoresTest {};

TEST_F(BoxMoves, TheRangeKeepsItsDaysWithTheBoxesTheEarlierTestsFilled) {
  FillClass();
  const DateRange range{CalendarDay{2026, 2, 11}, CalendarDay{2026, 2, 28}};
  // ann: four words right on 03/02, then dog missed on 10/02; in the range,
  // moon right and sun missed on 11/02. Her 01/03 test and bob's stay out.
  EXPECT_EQ(ByDay(FoldBoxMoves(ReadBoxMoves(Db(), "ann", range), range.from)),
            (DayBoxes{{11, {2, 1, 3, 0, 0}}}));
}

}  // namespace
}  // namespace orv::test
