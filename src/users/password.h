#pragma once
// PasswordO: the program's users, kept one per line in the password file as
// name ":" code ":" user number ":" level, as the program holds them for the
// whole run: the file (PasswordFile), log-in and access (UserLogin) and the
// user commands asked through the dialogs port (UserCommands), on one file.
#include <string>
#include <utility>

#include "users/passwordfile.h"
#include "users/usercommands.h"
#include "users/userlogin.h"

namespace orv {

class Dialogs;

class PasswordO : public PasswordFile, public UserLogin, public UserCommands {
 public:
  // Reads the password file as PasswordFile does.
  PasswordO(std::string directory, std::string fileName, Dialogs& dialogs)
      : PasswordFile(std::move(directory), std::move(fileName), dialogs),
        UserLogin(*this, dialogs),
        UserCommands(*this, *this, dialogs) {}
};

}  // namespace orv
