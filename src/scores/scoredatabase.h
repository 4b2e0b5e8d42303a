#pragma once
// The score database as the log window's database components hold it: one
// connection through Qt's QIBASE driver, one transaction that every write
// commits, the stored procedure of log groups, the two logging inserts and
// what the end of a test reads back of a learner's earlier tests.
// The windows show their queries through Database(). What a learner's
// answers write and read (the log group, the log row, the last score, an
// earlier miss) goes through statements prepared once on the same
// attachment, each committed as it runs: one exchange with the server each.
#include <QSqlDatabase>
#include <QSqlQuery>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "base/dialogs.h"
#include "scores/firebird/autocommit.h"
#include "scores/firebird/engineerror.h"
#include "scores/schemaupgrade.h"
#include "scores/scoredbhost.h"
#include "scores/scorerecord.h"

namespace orv {

class ScoreDatabase {
 public:
  ScoreDatabase(Dialogs& dialogs, ScoreDbHost& host);
  ~ScoreDatabase();
  ScoreDatabase(const ScoreDatabase&) = delete;
  ScoreDatabase& operator=(const ScoreDatabase&) = delete;

  // Returns true once connected; false after the user chose to quit (then
  // QuitAllowed is set and the application is asked to terminate).
  bool ConectDB();
  // One attempt; true when connected and the transaction is active.
  bool TryConnect();
  // The "Change database" command, also the recovery step of ConectDB.
  void ChooseDatabase();
  // Asks whether to try again; any answer but Yes quits the program.
  void AskRetry(const std::string& message);

  // The new test's log group: a number never handed out before.
  std::int32_t NextLogGroup();
  // One log row; a right answer (answer equal to wordKey) is stored as NULL.
  void LogWord(const std::string& userName, const std::string& listPath, const std::string& wordKey,
               const std::string& answer, std::int32_t logGroup, std::uint16_t helpCount);
  // Work written in the transaction of a score row, after the row: the two
  // are committed together or not at all. It raises E_DB_Error; one for
  // which IsReviewConflict holds rolls both back, and they are done again.
  using ScoreWork = std::function<void(const QSqlDatabase&)>;
  // One score row; its file1 is the list key followed by ".SCO".
  void LogScore(const std::string& listPath, const scoreR& result, std::int32_t logGroup,
                const ScoreWork& alsoWrite = {});
  // The user's last test of the list, when there was one.
  std::optional<PastScore> LastScore(const std::string& userName, const std::string& listPath);
  // Whether the user's log holds a wrong answer to the word in a test before
  // the group, in any list.
  bool MissedBefore(const std::string& userName, const std::string& wordKey,
                    std::int32_t beforeGroup);

  // Connects when needed, runs a statement that changes the database and
  // commits it, keeping the transaction open. Raises E_DB_Error when the
  // statement fails; does nothing once the user gave up on the database.
  void RunAndCommit(const std::string& statement);
  // Makes the work so far durable; the transaction stays open.
  void CommitRetaining();
  // Undoes every change since the last commit; the transaction stays open.
  void Rollback();
  void Disconnect();
  bool Connected() const;

  // The connection, for the windows' queries. Its transaction begins anew
  // when answers were logged since it began, so its reads see them and what
  // others committed up to then.
  QSqlDatabase Database() const;
  // Whether the database keeps each log row's day as a DATE, and the narrow
  // tables the counts are read from; until the first connection a database
  // is taken to be of the current schema.
  bool HasDayColumn() const { return schemaVersion_ >= 2; }
  bool HasCountTables() const { return schemaVersion_ >= 3; }
  // The path the connection was last opened with.
  std::string DatabaseName() const;

  // The engine's error of the last failed connection attempt.
  std::int32_t LastErrorCode() const { return lastError_.code; }
  std::int32_t LastSqlCode() const { return lastError_.sqlCode; }
  const std::string& LastErrorMessage() const { return lastError_.message; }

 private:
  // Runs a statement. When it fails because the engine has dropped the
  // connection (a server restarted, a network gone), the connection is made
  // again, through the retry box when that fails, and the statement runs once
  // more; false when the user chose to end the program instead.
  bool Execute(QSqlQuery& query, const QString& statement);
  // Whether a write is in the database already: asked, on the new
  // connection, when the old one went while the write was being committed.
  using AlreadyIn = std::function<bool()>;
  // Runs a statement that is committed as it runs (AutoCommitStatements),
  // with the same care for a dropped connection: false when the user chose
  // to end the program instead. The statement's row, if any, goes to row.
  bool RunAtOnce(const std::string& statement, const std::vector<SqlValue>& params,
                 std::optional<NumberRow>* row = nullptr, const AlreadyIn& alreadyIn = {});
  // Whether the engine still answers on the connection.
  bool ConnectionAlive();
  // The score rows' key of a list: its folder, base name and ".SCO".
  std::string ScoreKey(const std::string& listPath) const;
  // Commits and starts the next transaction; false, with the connection
  // closed, when the connection had died and the work went with it.
  bool CommitUnlessGone();
  // RunAndCommit with the work after the statement, in its transaction.
  void RunWithWorkAndCommit(const std::string& statement, const ScoreWork& work,
                            const AlreadyIn& alreadyIn = {});
  bool ConnectFailed(const std::string& path);
  void UpgradeOnConnect();
  void ShowEngineError(const EngineError& error);
  bool OfferNewDatabase(const std::string& path);
  void StartTransaction();

  Dialogs& dialogs_;
  ScoreDbHost& host_;
  QString connectionName_;
  QSqlDatabase db_;
  // Changed when the transaction begins anew, also by Database().
  mutable bool inTransaction_ = false;
  // Set when a statement committed at once wrote since the transaction began.
  mutable bool behind_ = false;
  std::unique_ptr<AutoCommitStatements> atOnce_;
  int schemaVersion_ = kScoreSchemaVersion;
  EngineError lastError_;
};

}  // namespace orv
