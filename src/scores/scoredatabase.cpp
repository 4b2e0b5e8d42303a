#include "scores/scoredatabase.h"

#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>
#include <atomic>
#include <filesystem>
#include <string>
#include <string_view>

#include "base/platform.h"
#include "base/translate.h"
#include "base/utf8.h"
#include "files/dos.h"
#include "files/filelayer.h"
#include "scores/firebird/fbclient.h"
#include "scores/firebird/qtconnection.h"
#include "scores/firebird/sqlquote.h"
#include "scores/reviewtable.h"
#include "scores/schemaupgrade.h"

namespace orv {
namespace {

const char kEngineNotRunning[] = QT_TRANSLATE_NOOP(
    "ScoreDatabase",
    "Cannot connect to the database engine. Are you sure firebird or another interbase "
    "compatible database is running? ");
const char kNotValid[] = QT_TRANSLATE_NOOP(
    "ScoreDatabase",
    "The current database file is not a valid database file please click yes to choose a new "
    "one.");
const char kCannotOpen[] =
    QT_TRANSLATE_NOOP("ScoreDatabase", "Can not open the database file for orv");

// The sizes of the log's and the score's text columns, in characters: longer
// texts are cut to them, so a long word or answer is logged instead of
// ending the test.
constexpr std::size_t kNameChars = 100;
constexpr std::size_t kFileChars = 500;
constexpr std::size_t kWordChars = 4000;

// How often a score's work is done again when other programs keep writing
// the same learner's rows at the same moment.
constexpr int kConflictTries = 20;

// A text as its column keeps it: cut to the column's characters, and
// without NUL bytes, as the statements' literals always left them out.
std::string Stored(std::string_view text, std::size_t characters) {
  std::string kept = CutToCharacters(text, characters);
  std::erase(kept, '\0');
  return kept;
}

FileDialogRequest ScoreFileDialog() {
  FileDialogRequest request;
  request.filter = TrText("ScoreDatabase", "Interbase compatible database files(*.gdb)|*.gdb");
  request.defaultExt = "gdb";
  request.fileName = "scoredb.gdb";
  return request;
}

std::string SqlErrorText(const QSqlError& error) {
  return error.text().toStdString();
}

// For a user who may not choose another database when the one set cannot be
// opened (a right on it lost, say).
std::string CannotChooseText(const std::string& path, std::int32_t level,
                             const std::string& cause) {
  return Filled(TrText("ScoreDatabase",
                       "Access denied: choosing another score database than %1 needs level %2 "
                       "(Change Database)."),
                path, std::to_string(level)) +
         (cause.empty()
              ? std::string()
              : Filled(TrText("ScoreDatabase", " The database could not be opened: %1."), cause)) +
         TrText("ScoreDatabase",
                " Orv tries the same file again; if it keeps failing, ask a teacher.");
}

}  // namespace

ScoreDatabase::ScoreDatabase(Dialogs& dialogs, ScoreDbHost& host) : dialogs_(dialogs), host_(host) {
  static std::atomic<int> serial{0};
  connectionName_ = QStringLiteral("orv-score-%1").arg(++serial);
  db_ = AddEngineConnection(connectionName_, host_.Account());
}

ScoreDatabase::~ScoreDatabase() {
  Disconnect();
  db_ = QSqlDatabase();
  QSqlDatabase::removeDatabase(connectionName_);
}

bool ScoreDatabase::Connected() const {
  return db_.isOpen();
}

std::string ScoreDatabase::DatabaseName() const {
  return db_.databaseName().toStdString();
}

void ScoreDatabase::Disconnect() {
  // Its statements and transaction go while the attachment is still there.
  atOnce_.reset();
  behind_ = false;
  if (db_.isOpen()) {
    if (inTransaction_) db_.rollback();
    db_.close();
  }
  inTransaction_ = false;
}

bool ScoreDatabase::ConectDB() {
  if (Connected()) return true;
  // The user chose to end the program: the database is not tried again.
  if (host_.QuitAllowed()) return false;
  for (;;) {
    if (TryConnect()) return true;
    if (lastError_.code == kUnavailableDatabase || lastError_.code == kNetworkError) {
      AskRetry(TrText("ScoreDatabase", kEngineNotRunning));
    } else {
      AskRetry(
          TrText("ScoreDatabase", lastError_.code == kNotValidDatabase ? kNotValid : kCannotOpen));
      if (!host_.QuitAllowed()) {
        if (host_.CurrentLevel() < host_.ChangeDbLevel()) {
          // Another file is not this user's to choose; the message says why
          // the file failed and what comes next.
          dialogs_.Warning(
              CannotChooseText(host_.ScoreDbPath(), host_.ChangeDbLevel(), lastError_.message));
        } else {
          ChooseDatabase();
        }
      }
    }
    if (host_.QuitAllowed()) return Connected();
  }
}

bool ScoreDatabase::TryConnect() {
  std::string path = host_.ScoreDbPath();
  if (path.empty()) {
    FileDialogRequest request = ScoreFileDialog();
    request.fileName = host_.ProgramDir() + "scoredb.gdb";
    path = dialogs_.OpenFile(request).fileName;
    host_.SetScoreDbPath(path);
  }
  // A file on this machine is reached through the file layer, as every
  // other file of the program is.
  const std::string target = IsLocalDatabasePath(path) ? NativePath(path) : path;
  if (!Connected() && IsLocalDatabasePath(path) && !path.empty()) {
    std::error_code ec;
    if (!std::filesystem::exists(target, ec) && !OfferNewDatabase(target)) return false;
  }
  db_.setDatabaseName(QString::fromStdString(target));
  if (!db_.isOpen()) {
    if (!db_.open()) return ConnectFailed(target);
    UpgradeOnConnect();
  }
  if (!inTransaction_) {
    if (!db_.transaction()) return ConnectFailed(target);
    inTransaction_ = true;
  }
  return true;
}

// A database made by an older program is brought up to date before any
// work. When that fails, the learner can still answer and log (the old
// columns are all there) and the queries read what the database's form
// offers (the date texts, the log itself); the message says why, and the
// next connection tries again.
void ScoreDatabase::UpgradeOnConnect() {
  try {
    UpgradeScoreSchema(db_);
    schemaVersion_ = kScoreSchemaVersion;
  } catch (const E_DB_Error& e) {
    try {
      schemaVersion_ = ScoreSchemaVersion(db_);
    } catch (const E_DB_Error&) {
      schemaVersion_ = 1;
    }
    dialogs_.ShowMessage(e.what());
  }
}

// Qt's driver reports only the SQL code; the engine's status code comes from
// one more attempt through the client library itself.
bool ScoreDatabase::ConnectFailed(const std::string& path) {
  if (db_.isOpen()) db_.close();
  if (std::optional<EngineError> error = ProbeAttach(path, host_.Account()))
    ShowEngineError(*error);
  return false;
}

// The engine's error is kept and shown as its status code, SQL code and
// message run together.
void ScoreDatabase::ShowEngineError(const EngineError& error) {
  lastError_ = error;
  dialogs_.ShowMessage(std::to_string(error.code) + std::to_string(error.sqlCode) + error.message);
}

// A database file that is not there yet can be made on the spot, by a user
// who may change the database; others are not asked. Returns false when
// making it failed (the engine's error is shown then).
bool ScoreDatabase::OfferNewDatabase(const std::string& path) {
  if (host_.CurrentLevel() < host_.ChangeDbLevel()) return true;
  if (!dialogs_.ConfirmYesNo(
          Filled(TrText("ScoreDatabase",
                        "The database file %1 does not exist. Create a new score database there?"),
                 path))) {
    return true;
  }
  try {
    CreateScoreDatabase(path, host_.Account());
    return true;
  } catch (const E_DB_Error& e) {
    ShowEngineError(e.engine());
    return false;
  }
}

void ScoreDatabase::AskRetry(const std::string& message) {
  const std::string text =
      Filled(TrText("ScoreDatabase",
                    "Database file:%1\n%2\ndo you whant to try again click No to exit Orv6?"),
             host_.ScoreDbPath(), message);
  if (dialogs_.Message(MsgKind::Confirmation, text, MsgButtons::YesNo) != MsgAnswer::Yes) {
    host_.SetQuitAllowed();
    RequestQuit();
  }
}

void ScoreDatabase::ChooseDatabase() {
  if (host_.CurrentLevel() < host_.ChangeDbLevel()) {
    dialogs_.Message(MsgKind::Warning, TrText("ScoreDatabase", "Access denied"), MsgButtons::Ok);
    return;
  }
  std::string path = host_.ScoreDbPath();
  if (path.empty()) path = host_.ProgramDir() + "scoreDB.gdb";
  FileDialogRequest request = ScoreFileDialog();
  request.initialDir = FolderOf(path);
  request.fileName = FileNameOf(path);
  FileDialogResult chosen = dialogs_.OpenFile(request);
  if (!chosen.accepted) return;
  path = dialogs_
             .Input(TrText("ScoreDatabase", "Data base"), TrText("ScoreDatabase", "Edit if wrong:"),
                    chosen.fileName)
             .value_or(chosen.fileName);
  host_.SetScoreDbPath(path);
  Disconnect();
  ConectDB();
}

void ScoreDatabase::StartTransaction() {
  if (!db_.transaction()) {
    throw E_DB_Error(Filled(TrText("ScoreDatabase", "Cannot start a transaction: %1"),
                            SqlErrorText(db_.lastError())));
  }
  inTransaction_ = true;
  behind_ = false;
}

QSqlDatabase ScoreDatabase::Database() const {
  if (behind_ && inTransaction_) {
    // Nothing of the transaction is lost: it holds no work of its own that
    // a write of the program would not have committed before.
    QSqlDatabase db = db_;
    inTransaction_ = db.commit() && db.transaction();
  }
  behind_ = false;
  return db_;
}

void ScoreDatabase::CommitRetaining() {
  if (!CommitUnlessGone())
    throw E_DB_Error(
        TrText("ScoreDatabase", "Cannot commit: the connection to the database is lost"));
}

void ScoreDatabase::Rollback() {
  if (!inTransaction_) return;
  inTransaction_ = false;
  if (!db_.rollback()) {
    throw E_DB_Error(
        Filled(TrText("ScoreDatabase", "Cannot roll back: %1"), SqlErrorText(db_.lastError())));
  }
  StartTransaction();
}

bool ScoreDatabase::ConnectionAlive() {
  QSqlQuery probe(db_);
  return probe.exec(QStringLiteral("SELECT 1 FROM RDB$DATABASE"));
}

bool ScoreDatabase::Execute(QSqlQuery& query, const QString& statement) {
  if (query.exec(statement)) return true;
  const QSqlError error = query.lastError();
  // A statement can fail on a live connection; only a dead one is made anew.
  if (ConnectionAlive()) throw E_DB_Error(SqlErrorText(error));
  Disconnect();
  if (!ConectDB()) return false;
  query = QSqlQuery(db_);
  if (!query.exec(statement)) throw E_DB_Error(SqlErrorText(query.lastError()));
  return true;
}

bool ScoreDatabase::CommitUnlessGone() {
  if (!inTransaction_) return true;
  // Qt ends the transaction on commit; a new one starts at once, so work
  // goes on in one open transaction that also sees what others committed.
  inTransaction_ = false;
  if (!db_.commit()) {
    const QSqlError error = db_.lastError();
    if (ConnectionAlive()) {
      throw E_DB_Error(Filled(TrText("ScoreDatabase", "Cannot commit: %1"), SqlErrorText(error)));
    }
    Disconnect();
    return false;
  }
  if (db_.transaction()) {
    inTransaction_ = true;
    behind_ = false;
  } else if (ConnectionAlive()) {
    throw E_DB_Error(Filled(TrText("ScoreDatabase", "Cannot start a transaction: %1"),
                            SqlErrorText(db_.lastError())));
  } else {
    // The work is kept; the next statement makes the connection again.
    Disconnect();
  }
  return true;
}

void ScoreDatabase::RunAndCommit(const std::string& statement) {
  RunWithWorkAndCommit(statement, {});
}

void ScoreDatabase::RunWithWorkAndCommit(const std::string& statement, const ScoreWork& work,
                                         const AlreadyIn& alreadyIn) {
  const QString text = QString::fromStdString(statement);
  // A connection lost between the statement and its commit took the
  // statement with it: it runs once more on the new connection.
  int lost = 0;
  for (int attempt = 0; attempt < kConflictTries; ++attempt) {
    if (!ConectDB()) return;
    QSqlQuery query(db_);
    if (!Execute(query, text)) return;
    query.finish();
    if (work) {
      try {
        work(db_);
      } catch (const E_DB_Error& e) {
        Rollback();
        if (IsReviewConflict(e)) continue;
        throw;
      }
    }
    if (CommitUnlessGone()) return;
    if (++lost == 2) break;
    // The commit may have reached the engine before the connection went.
    if (alreadyIn && (!ConectDB() || alreadyIn())) return;
  }
  throw E_DB_Error(
      lost == 2 ? TrText("ScoreDatabase",
                         "The connection to the database was lost twice while committing")
                : TrText("ScoreDatabase", "Another program kept writing the same learner's rows"));
}

bool ScoreDatabase::RunAtOnce(const std::string& statement, const std::vector<SqlValue>& params,
                              std::optional<NumberRow>* row, const AlreadyIn& alreadyIn) {
  // A connection lost while the statement ran may have taken it with it:
  // it runs once more on the new connection.
  for (int lost = 0;;) {
    if (!ConectDB()) return false;
    try {
      if (!atOnce_) atOnce_ = std::make_unique<AutoCommitStatements>(db_);
      std::optional<NumberRow> result = atOnce_->Run(statement, params);
      if (row != nullptr) *row = std::move(result);
      return true;
    } catch (const E_DB_Error& e) {
      // A statement can fail on a live connection; only a dead one is made anew.
      if (ConnectionAlive()) throw;
      Disconnect();
      if (++lost == 2) {
        throw E_DB_Error(TrText("ScoreDatabase",
                                "The connection to the database was lost twice while committing"),
                         e.engine());
      }
      // The engine may have committed the statement before the connection went.
      if (alreadyIn) {
        if (!ConectDB()) return false;
        if (alreadyIn()) return true;
      }
    }
  }
}

std::int32_t ScoreDatabase::NextLogGroup() {
  std::optional<NumberRow> row;
  if (!RunAtOnce("EXECUTE PROCEDURE GETNEXTLOGGROUPID", {}, &row) || !row || row->empty()) return 0;
  return static_cast<std::int32_t>(row->front().value_or(0));
}

void ScoreDatabase::LogWord(const std::string& userName, const std::string& listPath,
                            const std::string& wordKey, const std::string& answer,
                            std::int32_t logGroup, std::uint16_t helpCount) {
  SqlValue typed;
  if (answer != wordKey) typed = Stored(answer, kWordChars);
  const std::string name = Stored(userName, kNameChars);
  const std::string word = Stored(wordKey, kWordChars);
  const std::string day = TodayText();
  const std::string time = NowTimeText();
  // No learner gives the same answer to the same word twice in one second.
  const AlreadyIn alreadyIn = [&] {
    std::optional<NumberRow> found;
    return RunAtOnce(
               "SELECT FIRST 1 1 FROM log WHERE log_group = ? AND name = ? AND word = ? "
               "AND date1 = ? AND time1 = ? AND answer IS NOT DISTINCT FROM ?",
               {std::int64_t{logGroup}, name, word, day, time, typed}, &found) &&
           found.has_value();
  };
  if (!RunAtOnce("INSERT INTO log (name, date1, time1, file1, word, log_Group, help_count, "
                 "answer) VALUES (?, ?, ?, ?, ?, ?, ?, ?)",
                 {name, day, time, Stored(host_.CurrentDir() + BaseName(listPath), kFileChars),
                  word, std::int64_t{logGroup}, std::int64_t{helpCount}, typed},
                 nullptr, alreadyIn)) {
    return;
  }
  behind_ = true;
}

std::string ScoreDatabase::ScoreKey(const std::string& listPath) const {
  return CutToCharacters(host_.CurrentDir() + BaseName(listPath) + ".SCO", kFileChars);
}

void ScoreDatabase::LogScore(const std::string& listPath, const scoreR& result,
                             std::int32_t logGroup, const ScoreWork& alsoWrite) {
  std::string values;
  SqlQuoteList(values, CutToCharacters(result.name, kNameChars));
  SqlQuoteList(values, TodayText());
  SqlQuoteList(values, NowTimeText());
  SqlQuoteList(values, ScoreKey(listPath));
  for (std::int64_t n :
       {std::int64_t{result.max_help}, std::int64_t{result.help_total},
        std::int64_t{result.word_count}, std::int64_t{result.score}, std::int64_t{logGroup}}) {
    values += "," + std::to_string(n);
  }
  values += ")";
  // A test's log group is its own: one score row has it.
  const AlreadyIn alreadyIn = [&] {
    std::optional<NumberRow> found;
    return RunAtOnce("SELECT FIRST 1 1 FROM score WHERE log_group = ? AND name = ?",
                     {std::int64_t{logGroup}, Stored(result.name, kNameChars)}, &found) &&
           found.has_value();
  };
  RunWithWorkAndCommit(
      "INSERT INTO score (name, date1, time1, file1, max_help,  help_total, word_count, "
      "score,log_group  ) VALUES (" +
          values,
      alsoWrite, alreadyIn);
}

std::optional<PastScore> ScoreDatabase::LastScore(const std::string& userName,
                                                  const std::string& listPath) {
  std::optional<NumberRow> row;
  if (!RunAtOnce("SELECT FIRST 1 score, word_count FROM score WHERE name = ? AND file1 = ? "
                 "ORDER BY log_group DESC",
                 {Stored(userName, kNameChars), Stored(ScoreKey(listPath), kFileChars)}, &row) ||
      !row) {
    return std::nullopt;
  }
  return PastScore{static_cast<int>(row->at(0).value_or(0)),
                   static_cast<int>(row->at(1).value_or(0))};
}

bool ScoreDatabase::MissedBefore(const std::string& userName, const std::string& wordKey,
                                 std::int32_t beforeGroup) {
  std::optional<NumberRow> row;
  return RunAtOnce(
             "SELECT FIRST 1 1 FROM log WHERE name = ? AND word = ? AND answer IS NOT NULL "
             "AND log_group < ?",
             {Stored(userName, kNameChars), Stored(wordKey, kWordChars), std::int64_t{beforeGroup}},
             &row) &&
         row.has_value();
}

}  // namespace orv
