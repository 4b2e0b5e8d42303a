#include "scores/backupservice.h"

#include <fcntl.h>
#include <ibase.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QSqlQuery>
#include <QVariant>
#include <cerrno>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <string_view>
#include <thread>
#include <utility>

#include "files/safesave.h"
#include "scores/firebird/dbaccount.h"
#include "scores/firebird/engineerror.h"
#include "scores/firebird/engineroot.h"
#include "scores/firebird/fbclient.h"
#include "scores/firebird/fbtransaction.h"
#include "scores/firebird/parameterblock.h"
#include "scores/firebird/qtconnection.h"

namespace orv {
namespace {

// The service manager that serves the database, and the database's path as
// that manager knows it: "host/port:/srv/s.gdb" is served by
// "host/port:service_mgr" as "/srv/s.gdb".
struct ServiceTarget {
  std::string manager;
  std::string path;
};

ServiceTarget TargetOf(const std::string& db) {
  if (IsLocalDatabasePath(db)) return {"service_mgr", db};
  const std::size_t colon = db.find(':');
  return {db.substr(0, colon + 1) + "service_mgr", db.substr(colon + 1)};
}

// The engine's own backup tool, run in this process, asks on the terminal
// for the next volume when a backup ends early, and waits for the answer.
// While a service runs it has no terminal: standard input reads nothing and
// its prompt goes nowhere.
class NoTerminal {
 public:
  NoTerminal() {
    std::fflush(nullptr);
    const int null = ::open("/dev/null", O_RDWR | O_CLOEXEC);
    for (int fd : {STDIN_FILENO, STDOUT_FILENO}) {
      saved_[fd] = ::fcntl(fd, F_DUPFD_CLOEXEC, 3);
      if (null >= 0) ::dup2(null, fd);
    }
    if (null >= 0) ::close(null);
  }
  ~NoTerminal() {
    std::fflush(nullptr);
    for (int fd : {STDIN_FILENO, STDOUT_FILENO}) {
      if (saved_[fd] < 0) {
        ::close(fd);
        continue;
      }
      ::dup2(saved_[fd], fd);
      ::close(saved_[fd]);
    }
  }
  NoTerminal(const NoTerminal&) = delete;
  NoTerminal& operator=(const NoTerminal&) = delete;

 private:
  int saved_[2] = {-1, -1};
};

class Service {
 public:
  Service(const std::string& manager, const DbAccount& account) {
    RequirePreparedEngine();
    ParameterBlock spb(isc_spb_version);
    spb.Byte(isc_spb_current_version);
    spb.Text(isc_spb_user_name, account.user, "The database user name");
    spb.Text(isc_spb_password, account.password, "The database password");
    ISC_STATUS_ARRAY status;
    if (isc_service_attach(status, 0, manager.c_str(), &handle_, spb.Size(), spb.Data()) != 0) {
      RaiseEngineError(status, "Cannot reach the service manager " + manager);
    }
  }
  ~Service() {
    ISC_STATUS_ARRAY status;
    if (handle_ != 0) isc_service_detach(status, &handle_);
  }
  Service(const Service&) = delete;
  Service& operator=(const Service&) = delete;

  // Starts the action and waits for its end: its output is read until there
  // is none and the service says it no longer runs (detaching from a service
  // still at work would leave it running in this process). A failure comes
  // with the reading.
  void Run(const ParameterBlock& action, const std::string& what) {
    const NoTerminal quiet;
    ISC_STATUS_ARRAY status;
    if (isc_service_start(status, &handle_, nullptr, action.Size(), action.Data()) != 0) {
      RaiseEngineError(status, what);
    }
    try {
      while (ReadLine(what) || Running(what)) {
      }
    } catch (const E_DB_Error&) {
      // Told once the service has ended: until then it may still hold the
      // database it was making, which could then not be removed.
      WaitForEnd(what);
      throw;
    }
  }

  // Starts the action, whose output is the backup itself ("stdout"), and
  // writes what comes to fd until the service has ended.
  void Stream(const ParameterBlock& action, int fd, const std::string& what) {
    ISC_STATUS_ARRAY status;
    if (isc_service_start(status, &handle_, nullptr, action.Size(), action.Data()) != 0) {
      RaiseEngineError(status, what);
    }
    try {
      for (;;) {
        char answer[32768];
        Query(isc_info_svc_to_eof, answer, sizeof answer, what);
        if (answer[0] != isc_info_svc_to_eof) break;
        const auto length = static_cast<std::size_t>(isc_vax_integer(answer + 1, 2));
        if (length == 0) {
          if (!Running(what)) break;
          continue;
        }
        for (std::size_t done = 0; done < length;) {
          const ssize_t n = ::write(fd, answer + 3 + done, length - done);
          if (n < 0) throw E_DB_Error(what + ": " + std::strerror(errno));
          done += static_cast<std::size_t>(n);
        }
      }
    } catch (const E_DB_Error&) {
      WaitForEnd(what);
      throw;
    }
  }

