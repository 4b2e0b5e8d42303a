#include "scores/firebird/readonlycursor.h"

#include <QDate>
#include <QDateTime>
#include <QTime>
#include <cctype>
#include <cstring>

#include "base/translate.h"
#include "scores/firebird/driverhandle.h"
#include "scores/firebird/readonlyselect.h"
#include "scores/firebird/sqldescriptor.h"

namespace orv {
namespace {

// A transaction that may only read; it sees what others have committed.
constexpr char kReadOnlyTpb[] = {isc_tpb_version3, isc_tpb_read, isc_tpb_read_committed,
                                 isc_tpb_rec_version, isc_tpb_nowait};

// The words of a statement in upper case, outside literals, quoted names
// and comments.
std::vector<std::string> Words(const std::string& text) {
  std::vector<std::string> words;
  std::string word;
  auto flush = [&] {
    if (!word.empty()) words.push_back(word);
    word.clear();
  };
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (c == '\'' || c == '"') {
      flush();
      const std::size_t close = text.find(c, i + 1);
      if (close == std::string::npos) break;
      i = close;
    } else if (c == '-' && i + 1 < text.size() && text[i + 1] == '-') {
      flush();
      i = text.find('\n', i);
      if (i == std::string::npos) break;
    } else if (c == '/' && i + 1 < text.size() && text[i + 1] == '*') {
      flush();
      i = text.find("*/", i + 2);
      if (i == std::string::npos) break;
      ++i;
    } else if (std::isalnum(static_cast<unsigned char>(c)) != 0 || c == '_' || c == '$') {
      word += static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    } else {
      flush();
    }
  }
  flush();
  return words;
}

// Sequences move even in a read-only transaction, so a select may not step one.
bool StepsASequence(const std::string& text) {
  const std::vector<std::string> w = Words(text);
  for (std::size_t i = 0; i < w.size(); ++i) {
    if (w[i] == "GEN_ID") return true;
    if (w[i] == "NEXT" && i + 2 < w.size() && w[i + 1] == "VALUE" && w[i + 2] == "FOR") {
      return true;
    }
  }
  return false;
}

// The statement as typed, without the terminators an isql user may add.
std::string WithoutTerminator(const std::string& statement) {
  std::size_t end = statement.size();
  while (end > 0 && (statement[end - 1] == ';' ||
                     std::isspace(static_cast<unsigned char>(statement[end - 1])) != 0)) {
    --end;
  }
  return statement.substr(0, end);
}

QString Scaled(std::int64_t value, short scale) {
  if (scale >= 0) return QString::number(value);
  const bool negative = value < 0;
  QString digits = QString::number(negative ? -static_cast<unsigned long long>(value)
                                            : static_cast<unsigned long long>(value));
  const int places = -scale;
  if (digits.size() <= places) digits = QString(places - digits.size() + 1, '0') + digits;
  digits.insert(digits.size() - places, '.');
  return negative ? "-" + digits : digits;
}

QByteArray ReadBlob(isc_db_handle* db, isc_tr_handle* tr, ISC_QUAD id) {
  ISC_STATUS_ARRAY status;
  isc_blob_handle blob = 0;
  if (isc_open_blob2(status, db, tr, &blob, &id, 0, nullptr) != 0) RaiseEngineError(status);
  QByteArray bytes;
  char segment[16384];
  for (;;) {
    unsigned short got = 0;
    const ISC_STATUS result = isc_get_segment(status, &blob, &got, sizeof segment, segment);
    if (result != 0 && status[1] != isc_segment) break;
    bytes.append(segment, got);
  }
  const bool failed = status[1] != isc_segstr_eof;
  ISC_STATUS_ARRAY closing;
  isc_close_blob(closing, &blob);
  if (failed) RaiseEngineError(status);
  return bytes;
}

QVariant ValueOf(const XSQLVAR& var, isc_db_handle* db, isc_tr_handle* tr) {
  if ((var.sqltype & 1) != 0 && *var.sqlind < 0) return {};
  const char* data = var.sqldata;
  auto load = [data](auto value) {
    std::memcpy(&value, data, sizeof value);
    return value;
  };
  switch (var.sqltype & ~1) {
    case SQL_TEXT: {
      QByteArray text(data, var.sqllen);
      if (var.sqlsubtype == 1) return text;  // character set OCTETS
      while (text.endsWith(' ')) text.chop(1);
      return QString::fromUtf8(text);
    }
    case SQL_VARYING: {
      const auto length = load(short{});
      const QByteArray text(data + sizeof(short), length);
      if (var.sqlsubtype == 1) return text;
      return QString::fromUtf8(text);
    }
    case SQL_SHORT:
      return var.sqlscale < 0 ? QVariant(Scaled(load(short{}), var.sqlscale))
                              : QVariant(static_cast<int>(load(short{})));
    case SQL_LONG:
      return var.sqlscale < 0 ? QVariant(Scaled(load(ISC_LONG{}), var.sqlscale))
                              : QVariant(static_cast<int>(load(ISC_LONG{})));
    case SQL_INT64:
      return var.sqlscale < 0 ? QVariant(Scaled(load(ISC_INT64{}), var.sqlscale))
                              : QVariant(static_cast<qlonglong>(load(ISC_INT64{})));
    case SQL_FLOAT:
      return static_cast<double>(load(float{}));
    case SQL_DOUBLE:
      return load(double{});
    case SQL_BOOLEAN:
      return load(FB_BOOLEAN{}) != 0;
    case SQL_TYPE_DATE: {
      tm t{};
      const ISC_DATE date = load(ISC_DATE{});
      isc_decode_sql_date(&date, &t);
      return QDate(t.tm_year + 1900, t.tm_mon + 1, t.tm_mday);
    }
    case SQL_TYPE_TIME: {
      const ISC_TIME time = load(ISC_TIME{});
      return QTime::fromMSecsSinceStartOfDay(static_cast<int>(time / 10));
    }
    case SQL_TIMESTAMP: {
      const ISC_TIMESTAMP stamp = load(ISC_TIMESTAMP{});
      tm t{};
      isc_decode_sql_date(&stamp.timestamp_date, &t);
      return QDateTime(
          QDate(t.tm_year + 1900, t.tm_mon + 1, t.tm_mday),
          QTime::fromMSecsSinceStartOfDay(static_cast<int>(stamp.timestamp_time / 10)));
    }
    case SQL_BLOB: {
      // Binary data (a stored sound) is only ever shown as "(BLOB)", so its
      // bytes are not fetched: a list of sounds would read every recording.
      if (var.sqlsubtype != 1) return QByteArray("");
      return QString::fromUtf8(ReadBlob(db, tr, load(ISC_QUAD{})));
    }
    case SQL_NULL:
      return {};
    default:
      return QStringLiteral("(unsupported)");
  }
}

// Room for every column's value and null flag.
std::vector<std::vector<char>> Bind(XSQLDA* out) {
  std::vector<std::vector<char>> buffers(static_cast<std::size_t>(out->sqld) * 2);
  for (short i = 0; i < out->sqld; ++i) {
    XSQLVAR& var = out->sqlvar[i];
    std::size_t size = static_cast<std::size_t>(var.sqllen);
    if ((var.sqltype & ~1) == SQL_VARYING) size += sizeof(short);
    auto& data = buffers[static_cast<std::size_t>(i) * 2];
    auto& null = buffers[static_cast<std::size_t>(i) * 2 + 1];
    data.resize(size + sizeof(std::max_align_t));
    null.resize(sizeof(short) + sizeof(std::max_align_t));
    var.sqldata = data.data();
    var.sqlind = reinterpret_cast<short*>(null.data());
  }
  return buffers;
}

}  // namespace

