#include "scores/reviewtable.h"

#include <QDate>
#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>
#include <algorithm>
#include <tuple>

#include "base/strings.h"
#include "base/utf8.h"
#include "files/dos.h"
#include "scores/firebird/sqlquote.h"
#include "scores/scoredatabase.h"

namespace orv {
namespace {

// The sizes of the table's text columns, as in the log.
constexpr std::size_t kNameChars = 100;
constexpr std::size_t kFileChars = 500;
constexpr std::size_t kItemChars = 4000;

// The engine's SQL codes of a write that met another transaction's: an
// update conflict or deadlock, and a key added twice.
constexpr int kConflictSqlCode = -913;
constexpr int kDuplicateSqlCode = -803;

std::string Quoted(std::string_view text, std::size_t chars) {
  return SqlLiteral(CutToCharacters(text, chars));
}

QSqlQuery Run(const QSqlDatabase& db, const std::string& statement) {
  QSqlQuery query(db);
  // Rows are read once, in order, and only as far as needed.
  query.setForwardOnly(true);
  if (!query.exec(QString::fromStdString(statement))) {
    const QSqlError error = query.lastError();
    throw E_DB_Error(error.text().toStdString(),
                     EngineError{0, error.nativeErrorCode().toInt(), error.text().toStdString()});
  }
  return query;
}

std::int64_t DayOf(const QVariant& value) {
  return value.isNull() ? 0 : value.toDate().toJulianDay();
}

ReviewState StateOf(const QSqlQuery& query, int first) {
  return ReviewState{query.value(first).toInt(), DayOf(query.value(first + 1)),
                     DayOf(query.value(first + 2)), query.value(first + 3).toInt(),
                     query.value(first + 4).toInt()};
}

std::string ItemCondition(const std::string& learner, const ReviewItem& key) {
  const std::string item = Quoted(key.item, kItemChars);
  return "NAME = " + Quoted(learner, kNameChars) + " AND FILE1 = " + Quoted(key.file, kFileChars) +
         " AND HASH(ITEM) = HASH(" + item + ") AND ITEM = " + item;
}

std::optional<std::int64_t> OptionalDay(const QVariant& value) {
  if (value.isNull()) return std::nullopt;
  return DayOf(value);
}

TestDays TestDaysOf(QSqlQuery query) {
  TestDays days;
  while (query.next()) days[query.value(0).toString().toStdString()] = DayOf(query.value(1));
  return days;
}

ReviewRow RowOf(const QSqlQuery& query) {
  return {{query.value(0).toString().toStdString(), query.value(1).toString().toStdString()},
          StateOf(query, 2),
          OptionalDay(query.value(7))};
}

bool RowBefore(const ReviewRow& a, const ReviewRow& b) {
  return std::tie(a.state.dueDay, a.state.box, a.key.file, a.key.item) <
         std::tie(b.state.dueDay, b.state.box, b.key.file, b.key.item);
}

}  // namespace

std::string ReviewListKey(std::string_view group, std::string_view listPath) {
  return std::string(group) + BaseName(listPath);
}

std::string ReviewListPath(std::string_view listRoot, std::string_view key) {
  return std::string(listRoot) + std::string(key) + ".ORV";
}

void MoveReviewBoxes(const QSqlDatabase& db, const std::string& learner, std::int32_t logGroup,
                     const std::vector<ReviewMove>& moves) {
  if (moves.empty()) return;
  const std::string name = Quoted(learner, kNameChars);
  Run(db, "EXECUTE PROCEDURE REVIEW_CLAIM(" + name + ")");
  for (const ReviewMove& move : moves) {
    QSqlQuery read = Run(db, "SELECT BOX, DUE_DAY, LAST_DAY, ASKED, MISSED FROM REVIEW_BOX WHERE " +
                                 ItemCondition(learner, move.key));
    std::optional<ReviewState> before;
    if (read.next()) before = StateOf(read, 0);
    read.finish();
    const ReviewState after = move.schedule(before);
    Run(db, "EXECUTE PROCEDURE REVIEW_SET(" + name + ", " + Quoted(move.key.file, kFileChars) +
                ", " + Quoted(move.key.item, kItemChars) + ", " + std::to_string(after.box) + ", " +
                SqlDayLiteral(after.dueDay) + ", " + SqlDayLiteral(after.lastDay) + ", " +
                std::to_string(after.asked) + ", " + std::to_string(after.missed) + ", " +
                (move.testDay ? SqlDayLiteral(*move.testDay) : std::string("NULL")) + ", " +
                std::to_string(logGroup) + ")");
  }
}

bool IsReviewConflict(const E_DB_Error& error) {
  const int code = error.engine().sqlCode;
  return code == kConflictSqlCode || code == kDuplicateSqlCode;
}

std::vector<ReviewRow> ReviewRows(const QSqlDatabase& db, const std::string& learner,
                                  std::optional<std::int64_t> dueBy, std::size_t limit) {
  std::string rowsDue =
      "FILE1, ITEM, BOX, DUE_DAY, LAST_DAY, ASKED, MISSED, TEST_DAY FROM REVIEW_BOX WHERE NAME = " +
      Quoted(learner, kNameChars);
  if (dueBy) rowsDue += " AND DUE_DAY <= " + SqlDayLiteral(*dueBy);
  std::vector<ReviewRow> rows;
  if (limit == 0) {
    QSqlQuery query = Run(db, "SELECT " + rowsDue + " ORDER BY DUE_DAY, BOX, FILE1, ITEM");
    while (query.next()) rows.push_back(RowOf(query));
    return rows;
  }
  // Sorted by the engine, the learner's every due row would be read and
  // sorted with its long texts. Walking the index on name and due day reads
  // only the rows up to the last day the limit reaches, ordered here. FIRST
  // keeps the engine walking the index (without it, it may take another
  // index and sort); a day with more items than it reaches is read again
  // with more.
  for (std::size_t first = 2 * limit;; first *= 4) {
    rows.clear();
    QSqlQuery query =
        Run(db, "SELECT FIRST " + std::to_string(first) + " " + rowsDue + " ORDER BY DUE_DAY");
    std::size_t read = 0;
    bool reached = false;
    while (!reached && query.next()) {
      ++read;
      ReviewRow row = RowOf(query);
      reached = rows.size() >= limit && row.state.dueDay > rows[limit - 1].state.dueDay;
      if (!reached) rows.push_back(std::move(row));
    }
    query.finish();
    if (reached || read < first) break;
  }
  std::sort(rows.begin(), rows.end(), RowBefore);
  if (rows.size() > limit) rows.resize(limit);
  return rows;
}

std::optional<std::int64_t> NextReviewDay(const QSqlDatabase& db, const std::string& learner) {
  QSqlQuery query =
      Run(db, "SELECT MIN(DUE_DAY) FROM REVIEW_BOX WHERE NAME = " + Quoted(learner, kNameChars));
  if (!query.next() || query.value(0).isNull()) return std::nullopt;
  return DayOf(query.value(0));
}

void SetGroupTestDay(const QSqlDatabase& db, const std::vector<std::string>& learners,
                     const std::string& listKey, std::optional<std::int64_t> day) {
  const std::string file = Quoted(listKey, kFileChars);
  for (const std::string& learner : learners) {
    const std::string name = Quoted(learner, kNameChars);
    Run(db, "DELETE FROM REVIEW_TEST_DAY WHERE NAME = " + name + " AND FILE1 = " + file);
    if (day) {
      Run(db, "INSERT INTO REVIEW_TEST_DAY (NAME, FILE1, TEST_DAY) VALUES (" + name + ", " + file +
                  ", " + SqlDayLiteral(*day) + ")");
    }
  }
}

std::string TypedListKey(std::string_view typed) {
  const std::string list = TrimSet(typed, " \t");
  if (list.empty()) return {};
  return ReviewListKey(FolderOf(list), Upper(FileNameOf(list)));
}

bool SetLearnersTestDay(ScoreDatabase& database, const std::vector<std::string>& learners,
                        const std::string& listKey, std::optional<std::int64_t> day) {
  if (learners.empty() || !database.ConectDB()) return false;
  try {
    SetGroupTestDay(database.Database(), learners, listKey, day);
  } catch (const E_DB_Error&) {
    database.Rollback();
    throw;
  }
  database.CommitRetaining();
  return true;
}

TestDays GroupTestDays(const QSqlDatabase& db, const std::string& learner) {
  return TestDaysOf(Run(db, "SELECT FILE1, TEST_DAY FROM REVIEW_TEST_DAY WHERE NAME = " +
                                Quoted(learner, kNameChars)));
}

TestDays BoxTestDays(const QSqlDatabase& db, const std::string& learner, std::int64_t after) {
  return TestDaysOf(Run(db, "SELECT FILE1, MAX(TEST_DAY) FROM REVIEW_BOX WHERE NAME = " +
                                Quoted(learner, kNameChars) + " AND TEST_DAY > " +
                                SqlDayLiteral(after) + " GROUP BY FILE1"));
}

std::unordered_set<std::string> BoxedItems(const QSqlDatabase& db, const std::string& learner,
                                           const std::string& listKey) {
  QSqlQuery query =
      Run(db, "SELECT ITEM FROM REVIEW_BOX WHERE NAME = " + Quoted(learner, kNameChars) +
                  " AND FILE1 = " + Quoted(listKey, kFileChars));
  std::unordered_set<std::string> items;
  while (query.next()) items.insert(query.value(0).toString().toStdString());
  return items;
}

}  // namespace orv
