#include "app/scoredbconfig.h"

#include "app/registry.h"

namespace orv {

std::string ConfiguredScoreDbPath(const std::string& machineIni, const std::string& programIni) {
  for (const std::string& file : {programIni, machineIni}) {
    if (auto path = IniValue(file, kOrvKey, "scoreDB"); path && !path->empty()) return *path;
  }
  return {};
}

}  // namespace orv
