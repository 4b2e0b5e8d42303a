#pragma once
// Start-up before any window exists: the program's paths, the password
// object, the database engine's folder and its function library, and the
// logging flags. Also the file copy with the system's reason and the
// last-user file that the log-in window proposes from.
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "app/databaseuse.h"
#include "app/programpaths.h"
#include "app/programstate.h"
#include "app/startupfile.h"
#include "users/password.h"

namespace orv {

class Dialogs;

// The super user a new password file is created with.
inline constexpr std::string_view kFirstSuperUser = "ADMIN";

// What the start-up makes, kept by the program's start for the whole run
// and handed down from there: the paths, the settings in force (they survive
// log-outs), the password file and the database use (see DatabaseUse).
struct StartedProgram {
  ProgramPaths paths;
  StartUpSettings settings;
  std::unique_ptr<PasswordO> users;
  DatabaseUse databases;

  // Valid while this object stays where it is.
  ProgramState State() { return {settings, paths, *users}; }
};

// Runs the start-up once. home is the --home option. dialogs must live as
// long as the program: the password object keeps it. A missing password file
// is offered to be created; refusing raises E_PasWord_Error with the missing
// file's text. With no database engine at all the process ends with code 800.
StartedProgram StartUp(Dialogs& dialogs, const std::optional<std::string>& home);

// The password file's name: the pasFile setting of the program directory's
// orv.ini, else "KVXS1.KVX".
std::string ConfiguredPasswordFileName(const ProgramPaths& paths);

// Copies source over target; empty text on success, else the system's reason.
std::string CopyWithMessage(std::string_view source, std::string_view target);

// Program directory + "LastUser.Kvx".
std::string LastUserFile(const ProgramPaths& paths);
// Line 1 of the last-user file, or "User" when it cannot be read.
std::string LastUserName(const ProgramPaths& paths);
// Writes the name as the file's one line; errors are ignored.
void SaveLastUser(const ProgramPaths& paths, std::string_view name);

}  // namespace orv
