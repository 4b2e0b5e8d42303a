#pragma once
// A connection through Qt's Firebird driver (QIBASE) with an account, made only once the engine is
// prepared (see PrepareEngine), as every attachment of the program is.
#include <QSqlDatabase>
#include <QString>

#include "scores/firebird/dbaccount.h"

namespace orv {

// Adds the connection name with the account. Raises E_DB_Error
// before the engine is prepared, and for an account the driver cannot pass
// on whole (see DbAccountProblem).
QSqlDatabase AddEngineConnection(const QString& name, const DbAccount& account);

}  // namespace orv
