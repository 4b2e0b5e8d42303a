#include "scores/reviewtable.h"

#include <QDate>
#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>

#include "base/utf8.h"
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

}  // namespace

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
    const QVariant testDay = query.value(7);
    rows.push_back(
        {{query.value(0).toString().toStdString(), query.value(1).toString().toStdString()},
         StateOf(query, 2),
         testDay.isNull() ? std::nullopt : std::optional<std::int64_t>(DayOf(testDay))});
  }
  return rows;
}

std::optional<std::int64_t> NextReviewDay(const QSqlDatabase& db, const std::string& learner) {
  QSqlQuery query =
      Run(db, "SELECT MIN(DUE_DAY) FROM REVIEW_BOX WHERE NAME = " + Quoted(learner, kNameChars));
  if (!query.next() || query.value(0).isNull()) return std::nullopt;
  return DayOf(query.value(0));
}

}  // namespace orv
