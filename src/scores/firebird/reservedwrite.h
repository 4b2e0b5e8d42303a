#pragma once
// Work that must see the tables it reads hold still: one transaction that
// reserves them, so no other transaction writes them until it ends.
#include <QSqlDatabase>
#include <string>
#include <vector>

namespace orv {

// Runs the statements on the open connection db in one read-committed
// transaction that reserves tables for protected write (others may read
// them), and commits it. The reservation waits for the transactions that
// have written the tables to end, at most waitSeconds (1 to 127); meanwhile
// and until the commit, other writers of the tables wait. Raises E_DB_Error
// with the engine's message when the reservation or a statement fails;
// nothing is then changed.
void RunReservingWrite(const QSqlDatabase& db, const std::vector<std::string>& tables,
                       const std::vector<std::string>& statements, int waitSeconds);

}  // namespace orv
