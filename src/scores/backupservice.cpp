#include "scores/backupservice.h"

#include <ibase.h>

#include <cstdint>
#include <string_view>
#include <vector>

#include "scores/dbaccount.h"
#include "scores/fbclient.h"
#include "scores/fbtransaction.h"

namespace orv {
namespace {

// A parameter block of the services API.
class Block {
 public:
  explicit Block(char first) : bytes_{first} {}
  void Byte(char b) { bytes_.push_back(b); }
  // A text with a one-byte length (attaching) or a two-byte one (actions).
  void Text(char tag, std::string_view text, bool wide) {
    bytes_.push_back(tag);
    const std::size_t n = text.size();
    bytes_.push_back(static_cast<char>(n & 0xFF));
    if (wide) bytes_.push_back(static_cast<char>((n >> 8) & 0xFF));
    bytes_.insert(bytes_.end(), text.begin(), text.end());
  }
  void Number(char tag, std::uint32_t n) {
    bytes_.push_back(tag);
    for (int shift = 0; shift < 32; shift += 8) bytes_.push_back(static_cast<char>(n >> shift));
  }
  const char* Data() const { return bytes_.data(); }
  unsigned short Size() const { return static_cast<unsigned short>(bytes_.size()); }

 private:
  std::vector<char> bytes_;
};

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
    Block spb(isc_spb_version);
    spb.Byte(isc_spb_current_version);
    spb.Text(isc_spb_user_name, DatabaseAccount().user, false);
    spb.Text(isc_spb_password, DatabaseAccount().password, false);
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

  // Starts the action and waits for its end; the service reports a failure
  // when its output is read.
  void Run(const Block& action, const std::string& what) {
    ISC_STATUS_ARRAY status;
    if (isc_service_start(status, &handle_, nullptr, action.Size(), action.Data()) != 0) {
      RaiseEngineError(status, what);
    }
    const char request[] = {isc_info_svc_line};
    char answer[1024];
    for (;;) {
      if (isc_service_query(status, &handle_, nullptr, 0, nullptr, sizeof request, request,
                            sizeof answer, answer) != 0) {
        RaiseEngineError(status, what);
      }
      if (answer[0] != isc_info_svc_line) break;
      const unsigned length = static_cast<unsigned char>(answer[1]) |
                              static_cast<unsigned>(static_cast<unsigned char>(answer[2])) << 8;
      if (length == 0) break;
    }
  }

 private:
  isc_svc_handle handle_ = 0;
};

}  // namespace

void BackupDatabase(const std::string& db, const std::string& file) {
  const ServiceTarget target = TargetOf(db);
  Block action(isc_action_svc_backup);
  action.Text(isc_spb_dbname, target.path, true);
  action.Text(isc_spb_bkp_file, file, true);
  // Verbose output, so the service's lines show when it has finished.
  action.Byte(isc_spb_verbose);
  Service(target.manager).Run(action, "Cannot back up " + db + " to " + file);
}

void RestoreDatabase(const std::string& file, const std::string& db) {
  const ServiceTarget target = TargetOf(db);
  Block action(isc_action_svc_restore);
  action.Text(isc_spb_bkp_file, file, true);
  action.Text(isc_spb_dbname, target.path, true);
  action.Number(isc_spb_options, isc_spb_res_create);
  action.Byte(isc_spb_verbose);
  Service(target.manager).Run(action, "Cannot restore " + file + " to " + db);
}

}  // namespace orv
