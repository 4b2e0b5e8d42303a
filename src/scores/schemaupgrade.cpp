#include "scores/schemaupgrade.h"

#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>
#include <string>
#include <vector>

#include "scores/firebird/engineerror.h"
#include "scores/firebird/schema.h"

namespace orv {
namespace {

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

bool HasDayColumn(const QSqlDatabase& db) {
  return Exists(db, QStringLiteral("SELECT 1 FROM RDB$RELATION_FIELDS WHERE "
                                   "RDB$RELATION_NAME = 'LOG' AND RDB$FIELD_NAME = 'DAY1'"));
}

bool HasIndex(const QSqlDatabase& db, const char* name) {
  return Exists(db,
                QStringLiteral("SELECT 1 FROM RDB$INDICES WHERE RDB$INDEX_NAME = '%1'").arg(name));
}

// Runs the statements in one transaction of their own and commits them.
void RunCommitted(QSqlDatabase& db, const std::vector<QString>& statements) {
  if (!db.transaction()) throw E_DB_Error(db.lastError().text().toStdString());
  for (const QString& statement : statements) {
    QSqlQuery query(db);
    if (!query.exec(statement)) {
      const std::string message = query.lastError().text().toStdString();
      query.finish();
      db.rollback();
      throw E_DB_Error("Cannot upgrade the score database: " + message);
    }
  }
  if (!db.commit()) {
    const std::string message = db.lastError().text().toStdString();
    db.rollback();
    throw E_DB_Error("Cannot upgrade the score database: " + message);
  }
}

// Form 2 keeps each log row's day as a DATE with indexes on it. The trigger
// comes first, so rows that older programs write while the old rows are
// being filled get their day too; the indexes are built after the fill.
void UpgradeToDays(QSqlDatabase& db) {
  if (!HasDayColumn(db)) {
    RunCommitted(db, {QStringLiteral("ALTER TABLE LOG ADD DAY1 DATE"),
                      SchemaStatement("CREATE TRIGGER LOG_DAY1")});
  }
  RunCommitted(db, {QStringLiteral("UPDATE LOG SET DAY1 = DMY_DATE(DATE1) "
                                   "WHERE DAY1 IS NULL AND DATE1 IS NOT NULL")});
  std::vector<QString> last;
  for (const char* index : {"LOG_DAY1", "LOG_NAME_DAY1"}) {
    if (!HasIndex(db, index)) last.push_back(SchemaStatement(std::string("CREATE INDEX ") + index));
  }
  last.push_back(SchemaStatement("CREATE VIEW SCHEMA_VERSION"));
  RunCommitted(db, last);
}

// An index made on an empty table keeps a selectivity of 0, and with it the
// optimizer serves one learner's date range from the day index alone instead
// of the index on name and day. The first connection that finds log rows
// computes the selectivities; failing at it (another program doing the
// same) costs only speed.
void RefreshEmptyStatistics(const QSqlDatabase& db) {
  try {
    QSqlQuery stale(db);
    if (!stale.exec(QStringLiteral("SELECT TRIM(RDB$INDEX_NAME) FROM RDB$INDICES WHERE "
                                   "RDB$RELATION_NAME = 'LOG' AND RDB$STATISTICS = 0"))) {
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

int ScoreSchemaVersion(const QSqlDatabase& db) {
  if (!Exists(db, QStringLiteral("SELECT 1 FROM RDB$RELATIONS WHERE "
                                 "RDB$RELATION_NAME = 'SCHEMA_VERSION'"))) {
    return 1;
  }
  QSqlQuery query(db);
  if (!query.exec(QStringLiteral("SELECT VERSION FROM SCHEMA_VERSION")) || !query.next()) {
    throw E_DB_Error("Cannot read the score database's version: " +
                     query.lastError().text().toStdString());
  }
  return query.value(0).toInt();
}

void UpgradeScoreSchema(QSqlDatabase& db) {
  if (ScoreSchemaVersion(db) < kScoreSchemaVersion) {
    try {
      UpgradeToDays(db);
    } catch (const E_DB_Error&) {
      // Another program may have made the same objects a moment before.
      if (ScoreSchemaVersion(db) < kScoreSchemaVersion) throw;
    }
  }
  RefreshEmptyStatistics(db);
}

}  // namespace orv
