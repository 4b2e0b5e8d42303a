#pragma once
// The program directory a command of orvc works on.
#include "orvc/command.h"

namespace orv::orvc {

// Makes the program directory found for the invocation (--home, ORV_HOME,
// the installed program's folder, or orvc's own folder when it is one) the
// one in use. With none found it throws CommandError before anything is
// written, so that no database or settings appear beside a build's orvc.
void UseProgramDirectory(const Invocation& inv);

}  // namespace orv::orvc
