#include "orvc/programdirectory.h"

namespace orv::orvc {

std::optional<ProgramPaths> FoundProgramPaths(const std::optional<std::string>& home) {
  const std::optional<std::string> dir = FoundProgramDirectory(home);
  if (!dir) return std::nullopt;
  ProgramPaths paths;
  SetProgramDirectory(paths, *dir);
  return paths;
}

ProgramPaths& PathsOf(const Invocation& inv) {
  if (inv.paths == nullptr) {
    throw CommandError{
        "no program directory found: give --home DIR or set ORV_HOME (orvc init "
        "--home DIR makes a new one); nothing was written",
        1};
  }
  return *inv.paths;
}

}  // namespace orv::orvc
