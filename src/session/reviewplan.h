#pragma once
// A review test: the learner's due items over every list, made into the
// questions of one test that is asked and logged like any other.
#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "lists/compile.h"
#include "scores/reviewtable.h"

namespace orv {

// The list name a review is logged under.
inline constexpr const char* kReviewListName = "(REVIEW)";
// The most items one review asks.
inline constexpr std::size_t kReviewItems = 20;
// The most questions an expression line's item gives one review.
inline constexpr std::size_t kSkillQuestions = 3;

struct ReviewQuestion {
  std::string line;  // as a compiled list holds it
  ReviewItem origin;
  std::optional<std::int64_t> testDay;
};

struct ReviewPlan {
  std::vector<ReviewQuestion> questions;
  AnswerPlaces places;  // of the questions an expression line made
};

// The questions of the due items, in their order. An item that is an
// expression line is compiled again and gives up to kSkillQuestions of its
// questions, drawn at random, so the sums are fresh; any other item is
// asked as it stands. An item that makes no question is left out.
ReviewPlan PlanReview(const std::vector<ReviewRow>& due);

// What the learner is told when nothing is due: when the next item is
// (nextDay, a Julian day number), or that no item has been met yet.
std::string NothingDueText(std::optional<std::int64_t> nextDay);

}  // namespace orv
