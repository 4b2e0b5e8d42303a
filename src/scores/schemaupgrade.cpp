#include "scores/schemaupgrade.h"

#include <QDate>
#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>
#include <string>
#include <utility>
#include <vector>

#include "base/translate.h"
#include "scores/firebird/dbaccount.h"
#include "scores/firebird/engineerror.h"
#include "scores/firebird/owntransaction.h"
#include "scores/firebird/schema.h"
#include "scores/firebird/sqlquote.h"
#include "scores/wordtotals.h"

namespace orv {
namespace {

// How long the fill of the counts waits for older programs' open writes of
// the log; an upgrade that cannot wait is tried again at the next connect.
constexpr int kFillWaitSeconds = 10;

// The statement of the schema script that begins with head; the upgrade
// makes its objects exactly as a new database gets them.
QString SchemaStatement(const std::string& head) {
  for (const std::string& statement : ScriptStatements(SchemaScript())) {
    if (statement.compare(0, head.size(), head) == 0) return QString::fromStdString(statement);
  }
  throw E_DB_Error("The schema script has no \"" + head + "\"");
}

bool Exists(const QSqlDatabase& db, const QString& select) {
  QSqlQuery query(db);
  if (!query.exec(select)) throw E_DB_Error(query.lastError().text().toStdString());
  return query.next();
}

bool HasColumn(const QSqlDatabase& db, const char* table, const char* column) {
  return Exists(db, QStringLiteral("SELECT 1 FROM RDB$RELATION_FIELDS WHERE "
                                   "RDB$RELATION_NAME = '%1' AND RDB$FIELD_NAME = '%2'")
                        .arg(table, column));
}

bool HasTable(const QSqlDatabase& db, const char* name) {
  return Exists(
      db, QStringLiteral("SELECT 1 FROM RDB$RELATIONS WHERE RDB$RELATION_NAME = '%1'").arg(name));
}

bool HasIndex(const QSqlDatabase& db, const char* name) {
  return Exists(db,
                QStringLiteral("SELECT 1 FROM RDB$INDICES WHERE RDB$INDEX_NAME = '%1'").arg(name));
}

// Runs the statements in one transaction of their own and commits them; a
// failure's message begins with what.
void RunCommitted(QSqlDatabase& db, const std::vector<QString>& statements,
                  const std::string& what = TrText("ScoreDatabase",
                                                   "Cannot upgrade the score database: ")) {
  if (!db.transaction()) throw E_DB_Error(db.lastError().text().toStdString());
  for (const QString& statement : statements) {
    QSqlQuery query(db);
    if (!query.exec(statement)) {
      const std::string message = query.lastError().text().toStdString();
      query.finish();
      db.rollback();
      throw E_DB_Error(what + message);
    }
  }
  if (!db.commit()) {
    const std::string message = db.lastError().text().toStdString();
    db.rollback();
    throw E_DB_Error(what + message);
  }
}

// The schema script's grants to its triggers and procedures, or those to the
// accounts of a server.
enum class Grantee { Objects, Accounts };
std::vector<QString> Grants(Grantee grantee) {
  std::vector<QString> grants;
  for (const std::string& statement : ScriptStatements(SchemaScript())) {
    if (statement.compare(0, 6, "GRANT ") != 0) continue;
    const bool toAccount = statement.find(" TO USER ") != std::string::npos;
    if (toAccount == (grantee == Grantee::Accounts)) {
      grants.push_back(QString::fromStdString(statement));
    }
  }
  return grants;
}

// Form 2 keeps each log row's day as a DATE with indexes on it. The trigger
// comes first, so rows that older programs write while the old rows are
// being filled get their day too; the indexes are built after the fill.
void UpgradeToDays(QSqlDatabase& db) {
  if (!HasColumn(db, "LOG", "DAY1")) {
    RunCommitted(db, {QStringLiteral("ALTER TABLE LOG ADD DAY1 DATE"),
                      SchemaStatement("CREATE TRIGGER LOG_DAY1")});
  }
  RunCommitted(db, {QStringLiteral("UPDATE LOG SET DAY1 = DMY_DATE(DATE1) "
                                   "WHERE DAY1 IS NULL AND DATE1 IS NOT NULL")});
  std::vector<QString> last;
  for (const char* index : {"LOG_DAY1", "LOG_NAME_DAY1"}) {
    if (!HasIndex(db, index)) last.push_back(SchemaStatement(std::string("CREATE INDEX ") + index));
  }
  if (!last.empty()) RunCommitted(db, last);
}

// The narrow rows are filled in steps of at most this many log rows, each
// one learner's rows of a span of days: a step holds other writers of the
// log for a moment only.
constexpr int kFillStepRows = 4000;

// Where the fill of the narrow rows stands: one row, the last learner and
// day counted; a NULL learner once the rows without a learner or a day are
// counted, and no row before anything is. Dropped after the upgrade.
constexpr char kFillTable[] = "LOG_COUNT_FILL";
constexpr char kCreateFillTable[] = "CREATE TABLE LOG_COUNT_FILL (NAME VARCHAR(100), DAY1 DATE)";

// The rows of the log and of LOG_COUNT (which have the same key columns)
// that the first step counts.
constexpr char kNoKey[] = "(NAME IS NULL OR DAY1 IS NULL)";

// One step of the fill: the narrow rows of the rows in range made again from
// the log, the totals following both the rows removed and those added, and
// the step noted as done. A step done twice changes nothing, so an upgrade
// stopped anywhere resumes at the step after the one noted.
std::vector<std::string> FillStep(const std::string& range, const std::string& done, bool byKey) {
  // The indexes were made on empty tables and know nothing of their rows:
  // without the plans a step could read every day of every learner.
  const std::string countPlan = byKey ? " PLAN (LOG_COUNT INDEX (LOG_COUNT_NAME_DAY1))" : "";
  const std::string totalsOfRange =
      "FOR SELECT WORD_ID, WRONG, COUNT(*) FROM LOG_COUNT WHERE " + range +
      " GROUP BY WORD_ID, WRONG" +
      (byKey ? " PLAN SORT (LOG_COUNT INDEX (LOG_COUNT_NAME_DAY1))" : "") + " INTO :I, :A, :C DO ";
  return {
      "EXECUTE BLOCK AS "
      "DECLARE N VARCHAR(100); DECLARE D DATE; DECLARE W VARCHAR(4000); "
      "DECLARE A SMALLINT; DECLARE I INTEGER; DECLARE C INTEGER; "
      "BEGIN " +
          totalsOfRange +
          "INSERT INTO LOG_TOTAL (WORD_ID, WRONG, N) VALUES (:I, :A, -:C); "
          "DELETE FROM LOG_COUNT WHERE " +
          range + countPlan +
          "; "
          "FOR SELECT NAME, DAY1, WORD, IIF(ANSWER IS NULL, 0, 1) FROM LOG WHERE " +
          range + (byKey ? " PLAN (LOG INDEX (LOG_NAME_DAY1))" : "") +
          " INTO :N, :D, :W, :A DO "
          "BEGIN "
          "EXECUTE PROCEDURE LOG_WORD_NUMBER(:W) RETURNING_VALUES :I; "
          "INSERT INTO LOG_COUNT (NAME, DAY1, WORD_ID, WRONG) VALUES (:N, :D, :I, :A); "
          "END " +
          totalsOfRange +
          "INSERT INTO LOG_TOTAL (WORD_ID, WRONG, N) VALUES (:I, :A, :C); "
          "END",
      "DELETE FROM LOG_COUNT_FILL", "INSERT INTO LOG_COUNT_FILL (NAME, DAY1) VALUES " + done};
}

// One learner's days from first to last, as the steps after the noted one
// take them.
struct FillSpan {
  QString name;
  QDate first;
  QDate last;
  long long rows = 0;
};

std::string DayLiteral(const QDate& day) {
  return SqlDayLiteral(day.toJulianDay());
}

// The spans of the rows with a learner and a day after the noted step, in
// the order of the learner and the day, each of at most kFillStepRows rows
// unless one day of one learner holds more.
std::vector<FillSpan> SpansAfter(const QSqlDatabase& db, const QString& name, const QDate& day) {
  std::string select =
      "SELECT NAME, DAY1, COUNT(*) FROM LOG WHERE NAME IS NOT NULL AND DAY1 IS NOT NULL";
  if (!name.isNull()) {
    const std::string n = SqlLiteral(name.toStdString());
    select += " AND (NAME > " + n + " OR (NAME = " + n + " AND DAY1 > " + DayLiteral(day) + "))";
  }
  select += " GROUP BY NAME, DAY1 ORDER BY NAME, DAY1";
  QSqlQuery query(db);
  query.setForwardOnly(true);
  if (!query.exec(QString::fromStdString(select))) {
    throw E_DB_Error(query.lastError().text().toStdString());
  }
  std::vector<FillSpan> spans;
  while (query.next()) {
    const QString n = query.value(0).toString();
    const QDate d = query.value(1).toDate();
    const long long rows = query.value(2).toLongLong();
    if (spans.empty() || spans.back().name != n || spans.back().rows + rows > kFillStepRows) {
      spans.push_back({n, d, d, 0});
    }
    spans.back().last = d;
    spans.back().rows += rows;
  }
  return spans;
}

// The narrow rows of every log row, filled in steps (FillStep) while older
// programs and learners go on writing: the trigger counts every change of
// the log from the moment the count tables exist, and each step counts its
// rows again under a short reservation of the log, which waits for open
// writes and holds new ones back until it commits; no row is counted twice
// or missed. The totals gain rows with each step and are folded at the end.
void FillCounts(const QSqlDatabase& db) {
  const std::vector<std::string> reserved{"LOG", "LOG_COUNT", "LOG_TOTAL"};
  try {
    // Rows that older programs wrote before the trigger was there and have
    // not committed yet are committed before the spans are read.
    RunReservingWrite(db, {"LOG"}, {}, kFillWaitSeconds);
    bool started = false;
    QString name;
    QDate day;
    {
      // Freed before the last step drops the table, which waits for every
      // statement that still uses it.
      QSqlQuery noted(db);
      if (!noted.exec(QStringLiteral("SELECT NAME, DAY1 FROM LOG_COUNT_FILL"))) {
        throw E_DB_Error(noted.lastError().text().toStdString());
      }
      started = noted.next();
      if (started) {
        name = noted.value(0).toString();
        day = noted.value(1).toDate();
      }
    }
    if (!started)
      RunReservingWrite(db, reserved, FillStep(kNoKey, "(NULL, NULL)", false), kFillWaitSeconds);
    for (const FillSpan& span : SpansAfter(db, name, day)) {
      const std::string n = SqlLiteral(span.name.toStdString());
      RunReservingWrite(db, reserved,
                        FillStep("NAME = " + n + " AND DAY1 BETWEEN " + DayLiteral(span.first) +
                                     " AND " + DayLiteral(span.last),
                                 "(" + n + ", " + DayLiteral(span.last) + ")", true),
                        kFillWaitSeconds);
    }
  } catch (const E_DB_Error& e) {
    throw E_DB_Error(TrText("ScoreDatabase", "Cannot upgrade the score database: ") + e.what(),
                     e.engine());
  }
  FoldWordTotals(db);
}

// Form 3 counts the log from narrow tables. The tables, their indexes and
// the trigger that keeps them in step are committed first, with the note of
// the fill's progress; the fill then counts the older rows step by step.
void UpgradeToCounts(QSqlDatabase& db) {
  std::vector<QString> objects;
  if (!HasTable(db, "LOG_COUNT")) {
    for (const char* head :
         {"CREATE SEQUENCE LOG_WORD_ID", "CREATE TABLE LOG_WORD", "CREATE TABLE LOG_COUNT",
          "CREATE TABLE LOG_TOTAL", "CREATE INDEX LOG_WORD_HASH", "CREATE INDEX LOG_WORD_BY_ID",
          "CREATE INDEX LOG_TOTAL_WORD", "CREATE PROCEDURE LOG_WORD_NUMBER",
          "CREATE PROCEDURE LOG_COUNT_ADD", "CREATE PROCEDURE LOG_COUNT_REMOVE",
          "CREATE TRIGGER LOG_COUNTS"}) {
      objects.push_back(SchemaStatement(head));
    }
  }
  // Made while the narrow table is empty, as the steps select by them; an
  // upgrade of an older program may have left the table without them.
  for (const char* index : {"LOG_COUNT_DAY1", "LOG_COUNT_NAME_DAY1"}) {
    if (!HasIndex(db, index)) {
      objects.push_back(SchemaStatement(std::string("CREATE INDEX ") + index));
    }
  }
  if (!HasTable(db, kFillTable)) objects.push_back(QString::fromLatin1(kCreateFillTable));
  if (!objects.empty()) RunCommitted(db, objects);
  // Granting again what is granted changes nothing, so an upgrade stopped
  // after the objects still ends with their rights.
  RunCommitted(db, Grants(Grantee::Objects));
  FillCounts(db);
}

// Form 5 keeps the review's boxes. The tables start empty: boxes move from
// the first finished test after the upgrade.
void UpgradeToReview(QSqlDatabase& db) {
  if (HasTable(db, "REVIEW_BOX")) return;
  std::vector<QString> objects;
  for (const char* head :
       {"CREATE TABLE REVIEW_BOX", "CREATE TABLE REVIEW_MOVE", "CREATE TABLE REVIEW_LEARNER",
        "CREATE INDEX REVIEW_BOX_NAME_DUE", "CREATE INDEX REVIEW_BOX_ITEM",
        "CREATE INDEX REVIEW_MOVE_NAME_DAY1", "CREATE UNIQUE INDEX REVIEW_LEARNER_NAME",
        "CREATE PROCEDURE REVIEW_CLAIM", "CREATE PROCEDURE REVIEW_SET"}) {
    objects.push_back(SchemaStatement(head));
  }
  RunCommitted(db, objects);
}

// Form 6 keeps the test days teachers set for learners in the class
// overview: one new table, which programs of form 5 never read, and an
// index on the boxes' test days.
void UpgradeToTestDays(QSqlDatabase& db) {
  if (HasTable(db, "REVIEW_TEST_DAY")) return;
  RunCommitted(db, {SchemaStatement("CREATE TABLE REVIEW_TEST_DAY"),
                    SchemaStatement("CREATE INDEX REVIEW_TEST_DAY_NAME"),
                    SchemaStatement("CREATE INDEX REVIEW_BOX_NAME_TEST")});
}

// Where the fill of the score rows' days stands: one row, the last learner
// whose rows are filled; a NULL learner once the rows without a learner are,
// and no row before anything is. Dropped after the upgrade.
constexpr char kScoreFillTable[] = "SCORE_DAY_FILL";
constexpr char kCreateScoreFillTable[] = "CREATE TABLE SCORE_DAY_FILL (NAME VARCHAR(100))";

// The learners after the noted one, in order.
std::vector<QString> ScoreLearnersAfter(const QSqlDatabase& db, const QString& name) {
  std::string select = "SELECT DISTINCT NAME FROM SCORE WHERE NAME IS NOT NULL";
  if (!name.isNull()) select += " AND NAME > " + SqlLiteral(name.toStdString());
  // Sorted rather than read in the order of the name index, a page read a row.
  select += " PLAN SORT (SCORE NATURAL) ORDER BY NAME";
  QSqlQuery query(db);
  query.setForwardOnly(true);
  if (!query.exec(QString::fromStdString(select))) {
    throw E_DB_Error(query.lastError().text().toStdString());
  }
  std::vector<QString> names;
  while (query.next()) names.push_back(query.value(0).toString());
  return names;
}

// The older score rows get their day and percentage a learner at a time,
// each step reserving the score table for a moment (a learner has one row
// per finished test). Older programs' writes that are still open, which the
// trigger may not have seen, are committed before the learners are read.
// Updating a row is enough, as the trigger fills it; a step done twice
// changes nothing, so a fill stopped anywhere resumes after the noted step.
void FillScoreDays(const QSqlDatabase& db) {
  const auto step = [&db](const std::string& range, const std::string& done) {
    RunReservingWrite(
        db, {"SCORE"},
        {"UPDATE SCORE SET DATE1 = DATE1 WHERE " + range + " PLAN (SCORE INDEX (SCORE_NAME))",
         "DELETE FROM SCORE_DAY_FILL", "INSERT INTO SCORE_DAY_FILL (NAME) VALUES (" + done + ")"},
        kFillWaitSeconds);
  };
  try {
    RunReservingWrite(db, {"SCORE"}, {}, kFillWaitSeconds);
    bool started = false;
    QString name;
    {
      QSqlQuery noted(db);
      if (!noted.exec(QStringLiteral("SELECT NAME FROM SCORE_DAY_FILL"))) {
        throw E_DB_Error(noted.lastError().text().toStdString());
      }
      started = noted.next();
      if (started) name = noted.value(0).toString();
    }
    if (!started) step("NAME IS NULL", "NULL");
    for (const QString& learner : ScoreLearnersAfter(db, name)) {
      const std::string n = SqlLiteral(learner.toStdString());
      step("NAME = " + n, n);
    }
  } catch (const E_DB_Error& e) {
    throw E_DB_Error(TrText("ScoreDatabase", "Cannot upgrade the score database: ") + e.what(),
                     e.engine());
  }
}

// Form 7 keeps each finished test's day and percentage in columns of the
// score table, filled by a trigger as the log's day is, with indexes in the
// score window's orders: its first screen walks an index instead of sorting
// every row first. The indexes are made after the fill, and the view reads
// the columns only from the last step on, once every row has them.
void UpgradeToScoreDays(QSqlDatabase& db) {
  std::vector<QString> objects;
  if (!HasColumn(db, "SCORE", "DAY1")) {
    objects.push_back(QStringLiteral("ALTER TABLE SCORE ADD DAY1 DATE, ADD PERCENT1 INTEGER"));
    objects.push_back(SchemaStatement("CREATE TRIGGER SCORE_DAY1"));
  }
  if (!HasTable(db, kScoreFillTable)) objects.push_back(QString::fromLatin1(kCreateScoreFillTable));
  if (!objects.empty()) RunCommitted(db, objects);
  RunCommitted(db, {SchemaStatement("GRANT EXECUTE ON FUNCTION DMY_DATE TO TRIGGER SCORE_DAY1")});
  FillScoreDays(db);
  std::vector<QString> last;
  for (const char* index : {"SCORE_DAY1_TIME1", "SCORE_PERCENT1_DAY1"}) {
    if (!HasIndex(db, index)) {
      last.push_back(SchemaStatement(std::string("CREATE DESCENDING INDEX ") + index));
    }
  }
  last.push_back(SchemaStatement("CREATE OR ALTER VIEW SCORE_TAB"));
  RunCommitted(db, last);
}

void Upgrade(QSqlDatabase& db) {
  const int version = ScoreSchemaVersion(db);
  if (version < 2) UpgradeToDays(db);
  // The review's and the scores' objects come before the counts' step,
  // which grants every object of the script its rights.
  if (version < 5) UpgradeToReview(db);
  if (version < 6) UpgradeToTestDays(db);
  if (version < 7) UpgradeToScoreDays(db);
  if (version < 3) UpgradeToCounts(db);
  // Form 4 gives the accounts of a server their rights: a learner's adds
  // rows and changes none. The rights on procedures come first; the view
  // comes last, so a database says its form only once it has all of it,
  // and with it the accounts' rights, which include reading the view.
  RunCommitted(db, Grants(Grantee::Objects));
  std::vector<QString> last{SchemaStatement("CREATE OR ALTER VIEW SCHEMA_VERSION")};
  for (QString& grant : Grants(Grantee::Accounts)) last.push_back(std::move(grant));
  RunCommitted(db, last);
}

// The notes of the fills go at a connection after the upgrade: dropping a
// table fails while a connection that used it is open (the upgrading one
// too), and then the next connection tries again.
void DropFillNotes(const QSqlDatabase& db) {
  for (const char* note : {kFillTable, kScoreFillTable}) {
    if (!HasTable(db, note)) continue;
    try {
      RunSnapshotNoWait(db, {std::string("DROP TABLE ") + note});
    } catch (const E_DB_Error&) {
    }
  }
}

// An index made on an empty table keeps a selectivity of 0, and with it the
// optimizer serves one learner's date range from the day index alone instead
// of the index on name and day. The first connection that finds log rows
// computes the selectivities; failing at it (another program doing the
// same) costs only speed.
void RefreshEmptyStatistics(const QSqlDatabase& db) {
  try {
    QSqlQuery stale(db);
    if (!stale.exec(QStringLiteral(
            "SELECT TRIM(RDB$INDEX_NAME) FROM RDB$INDICES WHERE RDB$RELATION_NAME "
            "IN ('LOG', 'LOG_COUNT', 'LOG_WORD', 'LOG_TOTAL') AND RDB$STATISTICS = 0"))) {
      return;
    }
    std::vector<QString> names;
    while (stale.next()) names.push_back(stale.value(0).toString());
    if (names.empty() || !Exists(db, QStringLiteral("SELECT FIRST 1 1 FROM LOG"))) return;
    for (const QString& name : names) {
      QSqlQuery(db).exec(QStringLiteral("SET STATISTICS INDEX ") + name);
    }
  } catch (const E_DB_Error&) {
  }
}

}  // namespace

void ResetLearnerRights(QSqlDatabase& db) {
  std::vector<QString> statements{
      QStringLiteral("REVOKE ALL ON ALL FROM USER %1").arg(QLatin1String(kLearnerAccount))};
  for (QString& grant : Grants(Grantee::Accounts)) {
    if (grant.contains(QLatin1String(kLearnerAccount))) statements.push_back(std::move(grant));
  }
  RunCommitted(db, statements, TrText("ScoreDatabase", "Cannot set the learners' rights: "));
}

int ScoreSchemaVersion(const QSqlDatabase& db) {
  if (!HasTable(db, "SCHEMA_VERSION")) return 1;
  QSqlQuery query(db);
  if (!query.exec(QStringLiteral("SELECT VERSION FROM SCHEMA_VERSION")) || !query.next()) {
    throw E_DB_Error(Filled(TrText("ScoreDatabase", "Cannot read the score database's version: %1"),
                            query.lastError().text().toStdString()));
  }
  return query.value(0).toInt();
}

void UpgradeScoreSchema(QSqlDatabase& db) {
  if (ScoreSchemaVersion(db) >= kScoreSchemaVersion) DropFillNotes(db);
  if (ScoreSchemaVersion(db) < kScoreSchemaVersion) {
    try {
      Upgrade(db);
    } catch (const E_DB_Error&) {
      // Another program may have made the same objects a moment before.
      if (ScoreSchemaVersion(db) < kScoreSchemaVersion) throw;
    }
  }
  RefreshEmptyStatistics(db);
}

}  // namespace orv
