#include "scores/backupservice.h"

#include <ibase.h>

#include <chrono>
#include <cstdint>
#include <string_view>
#include <thread>

#include "scores/dbaccount.h"
#include "scores/firebird/engineroot.h"
#include "scores/firebird/fbclient.h"
#include "scores/firebird/fbtransaction.h"
#include "scores/firebird/parameterblock.h"

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

class Service {
 public:
  explicit Service(const std::string& manager) {
    RequirePreparedEngine();
    ParameterBlock spb(isc_spb_version);
    spb.Byte(isc_spb_current_version);
    spb.Text(isc_spb_user_name, DatabaseAccount().user, "The database user name");
    spb.Text(isc_spb_password, DatabaseAccount().password, "The database password");
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
    ISC_STATUS_ARRAY status;
    if (isc_service_start(status, &handle_, nullptr, action.Size(), action.Data()) != 0) {
      RaiseEngineError(status, what);
    }
    while (ReadLine(what) || Running(what)) {
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

}  // namespace

void BackupDatabase(const std::string& db, const std::string& file) {
  const ServiceTarget target = TargetOf(db);
  ParameterBlock action(isc_action_svc_backup);
  action.Text(isc_spb_dbname, target.path, "The database's path", true);
  action.Text(isc_spb_bkp_file, file, "The backup's path", true);
  // Verbose output, so the service's lines show when it has finished.
  action.Byte(isc_spb_verbose);
  Service(target.manager).Run(action, "Cannot back up " + db + " to " + file);
}

void RestoreDatabase(const std::string& file, const std::string& db) {
  const ServiceTarget target = TargetOf(db);
  ParameterBlock action(isc_action_svc_restore);
  action.Text(isc_spb_bkp_file, file, "The backup's path", true);
  action.Text(isc_spb_dbname, target.path, "The database's path", true);
  action.Number(isc_spb_options, isc_spb_res_create);
  action.Byte(isc_spb_verbose);
  Service(target.manager).Run(action, "Cannot restore " + file + " to " + db);
}

}  // namespace orv
