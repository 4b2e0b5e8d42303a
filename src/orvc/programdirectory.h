#pragma once
// The program directory a command of orvc works on.
#include <optional>
#include <string>

#include "app/programpaths.h"
#include "orvc/command.h"

namespace orv::orvc {

// The paths of the program directory found for home (--home, ORV_HOME, the
// installed program's folder, or orvc's own folder when it is one), made
// once at orvc's start; std::nullopt when there is none.
std::optional<ProgramPaths> FoundProgramPaths(const std::optional<std::string>& home);

// The invocation's program directory. With none found it throws
// CommandError before anything is written, so that no database or settings
// appear beside a build's orvc.
ProgramPaths& PathsOf(const Invocation& inv);

}  // namespace orv::orvc
