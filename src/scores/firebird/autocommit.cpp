#include "scores/firebird/autocommit.h"

#include <cstring>

#include "scores/firebird/driverhandle.h"
#include "scores/firebird/engineerror.h"
#include "scores/firebird/sqldescriptor.h"

namespace orv {
namespace {

// Read committed, so each statement sees what others committed before it;
// the engine commits (keeping the transaction) after each statement.
constexpr char kAutoCommitTpb[] = {isc_tpb_version3,    isc_tpb_write, isc_tpb_read_committed,
                                   isc_tpb_rec_version, isc_tpb_wait,  isc_tpb_autocommit};

}  // namespace

struct AutoCommitStatements::Prepared {
  isc_stmt_handle handle = 0;
  int type = -1;
  SqlDescriptor in{1};
  SqlDescriptor out{1};
  // The columns' values and null flags.
  std::vector<ISC_INT64> numbers;
  std::vector<short> nulls;

  Prepared() = default;
  Prepared(const Prepared&) = delete;
  Prepared& operator=(const Prepared&) = delete;
  ~Prepared() {
    ISC_STATUS_ARRAY status;
    if (handle != 0) isc_dsql_free_statement(status, &handle, DSQL_drop);
  }
};

AutoCommitStatements::AutoCommitStatements(const QSqlDatabase& db)
    : db_(DriverHandle(db)),
      transaction_(&db_, std::string_view(kAutoCommitTpb, sizeof kAutoCommitTpb)) {}

// The statements go before the transaction, which commits nothing more.
AutoCommitStatements::~AutoCommitStatements() {
  prepared_.clear();
  try {
    transaction_.Commit();
  } catch (const E_DB_Error&) {
    // A connection already gone has nothing left to end.
  }
}

AutoCommitStatements::Prepared& AutoCommitStatements::PreparedFor(const std::string& statement) {
  if (auto found = prepared_.find(statement); found != prepared_.end()) return *found->second;
  auto p = std::make_unique<Prepared>();
  ISC_STATUS_ARRAY status;
  if (isc_dsql_allocate_statement(status, &db_, &p->handle) != 0) RaiseEngineError(status);
  if (isc_dsql_prepare(status, transaction_.Handle(), &p->handle, 0, statement.c_str(),
                       SQL_DIALECT_V6, p->out.Get()) != 0) {
    RaiseEngineError(status);
  }
  p->type = StatementType(&p->handle);
  if (p->out.Get()->sqld > p->out.Get()->sqln) {
    p->out = SqlDescriptor(p->out.Get()->sqld);
    if (isc_dsql_describe(status, &p->handle, SQL_DIALECT_V6, p->out.Get()) != 0)
      RaiseEngineError(status);
  }
  if (isc_dsql_describe_bind(status, &p->handle, SQL_DIALECT_V6, p->in.Get()) != 0)
    RaiseEngineError(status);
  if (p->in.Get()->sqld > p->in.Get()->sqln) {
    p->in = SqlDescriptor(p->in.Get()->sqld);
    if (isc_dsql_describe_bind(status, &p->handle, SQL_DIALECT_V6, p->in.Get()) != 0)
      RaiseEngineError(status);
  }
  // Every column is read as a whole number; the engine converts.
  XSQLDA* out = p->out.Get();
  p->numbers.resize(static_cast<std::size_t>(out->sqld));
  p->nulls.resize(static_cast<std::size_t>(out->sqld));
  for (short i = 0; i < out->sqld; ++i) {
    XSQLVAR& var = out->sqlvar[i];
    var.sqltype = SQL_INT64 + 1;
    var.sqllen = sizeof(ISC_INT64);
    var.sqlscale = 0;
    var.sqldata = reinterpret_cast<char*>(&p->numbers[static_cast<std::size_t>(i)]);
    var.sqlind = &p->nulls[static_cast<std::size_t>(i)];
  }
  return *prepared_.emplace(statement, std::move(p)).first->second;
}

std::optional<NumberRow> AutoCommitStatements::Run(const std::string& statement,
                                                   const std::vector<SqlValue>& params) {
  Prepared& p = PreparedFor(statement);
  XSQLDA* in = p.in.Get();
  if (static_cast<std::size_t>(in->sqld) != params.size())
    throw E_DB_Error("The statement takes " + std::to_string(in->sqld) + " values, not " +
                     std::to_string(params.size()) + ": " + statement);
  // The values stay where they are until the statement has run.
  std::vector<ISC_INT64> numbers(params.size());
  std::vector<short> nulls(params.size());
  for (std::size_t i = 0; i < params.size(); ++i) {
    XSQLVAR& var = in->sqlvar[i];
    var.sqlind = &nulls[i];
    if (const auto* text = std::get_if<std::string>(&params[i])) {
      // The character set stays the one described: the column's.
      var.sqltype = SQL_TEXT + 1;
      var.sqllen = static_cast<ISC_SHORT>(text->size());
      var.sqldata = const_cast<char*>(text->data());
    } else if (const auto* number = std::get_if<std::int64_t>(&params[i])) {
      numbers[i] = *number;
      var.sqltype = SQL_INT64 + 1;
      var.sqllen = sizeof(ISC_INT64);
      var.sqlscale = 0;
      var.sqldata = reinterpret_cast<char*>(&numbers[i]);
    } else {
      nulls[i] = -1;
      var.sqltype = SQL_INT64 + 1;
      var.sqllen = sizeof(ISC_INT64);
      var.sqldata = reinterpret_cast<char*>(&numbers[i]);
    }
  }
  ISC_STATUS_ARRAY status;
  XSQLDA* out = p.out.Get();
  if (p.type == isc_info_sql_stmt_exec_procedure) {
    if (isc_dsql_execute2(status, transaction_.Handle(), &p.handle, SQL_DIALECT_V6, in, out) != 0)
      RaiseEngineError(status);
  } else {
    if (isc_dsql_execute(status, transaction_.Handle(), &p.handle, SQL_DIALECT_V6, in) != 0)
      RaiseEngineError(status);
    if (p.type != isc_info_sql_stmt_select) return std::nullopt;
    const ISC_STATUS fetched = isc_dsql_fetch(status, &p.handle, SQL_DIALECT_V6, out);
    ISC_STATUS_ARRAY closing;
    isc_dsql_free_statement(closing, &p.handle, DSQL_close);
    if (fetched == 100) return std::nullopt;
    if (fetched != 0) RaiseEngineError(status);
  }
  if (out->sqld == 0) return std::nullopt;
  NumberRow row;
  for (std::size_t i = 0; i < p.numbers.size(); ++i) {
    row.push_back(p.nulls[i] < 0 ? std::nullopt : std::optional<std::int64_t>(p.numbers[i]));
  }
  return row;
}

}  // namespace orv
