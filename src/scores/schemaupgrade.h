#pragma once
// Bringing a score database made by an older form of db/schema.sql up to the
// present one, in place, when the program connects. Programs that know only
// the older form go on reading and writing the upgraded database.
#include <QSqlDatabase>

namespace orv {

// The form of db/schema.sql that made the database (its view SCHEMA_VERSION);
// 1 for a database from before the view existed.
int ScoreSchemaVersion(const QSqlDatabase& db);

// The form of db/schema.sql that this program makes and expects.
inline constexpr int kScoreSchemaVersion = 7;

// Upgrades the open database db, outside any transaction of the caller, to
// the current form; a database that is current already (or newer) is left
// alone. Each step is committed on its own and an interrupted upgrade
// resumes where it stopped; what is filled from the log is filled in short
// steps, each holding other programs' writes of the log for a moment only;
// when another program upgrades the same database at the same moment,
// whichever finishes does. Raises E_DB_Error with the
// engine's message when a step fails. Also computes the log's index
// statistics once the log has rows, when they were never computed.
void UpgradeScoreSchema(QSqlDatabase& db);

// Takes every right the learners' account holds on the current database
// and gives it the schema's again (after a restore, or when someone granted
// it more). Raises E_DB_Error with the engine's message when the account in
// force may not grant them.
void ResetLearnerRights(QSqlDatabase& db);

}  // namespace orv
