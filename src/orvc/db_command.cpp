// orvc db: the score database's administration: making one, checking that it
// answers, and backing it up and restoring it through Firebird's own backup
// service. DB is a file on this machine or a server's "host:/path"; without
// it, the score database the configuration names (the program directory's
// orv.ini, else /etc/orv/orv.ini; else scoredb.gdb in the program directory).
#include <unistd.h>

#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>
#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <ostream>
#include <string>
#include <vector>

#include "app/databaseuse.h"
#include "app/dbaccountconfig.h"
#include "app/programpaths.h"
#include "app/registry.h"
#include "app/scoredbconfig.h"
#include "files/dos.h"
#include "files/filelayer.h"
#include "orvc/command.h"
#include "orvc/programdirectory.h"
#include "scores/backupservice.h"
#include "scores/firebird/dbaccount.h"
#include "scores/firebird/engineerror.h"
#include "scores/firebird/fbclient.h"
#include "scores/firebird/qtconnection.h"
#include "scores/schemaupgrade.h"

namespace orv::orvc {
namespace {

constexpr const char* kUsage =
    "orvc db create [DB] | check [DB] | upgrade [DB] | learner [DB] | backup FILE [DB] | "
    "restore FILE DB";

// The probe row's name: no user can have it (names are upper-cased, this has
// lower-case letters).
constexpr char kProbeName[] = "orvc db check";

// The engine's messages run over several lines; orvc reports one.
std::string OneLine(std::string text) {
  for (char& c : text) {
    if (c == '\n') c = ' ';
  }
  return text;
}

std::string Engine(std::string path) {
  return IsLocalDatabasePath(path) ? NativePath(path) : path;
}

// The database argument at index i, else the configured one.
std::string DatabaseArg(const Invocation& inv, std::size_t i) {
  if (inv.args.size() > i) return Engine(inv.args[i]);
  const ProgramPaths& paths = PathsOf(inv);
  const std::string configured =
      ConfiguredScoreDbPath(std::string(kMachineIni), RegistryFile(paths));
  return Engine(configured.empty() ? paths.programDir + "scoredb.gdb" : configured);
}

// A connection of its own, closed and removed at the end.
class Connection {
 public:
  Connection(const std::string& path, const DbAccount& account) {
    QSqlDatabase db = AddEngineConnection(kName, account);
    db.setDatabaseName(QString::fromStdString(path));
    if (!db.open()) {
      // Qt's driver gives only the SQL code; the engine's own words come from
      // one more attempt through the client library.
      const std::optional<EngineError> error = ProbeAttach(path, account);
      throw CommandError{"cannot connect to " + path + ": " +
                             OneLine(error ? error->message : db.lastError().text().toStdString()),
                         1};
    }
  }
  ~Connection() {
    QSqlDatabase::database(kName, false).close();
    QSqlDatabase::removeDatabase(kName);
  }
  Connection(const Connection&) = delete;
  Connection& operator=(const Connection&) = delete;

  QSqlDatabase Db() const { return QSqlDatabase::database(kName, false); }

  // The first value of the statement's first row.
  QVariant Value(const QString& sql) const {
    QSqlQuery query(Db());
    if (!query.exec(sql) || !query.next()) Fail(query, sql);
    return query.value(0);
  }
  // Runs a statement that changes the database and commits it.
  void Commit(const QString& sql) const {
    QSqlDatabase db = Db();
    db.transaction();
    QSqlQuery query(db);
    if (!query.exec(sql)) Fail(query, sql);
    query.finish();
    if (!db.commit())
      throw CommandError{"cannot commit: " + db.lastError().text().toStdString(), 1};
  }

