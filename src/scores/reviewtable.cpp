#include "scores/reviewtable.h"

#include <QDate>
#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>

#include "base/utf8.h"
#include "files/dos.h"
#include "scores/sqlquote.h"

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
  std::string select = "SELECT ";
  if (limit > 0) select += "FIRST " + std::to_string(limit) + " ";
  select +=
      "FILE1, ITEM, BOX, DUE_DAY, LAST_DAY, ASKED, MISSED, TEST_DAY FROM REVIEW_BOX WHERE NAME = " +
      Quoted(learner, kNameChars);
  if (dueBy) select += " AND DUE_DAY <= " + SqlDayLiteral(*dueBy);
  select += " ORDER BY DUE_DAY, BOX, FILE1, ITEM";
  QSqlQuery query = Run(db, select);
  std::vector<ReviewRow> rows;
  while (query.next()) {
    rows.push_back(
        {{query.value(0).toString().toStdString(), query.value(1).toString().toStdString()},
         StateOf(query, 2),
         OptionalDay(query.value(7))});
  }
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
