#include "scores/schemaupgrade.h"

#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>
#include <string>
#include <vector>

#include "scores/engine_error.h"
#include "scores/schema.h"

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
  if (ScoreSchemaVersion(db) >= kScoreSchemaVersion) return;
  try {
    UpgradeToDays(db);
  } catch (const E_DB_Error&) {
    // Another program may have made the same objects a moment before.
    if (ScoreSchemaVersion(db) < kScoreSchemaVersion) throw;
  }
}

}  // namespace orv
