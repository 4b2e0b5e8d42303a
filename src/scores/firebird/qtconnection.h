#pragma once
// A connection through Qt's Firebird driver (QIBASE) with the account in
// force, made only once the engine is prepared (see PrepareEngine), as every
// attachment of the program is.
#include <QSqlDatabase>
#include <QString>

namespace orv {

// Adds the connection name with the account in force. Raises E_DB_Error
// before the engine is prepared, and for an account the driver cannot pass
// on whole (see DbAccountProblem).
QSqlDatabase AddEngineConnection(const QString& name);

}  // namespace orv
