#include "scores/firebird/fbclient.h"

#include <ibase.h>

#include <string_view>

#include "base/translate.h"
#include "files/safesave.h"
#include "scores/firebird/engineroot.h"
#include "scores/firebird/fbstatus.h"
#include "scores/firebird/fbtransaction.h"
#include "scores/firebird/parameterblock.h"
#include "scores/firebird/schema.h"
#include "scores/firebird/sqlquote.h"

namespace orv {
namespace {

// The parameter block of an attachment: the account's user and password.
ParameterBlock AttachParameters(const DbAccount& account) {
  ParameterBlock dpb(isc_dpb_version1);
  dpb.Text(isc_dpb_user_name, account.user,
           QT_TRANSLATE_NOOP("ScoreDatabase", "The database user name"));
  dpb.Text(isc_dpb_password, account.password,
           QT_TRANSLATE_NOOP("ScoreDatabase", "The database password"));
  dpb.Text(isc_dpb_lc_ctype, "UTF8", QT_TRANSLATE_NOOP("ScoreDatabase", "The character set"));
  return dpb;
}

class Attachment {
 public:
  Attachment() = default;
  ~Attachment() { Detach(); }
  Attachment(const Attachment&) = delete;
  Attachment& operator=(const Attachment&) = delete;

  isc_db_handle* Handle() { return &handle_; }
  void Detach() {
    ISC_STATUS_ARRAY status;
    if (handle_ != 0) isc_detach_database(status, &handle_);
    handle_ = 0;
  }
  // Removes the database file; used when a new database could not be made whole.
  void Drop() {
    ISC_STATUS_ARRAY status;
    if (handle_ != 0 && isc_drop_database(status, &handle_) != 0) Detach();
    handle_ = 0;
  }

 private:
  isc_db_handle handle_ = 0;
};

// Attaches with the account; false, with the engine's status, when the
// attachment fails.
bool Attach(const std::string& path, const DbAccount& account, Attachment& attachment,
            ISC_STATUS* status) {
  RequirePreparedEngine();
  const ParameterBlock dpb = AttachParameters(account);
  return isc_attach_database(status, 0, path.c_str(), attachment.Handle(), dpb.Size(),
                             dpb.Data()) == 0;
}

void RunStatement(Attachment& attachment, FbTransaction& transaction,
                  const std::string& statement) {
  ISC_STATUS_ARRAY status;
  if (isc_dsql_execute_immediate(status, attachment.Handle(), transaction.Handle(), 0,
                                 statement.c_str(), SQL_DIALECT_V6, nullptr) != 0) {
    RaiseEngineError(status,
                     Filled(TrText("ScoreDatabase", "Cannot run \"%1\""), statement.substr(0, 60)));
  }
}

}  // namespace

bool IsLocalDatabasePath(const std::string& path) {
  if (path.find("://") != std::string::npos) return false;
  if (path.empty() || path[0] == '/' || path[0] == '.' || path[0] == '\\') return true;
  std::size_t colon = path.find(':');
  // "C:\..." names a drive, not a host.
  return colon == std::string::npos || colon == 1;
}

std::optional<EngineError> ProbeAttach(const std::string& path, const DbAccount& account) {
  Attachment attachment;
  ISC_STATUS_ARRAY status;
  if (!Attach(path, account, attachment, status)) return EngineErrorOf(status);
  return std::nullopt;
}

void DropDatabase(const std::string& path, const DbAccount& account) noexcept {
  try {
    Attachment attachment;
    ISC_STATUS_ARRAY status;
    if (Attach(path, account, attachment, status)) attachment.Drop();
  } catch (const E_DB_Error&) {
    // Nothing was attached, so nothing is removed.
  }
}

void CreateScoreDatabase(const std::string& path, const DbAccount& account) {
  CreateDatabase(path, SchemaScript(), account);
}

void CreateDatabase(const std::string& path, std::string_view script, const DbAccount& account) {
  RequirePreparedEngine();
  std::string create = "CREATE DATABASE ";
  SqlQuote(create, path);
  create += " USER ";
  SqlQuote(create, account.user);
  create += " PASSWORD ";
  SqlQuote(create, account.password);
  create += " PAGE_SIZE 16384 DEFAULT CHARACTER SET UTF8";

  Attachment attachment;
  isc_tr_handle none = 0;
  ISC_STATUS_ARRAY status;
  if (isc_dsql_execute_immediate(status, attachment.Handle(), &none, 0, create.c_str(),
                                 SQL_DIALECT_V6, nullptr) != 0) {
    RaiseEngineError(status,
                     Filled(TrText("ScoreDatabase", "Cannot create the database %1"), path));
  }
  // The scores are the learners' own: other accounts may not read the file.
  if (IsLocalDatabasePath(path)) MakeFilePrivate(path);
  // One transaction for the whole script: a database is made whole or not at all.
  try {
    FbTransaction transaction(attachment.Handle(), {},
                              TrText("ScoreDatabase", "Cannot start a transaction"));
    for (const std::string& statement : ScriptStatements(script)) {
      RunStatement(attachment, transaction, statement);
    }
    transaction.Commit();
  } catch (...) {
    attachment.Drop();
    throw;
  }
}

}  // namespace orv
