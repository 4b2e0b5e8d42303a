#include "scores/firebird/sqldescriptor.h"

#include "scores/firebird/fbtransaction.h"

namespace orv {

SqlDescriptor::SqlDescriptor(short n) : bytes_(XSQLDA_LENGTH(n < 1 ? 1 : n)) {
  Get()->version = SQLDA_VERSION1;
  Get()->sqln = n < 1 ? 1 : n;
}

int StatementType(isc_stmt_handle* statement) {
  const char item = isc_info_sql_stmt_type;
  char buffer[16] = {};
  ISC_STATUS_ARRAY status;
  if (isc_dsql_sql_info(status, statement, 1, &item, sizeof buffer, buffer) != 0)
    RaiseEngineError(status);
  if (buffer[0] != isc_info_sql_stmt_type) return -1;
  const short length = static_cast<short>(isc_vax_integer(buffer + 1, 2));
  return static_cast<int>(isc_vax_integer(buffer + 3, length));
}

}  // namespace orv