 private:
  // Queries one item; the answer's first byte names it.
  void Query(char item, char* answer, unsigned short size, const std::string& what) {
    ISC_STATUS_ARRAY status;
    const char request[] = {item};
    if (isc_service_query(status, &handle_, nullptr, 0, nullptr, sizeof request, request, size,
                          answer) != 0) {
      RaiseEngineError(status, what);
    }
  }
  // Whether a line of output came.
  bool ReadLine(const std::string& what) {
    char answer[1024];
    Query(isc_info_svc_line, answer, sizeof answer, what);
    if (answer[0] != isc_info_svc_line) return false;
    return (static_cast<unsigned char>(answer[1]) | static_cast<unsigned char>(answer[2])) != 0;
  }
  void WaitForEnd(const std::string& what) noexcept {
    try {
      while (Running(what)) {
      }
    } catch (const E_DB_Error&) {
      // The service cannot be asked any more: it has gone.
    }
  }
  bool Running(const std::string& what) {
    char answer[16];
    Query(isc_info_svc_running, answer, sizeof answer, what);
    if (answer[0] != isc_info_svc_running) return false;
    const bool running = isc_vax_integer(answer + 1, 4) != 0;
    if (running) std::this_thread::sleep_for(std::chrono::milliseconds(20));
    return running;
  }

  isc_svc_handle handle_ = 0;
};

void RunBackup(const std::string& db, const std::string& file, const std::string& what,
               const DbAccount& account) {
  const ServiceTarget target = TargetOf(db);
  ParameterBlock action(isc_action_svc_backup);
  action.Text(isc_spb_dbname, target.path, "The database's path", true);
  action.Text(isc_spb_bkp_file, file, "The backup's path", true);
  // Verbose output, so the service's lines show when it has finished.
  action.Byte(isc_spb_verbose);
  Service(target.manager, account).Run(action, what);
}

void RunRestore(const std::string& file, const std::string& db, const std::string& what,
                const DbAccount& account) {
  const ServiceTarget target = TargetOf(db);
  ParameterBlock action(isc_action_svc_restore);
  action.Text(isc_spb_bkp_file, file, "The backup's path", true);
  action.Text(isc_spb_dbname, target.path, "The database's path", true);
  action.Number(isc_spb_options, isc_spb_res_create);
  action.Byte(isc_spb_verbose);
  Service(target.manager, account).Run(action, what);
}

// A server's backup comes to this process and is written here, so the file
// is this account's own, however the server runs.
void StreamBackup(const std::string& db, const std::string& file, const std::string& what,
                  const DbAccount& account) {
  const ServiceTarget target = TargetOf(db);
  ParameterBlock action(isc_action_svc_backup);
  action.Text(isc_spb_dbname, target.path, "The database's path", true);
  action.Text(isc_spb_bkp_file, "stdout", "The backup's path", true);
  const int fd = ::open(file.c_str(), O_WRONLY | O_NOFOLLOW | O_CLOEXEC);
  if (fd < 0) throw E_DB_Error(what + ": " + std::strerror(errno));
  try {
    Service(target.manager, account).Stream(action, fd, what);
  } catch (...) {
    ::close(fd);
    throw;
  }
  if (::fsync(fd) != 0 || ::close(fd) != 0) throw E_DB_Error(what + ": " + std::strerror(errno));
}

// A restore brings the new database online only as its last step; one that
// the backup's end or a damaged record stopped half-way stays shut down,
// and on some failures (a backup cut short) the service reports nothing.
void RequireOnline(const std::string& db, const std::string& what, const DbAccount& account) {
  const QString name = QStringLiteral("orv-restored");
  std::string problem;
  {
    QSqlDatabase connection = AddEngineConnection(name, account);
    connection.setDatabaseName(QString::fromStdString(db));
    if (!connection.open()) {
      problem = "the restored database cannot be opened";
    } else {
      QSqlQuery query(connection);
      if (!query.exec(QStringLiteral("SELECT mon$shutdown_mode FROM mon$database")) ||
          !query.next() || query.value(0).toInt() != 0) {
        problem = "the backup ended before the restore was complete";
      }
      query.finish();
      connection.close();
    }
  }
  QSqlDatabase::removeDatabase(name);
  if (!problem.empty()) throw E_DB_Error(what + ": " + problem);
}

bool Exists(const std::string& path) {
  struct stat info {};
  return ::lstat(path.c_str(), &info) == 0;
}

// A name beside path that no file has yet.
std::string FreeNameBeside(const std::string& path, std::string_view tag) {
  const std::string stem = path + "." + std::string(tag) + "-" + std::to_string(::getpid());
  std::string name = stem;
  for (int n = 1; Exists(name); ++n) name = stem + "-" + std::to_string(n);
  return name;
}

// Removes the file unless Keep was called.
class PartFile {
 public:
  explicit PartFile(std::string path) : path_(std::move(path)) {}
  ~PartFile() {
    if (!path_.empty()) ::unlink(path_.c_str());
  }
  PartFile(const PartFile&) = delete;
  PartFile& operator=(const PartFile&) = delete;
  const std::string& Path() const { return path_; }
  void Keep() { path_.clear(); }

