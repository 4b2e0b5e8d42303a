#pragma once
// The review's boxes in the score database: per learner and item, the box it
// is in and when it is next due, with a row for every move. A learner's
// account may only add and read rows, so every change goes through the
// procedures of the schema, which hold the rights they need.
#include <QSqlDatabase>
#include <cstdint>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_set>
#include <vector>

#include "scores/firebird/engineerror.h"

namespace orv {

class ScoreDatabase;

// The list key of the review's items: the list's group under the word-list
// root (empty or ending in "\") and its base name, as in "ann.orv\WORDS0".
std::string ReviewListKey(std::string_view group, std::string_view listPath);
// The list file of a key, under the word-list root (ending in a separator).
std::string ReviewListPath(std::string_view listRoot, std::string_view key);

// Days are Julian day numbers (QDate::toJulianDay).
struct ReviewState {
  int box = 1;               // 1 to 5
  std::int64_t dueDay = 0;   // the first day it is asked again
  std::int64_t lastDay = 0;  // the day of the last finished test that asked it
  std::int32_t asked = 0;    // finished tests that asked it
  std::int32_t missed = 0;   // of those, the ones it was missed in

  bool operator==(const ReviewState&) const = default;
};

// An item of a list: a word or question, or an expression line whose sums
// are asked as one. The list key is the log's FILE1 form.
struct ReviewItem {
  std::string file;
  std::string item;
};

struct ReviewRow {
  ReviewItem key;
  ReviewState state;
  std::optional<std::int64_t> testDay;  // the test day its list named when last asked
};

// The new state of an item from its state before (nullopt: never asked).
using ReviewScheduler = std::function<ReviewState(const std::optional<ReviewState>& before)>;

struct ReviewMove {
  ReviewItem key;
  std::optional<std::int64_t> testDay;
  ReviewScheduler schedule;
};

// Moves the learner's items inside the caller's open transaction: first the
// learner's boxes are claimed, so another program moving them waits until
// this transaction ends and then fails with a write conflict
// (IsReviewConflict) instead of overwriting; then each item is read, given
// its new state and written, with a row of history. Raises E_DB_Error.
void MoveReviewBoxes(const QSqlDatabase& db, const std::string& learner, std::int32_t logGroup,
                     const std::vector<ReviewMove>& moves);

// Whether a failure of MoveReviewBoxes came from another program moving the
// same learner's boxes at the same time: the work is to be rolled back and
// done again.
bool IsReviewConflict(const E_DB_Error& error);

// The learner's items: all of them, or those due on or before dueBy; most
// overdue first, then lowest box; at most limit rows (0: no limit).
std::vector<ReviewRow> ReviewRows(const QSqlDatabase& db, const std::string& learner,
                                  std::optional<std::int64_t> dueBy, std::size_t limit = 0);

// The first day any of the learner's items is due; nullopt without items.
std::optional<std::int64_t> NextReviewDay(const QSqlDatabase& db, const std::string& learner);

// Test days by list key.
using TestDays = std::map<std::string, std::int64_t>;

// Gives each learner the test day of a list (its key), instead of one set
// before, or with no day clears it; in the caller's open transaction.
// Raises E_DB_Error.
void SetGroupTestDay(const QSqlDatabase& db, const std::vector<std::string>& learners,
                     const std::string& listKey, std::optional<std::int64_t> day);

// The key of a list typed as the class overview's list column shows it: the
// group as it stands, the name in capitals ("spell\\words1.orv" is
// "spell\\WORDS1"); empty when only blanks were typed.
std::string TypedListKey(std::string_view typed);

// SetGroupTestDay for the class overview, committed at once. False, with
// nothing done, without learners or when the database cannot be reached; a
// failure is rolled back and raised (E_DB_Error).
bool SetLearnersTestDay(ScoreDatabase& database, const std::vector<std::string>& learners,
                        const std::string& listKey, std::optional<std::int64_t> day);

// The test days set for the learner in the class overview.
TestDays GroupTestDays(const QSqlDatabase& db, const std::string& learner);

// The lists whose test day (as named when last asked) is after the day
// given, among the learner's items; the latest such day of each.
TestDays BoxTestDays(const QSqlDatabase& db, const std::string& learner, std::int64_t after);

// The items of a list the learner has a box for.
std::unordered_set<std::string> BoxedItems(const QSqlDatabase& db, const std::string& learner,
                                           const std::string& listKey);

}  // namespace orv
