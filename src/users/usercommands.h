#pragma once
// The user commands asked through the dialogs port: adding users, changing
// passwords and levels, deleting users. Each reads the password file again
// first and needs the level it names of the user logged in.
#include <cstdint>
#include <string_view>

#include "users/passwordfile.h"
#include "users/userlogin.h"

namespace orv {

class Dialogs;

class UserCommands {
 public:
  UserCommands(PasswordFile& file, UserLogin& login, Dialogs& dialogs);

  static constexpr int EditLevel() { return 255; }
  static constexpr int DeleteLevel() { return 255; }
  // The level adding users needs unless the super user has set another.
  static constexpr int AddLevel() { return 0; }

  void ChangePassword(std::string_view name);
  // legacy stores the older 13-character code, for a file that an older
  // program must read.
  void SetPassword(std::string_view name, std::string_view password, bool legacy = false);
  void ChangeOwnPassword();
  void SetLevel(std::string_view name, std::uint8_t level);
  bool DeleteUser(std::string_view name);
  // Adding a user needs requiredLevel.
  void AddUser(std::int32_t requiredLevel = AddLevel());

 private:
  PasswordFile& file_;
  UserLogin& login_;
  Dialogs& dialogs_;
};

}  // namespace orv
