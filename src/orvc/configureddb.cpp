#include "orvc/configureddb.h"

#include "app/programpaths.h"
#include "app/registry.h"
#include "app/scoredbconfig.h"
#include "files/dos.h"
#include "orvc/command.h"

namespace orv::orvc {

std::string ConfiguredDbHost::ScoreDbPath() {
  return ConfiguredScoreDbPath(std::string(kMachineIni), RegistryFile());
}

std::string ConfiguredDbHost::ProgramDir() {
  return Paths().programDir;
}

void RequireConfiguredDatabase(ConfiguredDbHost& host) {
  const ProgramPaths& p = Paths();
  if (!DirExists(p.programDir)) {
    throw CommandError{"the program directory " + p.programDir + " does not exist", 1};
  }
  if (host.ScoreDbPath().empty()) {
    throw CommandError{"no score database is named (scoreDB) in " + RegistryFile() + " or " +
                           std::string(kMachineIni),
                       1};
  }
}

}  // namespace orv::orvc
