#pragma once
// The score database's path from the configuration: the value scoreDB of the
// program's key in the program directory's orv.ini, else in the machine-wide
// file, so a school names its server once per machine image.
#include <string>

namespace orv {

// Empty when neither file names a database (an empty value names none).
std::string ConfiguredScoreDbPath(const std::string& machineIni, const std::string& programIni);

}  // namespace orv
