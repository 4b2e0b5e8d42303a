#include "scores/firebird/driverhandle.h"

#include <QSqlDriver>
#include <QVariant>

#include "base/translate.h"
#include "scores/firebird/engineerror.h"

namespace orv {

isc_db_handle DriverHandle(const QSqlDatabase& db) {
  if (!db.isOpen() || db.driver() == nullptr)
    throw E_DB_Error(TrText("ScoreDatabase", "The database is not connected"));
  // Qt's Firebird driver hands out its attachment as the client library's
  // handle, an unsigned int.
  const QVariant handle = db.driver()->handle();
  if (db.driver()->dbmsType() != QSqlDriver::Interbase ||
      handle.typeId() != qMetaTypeId<isc_db_handle>()) {
    throw E_DB_Error(
        TrText("ScoreDatabase", "The database connection is not a Firebird connection"));
  }
  return *static_cast<const isc_db_handle*>(handle.constData());
}

}  // namespace orv