 private:
  [[noreturn]] static void Fail(const QSqlQuery& query, const QString& sql) {
    throw CommandError{sql.toStdString() + ": " + query.lastError().text().toStdString(), 1};
  }
  static constexpr char kName[] = "orvc-db";
};

int Create(const Invocation& inv, const DbAccount& account) {
  if (inv.args.size() > 2) throw CommandError{std::string("usage: ") + kUsage};
  const std::string db = DatabaseArg(inv, 1);
  CreateScoreDatabase(db, account);
  *inv.out << "Made the score database " << db << "\n";
  return 0;
}

int Check(const Invocation& inv, const DbAccount& account) {
  if (inv.args.size() > 2) throw CommandError{std::string("usage: ") + kUsage};
  const std::string db = DatabaseArg(inv, 1);
  const Connection c(db, account);
  const QString version =
      c.Value(QStringLiteral("SELECT rdb$get_context('SYSTEM', 'ENGINE_VERSION') FROM "
                             "rdb$database"))
          .toString();
  const QString path =
      c.Value(QStringLiteral("SELECT mon$database_name FROM mon$database")).toString().trimmed();
  const long long logRows = c.Value(QStringLiteral("SELECT count(*) FROM log")).toLongLong();
  const long long scoreRows = c.Value(QStringLiteral("SELECT count(*) FROM score")).toLongLong();
  const long long soundRows = c.Value(QStringLiteral("SELECT count(*) FROM sound")).toLongLong();
  const int schema = ScoreSchemaVersion(c.Db());

  // Each check removes its own probe row only: removing another's that is
  // not yet committed would fail on the other's lock.
  const QString word = QStringLiteral("probe %1").arg(::getpid());
  QString probe = QStringLiteral(
                      "INSERT INTO log (name, date1, time1, file1, word, log_group, help_count) "
                      "VALUES ('%1', '%2', '%3', '', '%4', 0, 0)")
                      .arg(kProbeName, QString::fromStdString(TodayText()),
                           QString::fromStdString(NowTimeText()), word);
  c.Commit(probe);
  c.Commit(
      QStringLiteral("DELETE FROM log WHERE name = '%1' AND word = '%2'").arg(kProbeName, word));

  // The round trip of the smallest statement, the median of a few.
  std::vector<double> ms;
  for (int i = 0; i < 5; ++i) {
    const auto start = std::chrono::steady_clock::now();
    c.Value(QStringLiteral("SELECT 1 FROM rdb$database"));
    ms.push_back(std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
                     .count());
  }
  std::sort(ms.begin(), ms.end());

  *inv.out << "database:   " << path.toStdString() << "\n"
           << "engine:     Firebird " << version.toStdString() << "\n"
           << "schema:     " << schema
           << (schema < kScoreSchemaVersion ? " (Orv upgrades it when it next connects)" : "")
           << "\n"
           << "rows:       log " << logRows << ", score " << scoreRows << ", sound " << soundRows
           << "\n"
           << "probe row:  written and removed\n"
           << "round trip: " << ms[ms.size() / 2] << " ms\n";
  return 0;
}

int Upgrade(const Invocation& inv, const DbAccount& account) {
  if (inv.args.size() > 2) throw CommandError{std::string("usage: ") + kUsage};
  const std::string db = DatabaseArg(inv, 1);
  const Connection c(db, account);
  QSqlDatabase connection = c.Db();
  const int before = ScoreSchemaVersion(connection);
  UpgradeScoreSchema(connection);
  *inv.out << "The score database " << db << " has the schema " << ScoreSchemaVersion(connection)
           << (before < kScoreSchemaVersion ? " (upgraded from " + std::to_string(before) + ")"
                                            : "")
           << "\n";
  return 0;
}

// The learners' account gets the schema's rights again and no others.
int Learner(const Invocation& inv, const DbAccount& account) {
  if (inv.args.size() > 2) throw CommandError{std::string("usage: ") + kUsage};
  const std::string db = DatabaseArg(inv, 1);
  const Connection c(db, account);
  QSqlDatabase connection = c.Db();
  ResetLearnerRights(connection);
  *inv.out << kLearnerAccount << " may add answers, scores and sounds to " << db
           << " and read them, and change or remove nothing\n";
  return 0;
}

int Backup(const Invocation& inv, const DbAccount& account) {
  if (inv.args.size() < 2 || inv.args.size() > 3) {
    throw CommandError{std::string("usage: ") + kUsage};
  }
  const std::string file = inv.args[1];
  const std::string db = DatabaseArg(inv, 2);
  BackupDatabase(db, file, account);
  *inv.out << "Backed up " << db << " to " << file << "\n";
  return 0;
}

int Restore(const Invocation& inv, const DbAccount& account) {
  if (inv.args.size() != 3) throw CommandError{std::string("usage: ") + kUsage};
  const std::string file = inv.args[1];
  const std::string db = DatabaseArg(inv, 2);
  RestoreDatabase(file, db, account);
  *inv.out << "Restored " << file << " to " << db << "\n";
  return 0;
}

int Dispatch(const Invocation& inv) {
  if (inv.args.empty()) throw CommandError{std::string("usage: ") + kUsage};
  const std::string& what = inv.args[0];
  using Action = int (*)(const Invocation&, const DbAccount&);
  const Action action = what == "create"    ? Create
                        : what == "check"   ? Check
                        : what == "upgrade" ? Upgrade
                        : what == "learner" ? Learner
                        : what == "backup"  ? Backup
                        : what == "restore" ? Restore
                                            : nullptr;
  if (action == nullptr) {
    throw CommandError{"unknown db command \"" + what + "\"; usage: " + kUsage};
  }
  const ProgramPaths& paths = PathsOf(inv);
  try {
    const DatabaseUse databases(paths);
    return action(inv, databases.Account());
  } catch (const E_Orv_Error& e) {
    throw CommandError{OneLine(e.what()), 1};
  }
}

// The process ends here, without the library clean-up of a normal exit: the
// embedded engine unloads its plugin then while one of its threads (the
// backup service's) may still run in it, which crashed a run in three.
[[noreturn]] int Run(const Invocation& inv) {
  int code = 0;
  try {
    code = Dispatch(inv);
  } catch (const CommandError& e) {
    *inv.err << "orvc: " << e.message << "\n";
    code = e.exitCode;
  }
  inv.out->flush();
  inv.err->flush();
  std::_Exit(code);
}

}  // namespace

ORVC_COMMAND("db", kUsage,
             "the score database: make one, check that it answers, upgrade it, give the learners' "
             "account its rights again, back it up, restore a backup",
             Run);

}  // namespace orv::orvc
