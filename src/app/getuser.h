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

namespace orv {

class Dialogs;
class PasswordO;

// The super user a new password file is created with.
inline constexpr std::string_view kFirstSuperUser = "ADMIN";

// Runs the start-up once. home is the --home option. dialogs must live as
// long as the program: the password object keeps it. A missing password file
// is offered to be created; refusing raises E_PasWord_Error with the missing
// file's text. With no database engine at all the process ends with code 800.
// The caller keeps the database use it returns for as long as the program
// runs (see DatabaseUse).
DatabaseUse StartUp(Dialogs& dialogs, const std::optional<std::string>& home);

// The one password object; E_Orv_Error before start-up has made it.
PasswordO& Users();
bool HasUsers();
void SetUsers(std::unique_ptr<PasswordO> users);

// The password file's name: the pasFile setting of orv.ini, else "KVXS1.KVX".
std::string ConfiguredPasswordFileName();

// Copies source over target; empty text on success, else the system's reason.
std::string CopyWithMessage(std::string_view source, std::string_view target);

// Program directory + "LastUser.Kvx".
std::string LastUserFile();
// Line 1 of the last-user file, or "User" when it cannot be read.
std::string LastUserName();
// Writes the name as the file's one line; errors are ignored.
void SaveLastUser(std::string_view name);

}  // namespace orv