 private:
  std::string path_;
};

// The permission bits a backup of db gets: the database's own, so a backup
// is no easier to read than the scores it holds.
mode_t BackupMode(const std::string& db) {
  struct stat info {};
  if (::stat(db.c_str(), &info) != 0) return S_IRUSR | S_IWUSR;
  return info.st_mode & (S_IRUSR | S_IWUSR | S_IRGRP | S_IWGRP | S_IROTH | S_IWOTH);
}

// Makes the empty file with mode, whatever the umask, so the backup's bytes
// are never readable by more accounts than the mode allows.
void MakeEmptyFile(const std::string& path, mode_t mode, const std::string& what) {
  const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, mode);
  if (fd < 0 || ::fchmod(fd, mode) != 0) {
    const int error = errno;
    if (fd >= 0) ::close(fd);
    throw E_DB_Error(what + ": " + std::strerror(error));
  }
  ::close(fd);
}

void SyncFile(const std::string& path) {
  const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) return;
  ::fsync(fd);
  ::close(fd);
}

}  // namespace

void BackupDatabase(const std::string& db, const std::string& file, const DbAccount& account) {
  const std::string what = "Cannot back up " + db + " to " + file;
  // A backup is written beside the file and renamed over it once whole: a
  // failed one leaves an older backup as it was. A server's database file is
  // not this account's to look at: its backup is for this account only.
  PartFile part(FreeNameBeside(file, "part"));
  const bool local = IsLocalDatabasePath(db);
  MakeEmptyFile(part.Path(), local ? BackupMode(db) : S_IRUSR | S_IWUSR, what);
  if (local) {
    RunBackup(db, part.Path(), what, account);
    SyncFile(part.Path());
  } else {
    StreamBackup(db, part.Path(), what, account);
  }
  if (::rename(part.Path().c_str(), file.c_str()) != 0) {
    throw E_DB_Error(what + ": " + std::strerror(errno));
  }
  part.Keep();
}

void RestoreDatabase(const std::string& file, const std::string& db, const DbAccount& account) {
  const std::string what = "Cannot restore " + file + " to " + db;
  if (!IsLocalDatabasePath(db)) {
    if (!ProbeAttach(db, account)) throw E_DB_Error(what + ": the database exists already");
    try {
      RunRestore(file, db, what, account);
      RequireOnline(db, what, account);
    } catch (const E_DB_Error&) {
      // Only the database this restore made is there to remove: an existing
      // one was refused above, and the service never replaces one.
      DropDatabase(db, account);
      throw;
    }
    return;
  }
  if (Exists(db)) throw E_DB_Error(what + ": the file exists already");
  // Restored beside the target under a name of its own and moved to the
  // target once whole: a failed restore leaves nothing, and a file that
  // appeared there meanwhile is not replaced.
  PartFile part(FreeNameBeside(db, "restoring"));
  RunRestore(file, part.Path(), what, account);
  RequireOnline(part.Path(), what, account);
  MakeFilePrivate(part.Path());
  SyncFile(part.Path());
  if (::link(part.Path().c_str(), db.c_str()) != 0) {
    throw E_DB_Error(what + ": " + std::strerror(errno));
  }
}

}  // namespace orv
