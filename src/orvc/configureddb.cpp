#include "orvc/configureddb.h"

#include <string>
#include <utility>

#include "app/databaseuse.h"
#include "app/dbaccountconfig.h"
#include "app/programpaths.h"
#include "app/registry.h"
#include "app/scoredbconfig.h"
#include "files/dos.h"
#include "orvc/command.h"
#include "orvc/consoledialogs.h"
#include "orvc/programdirectory.h"
#include "scores/scoredatabase.h"
#include "scores/scoredbhost.h"

namespace orv::orvc {
namespace {

class ConfiguredDbHost : public ScoreDbHost {
 public:
  ConfiguredDbHost(DbAccount account, const ProgramPaths& paths)
      : account_(std::move(account)), paths_(paths) {}
  std::string ScoreDbPath() override {
    return ConfiguredScoreDbPath(std::string(kMachineIni), RegistryFile(paths_));
  }
  void SetScoreDbPath(const std::string&) override {}
  std::string ProgramDir() override { return paths_.programDir; }
  int CurrentLevel() override { return -1; }
  int ChangeDbLevel() override { return 256; }
  std::string CurrentDir() override { return {}; }
  bool QuitAllowed() override { return quit_; }
  void SetQuitAllowed() override { quit_ = true; }
  DbAccount Account() override { return account_; }

 private:
  DbAccount account_;
  const ProgramPaths& paths_;
  bool quit_ = false;
};

}  // namespace

void WithConfiguredDatabase(const Invocation& inv,
                            const std::function<void(ScoreDatabase&, Dialogs&)>& work) {
  const ProgramPaths& p = PathsOf(inv);
  if (!DirExists(p.programDir)) {
    throw CommandError{"the program directory " + p.programDir + " does not exist", 1};
  }
  if (ConfiguredScoreDbPath(std::string(kMachineIni), RegistryFile(p)).empty()) {
    throw CommandError{"no score database is named (scoreDB) in " + RegistryFile(p) + " or " +
                           std::string(kMachineIni),
                       1};
  }
  try {
    const DatabaseUse databases(p);
    ConsoleDialogs dialogs(*inv.err);
    ConfiguredDbHost host(databases.Account(), p);
    ScoreDatabase database(dialogs, host);
    if (!database.ConectDB()) {
      throw CommandError{"cannot open the score database " + host.ScoreDbPath(), 1};
    }
    work(database, dialogs);
  } catch (const E_Orv_Error& e) {
    throw CommandError{e.what(), 1};
  }
}

}  // namespace orv::orvc
