#pragma once
// A program directory that several accounts of one machine share through a
// group: the folder carries the set-group-ID bit, so what is made in it
// belongs to that group (the installed program's /var/lib/orv/ is one).
#include <string>
#include <string_view>

namespace orv {

// Where the package puts the programs, and the program directory they use
// there: one folder for the whole machine.
inline constexpr std::string_view kInstalledBinDir = "/usr/bin/";
inline constexpr std::string_view kMachineHome = "/var/lib/orv/";

// The program directory used when neither --home nor ORV_HOME names one:
// the machine's folder for the installed program, else the program's own
// folder (exeFolder, ending in "/").
std::string DefaultProgramDirectory(const std::string& exeFolder);

// Empty when this process may work in programDir; else a message for a user
// who is not in the group that shares it.
std::string SharedHomeProblem(const std::string& programDir);

// Raises E_Orv_Error with SharedHomeProblem's message when there is one. In
// a shared folder, what this process makes is then left writable by the
// group, so that the next account can go on using it, and the database
// engine keeps its lock files there (FIREBIRD_LOCK, unless set already).
// Called before the database engine is first used.
void JoinSharedHome(const std::string& programDir);

}  // namespace orv
