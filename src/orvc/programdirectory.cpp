#include "orvc/programdirectory.h"

#include "app/programpaths.h"

namespace orv::orvc {

void UseProgramDirectory(const Invocation& inv) {
  const std::optional<std::string> dir = FoundProgramDirectory(inv.home);
  if (!dir) {
    throw CommandError{
        "no program directory found: give --home DIR or set ORV_HOME (orvc init "
        "--home DIR makes a new one); nothing was written",
        1};
  }
  SetProgramDirectory(*dir);
}

}  // namespace orv::orvc
