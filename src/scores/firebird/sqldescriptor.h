#pragma once
// The client library's descriptions of a statement's values, and a prepared
// statement's kind.
#include <ibase.h>

#include <vector>

namespace orv {

// An XSQLDA with room for n values (at least one).
class SqlDescriptor {
 public:
  explicit SqlDescriptor(short n);
  XSQLDA* Get() { return reinterpret_cast<XSQLDA*>(bytes_.data()); }
  const XSQLDA* Get() const { return reinterpret_cast<const XSQLDA*>(bytes_.data()); }

 private:
  // Heap memory from the vector is aligned for any type.
  std::vector<char> bytes_;
};

// The kind of a prepared statement (isc_info_sql_stmt_select, ...); -1 when
// the engine does not say. Raises E_DB_Error when the engine fails.
int StatementType(isc_stmt_handle* statement);

}  // namespace orv
