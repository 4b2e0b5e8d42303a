#pragma once
// The client library's attachment behind an open connection of Qt's Firebird
// driver, for the calls that Qt's SQL classes do not offer.
#include <ibase.h>

#include <QSqlDatabase>

namespace orv {

// Raises E_DB_Error when db is not open or not a Firebird connection.
isc_db_handle DriverHandle(const QSqlDatabase& db);

}  // namespace orv
