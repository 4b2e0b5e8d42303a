#pragma once
// What a test starts with, taken from the program's state: the settings of the
// logged-in user and the program's paths.
#include "session/ports.h"

namespace orv {

struct ProgramPaths;
struct StartUpSettings;

// The settings of the logged-in user and the program's paths, as they stand.
SessionSettings CurrentSessionSettings(const StartUpSettings& user, const ProgramPaths& paths);

}  // namespace orv