ReadOnlyCursor::ReadOnlyCursor(const QSqlDatabase& db, const std::string& statement)
    : db_(DriverHandle(db)),
      transaction_(&db_, std::string_view(kReadOnlyTpb, sizeof kReadOnlyTpb)),
      columns_(std::make_unique<SqlDescriptor>(20)) {
  ISC_STATUS_ARRAY status;
  if (isc_dsql_allocate_statement(status, &db_, &statement_.handle) != 0) RaiseEngineError(status);
  const std::string text = WithoutTerminator(statement);
  if (isc_dsql_prepare(status, transaction_.Handle(), &statement_.handle, 0, text.c_str(),
                       SQL_DIALECT_V6, columns_->Get()) != 0) {
    RaiseEngineError(status);
  }
  if (StatementType(&statement_.handle) != isc_info_sql_stmt_select || StepsASequence(text)) {
    throw E_Select_Refused(TrText("ScoreDatabase", kOnlySelectText));
  }
  if (columns_->Get()->sqld > columns_->Get()->sqln) {
    columns_ = std::make_unique<SqlDescriptor>(columns_->Get()->sqld);
    if (isc_dsql_describe(status, &statement_.handle, SQL_DIALECT_V6, columns_->Get()) != 0) {
      RaiseEngineError(status);
    }
  }
  const XSQLDA* out = columns_->Get();
  for (short i = 0; i < out->sqld; ++i) {
    const XSQLVAR& var = out->sqlvar[i];
    fields_.emplace_back(var.aliasname, static_cast<std::size_t>(var.aliasname_length));
  }
  buffers_ = Bind(columns_->Get());
  if (isc_dsql_execute(status, transaction_.Handle(), &statement_.handle, SQL_DIALECT_V6,
                       nullptr) != 0) {
    RaiseEngineError(status);
  }
}

ReadOnlyCursor::Statement::~Statement() {
  ISC_STATUS_ARRAY status;
  if (handle != 0) isc_dsql_free_statement(status, &handle, DSQL_drop);
}

ReadOnlyCursor::~ReadOnlyCursor() = default;

bool ReadOnlyCursor::Next() {
  ISC_STATUS_ARRAY status;
  const ISC_STATUS fetched =
      isc_dsql_fetch(status, &statement_.handle, SQL_DIALECT_V6, columns_->Get());
  if (fetched == 100) return false;
  if (fetched != 0) RaiseEngineError(status);
  return true;
}

QVariant ReadOnlyCursor::Value(int field) {
  return ValueOf(columns_->Get()->sqlvar[field], &db_, transaction_.Handle());
}

std::string_view ReadOnlyCursor::Chars(int field) const {
  const XSQLVAR& var = columns_->Get()->sqlvar[field];
  if ((var.sqltype & 1) != 0 && *var.sqlind < 0) return {};
  switch (var.sqltype & ~1) {
    case SQL_TEXT:
      return {var.sqldata, static_cast<std::size_t>(var.sqllen)};
    case SQL_VARYING: {
      short length = 0;
      std::memcpy(&length, var.sqldata, sizeof length);
      return {var.sqldata + sizeof(short), static_cast<std::size_t>(length)};
    }
    default:
      return {};
  }
}

}  // namespace orv
