#pragma once
// Statements run on an open connection in a transaction of their own, with
// parameters that Qt's driver does not offer.
#include <QSqlDatabase>
#include <string>
#include <vector>

namespace orv {

// Runs the statements in one read-committed transaction that reserves tables
// (at least one) for protected write: work that must see the tables it reads
// hold still, as others may read them but not write. The reservation waits
// for the transactions that have written the tables to end, at most
// waitSeconds (1 to 127); meanwhile and until the commit, other writers of
// the tables wait. Raises E_DB_Error with the engine's message when the
// reservation or a statement fails; nothing is then changed.
void RunReservingWrite(const QSqlDatabase& db, const std::vector<std::string>& tables,
                       const std::vector<std::string>& statements, int waitSeconds);

// Runs the statements in one snapshot transaction that never waits: they see
// only what was committed before it began, and a row that another open
// transaction has changed makes them fail at once. Raises E_DB_Error as above.
void RunSnapshotNoWait(const QSqlDatabase& db, const std::vector<std::string>& statements);

}  // namespace orv
