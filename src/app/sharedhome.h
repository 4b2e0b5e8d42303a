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

// Whether this process's account is one that changes the users, lists and
// settings of programDir: the super user's; in a folder a group shares, a
// member of the folder's own group (the teachers' group, where the package
// shares it; the learners reach it through its access list); in a folder
// that is not shared, any account that may write there.
bool TeachersAccount(const std::string& programDir);

// Raises E_Orv_Error with SharedHomeProblem's message when there is one. In
// a shared folder, what this process makes is then left writable by the
// group, so that the next account can go on using it.
void JoinSharedHome(const std::string& programDir);

// The database engine's lock folder for the databases of a shared program
// directory: its lock files belong with the database, for in the engine's
// default folder, made by whichever account came first, the others could not
// open them. Empty for a folder that is not shared (the engine's default).
std::string SharedLockFolder(const std::string& programDir);

// Gives every file in the lock folder the folder's owner and group, readable
// and writable by both. The engine gives the files it opens for the super
// user to its own account ("firebird", mode 0660), which shuts out the
// group's members; the super user's process hands them back when done.
// Links and what is not a plain file are left alone.
void HandLockFilesToFolder(const std::string& lockFolder);

}  // namespace orv
