#pragma once
// Logging in to the password file: the codes checked, the wrong tries in a row
// slowed, an older code replaced at its owner's log-in, the super user's
// default password replaced, and the user logged in with their level.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "users/loginrecord.h"
#include "users/passwordfile.h"

namespace orv {

class Dialogs;

// The password a super user found without one is given.
inline constexpr std::string_view kDefaultSuperPassword = "tamblore";
// What Login gives when the default password opened level 255 and no new
// password was chosen for that super user.
inline constexpr int kDefaultPasswordKept = -4;
// What a log-in gives when wrong tries for the name came so close before
// that this one must wait (see LoginRecord); the password is not checked.
inline constexpr int kLoginDelayed = -5;

// "Wrong log-ins ... try again in N s": the same for every name, known or not.
std::string LoginDelayedText(std::int64_t seconds);

// What a refused log-in shows: the wait when it was delayed, otherwise that
// access is denied.
std::string RefusedLoginText(int level, std::int64_t wait);

// The new-password dialog until its two entries agree; std::nullopt when
// cancelled there or after a mismatch.
std::optional<std::string> AskAgreeingPassword(Dialogs& dialogs);

class UserLogin {
 public:
  // The record of tries is kept beside the password file.
  UserLogin(PasswordFile& file, Dialogs& dialogs);

  bool SuperPasswordMatches(std::string_view password);
  // The level to grant: 0 to 255; -1 unknown user; -2 wrong password. An
  // unknown user takes as long as a wrong password.
  int Authenticate(std::string_view name, std::string_view password);
  // Authenticate as a log-in does: counted in the record of tries, or
  // kLoginDelayed with the seconds still to wait in *wait, unchecked.
  int AuthenticateTry(std::string_view name, std::string_view password, std::int64_t& wait);
  // Seconds still to wait before name may be tried (LoginRecord).
  std::int64_t SecondsToWait(std::string_view name) const { return tries_.SecondsToWait(name); }
  // As AuthenticateTry, or -3 when the log-in dialog was cancelled. When the
  // default password opened level 255 (typed, or just given to a super user
  // found without one), that super user must choose a new password first;
  // without one the log-in fails with kDefaultPasswordKept.
  int Login();
  void Logout();
  bool IsLoggedIn() const { return !currentUser_.empty(); }
  const std::string& CurrentUser() const { return currentUser_; }
  std::int32_t CurrentLevel() const { return currentLevel_; }

  // A requirement is a level number, optionally followed by user names in
  // double quotes; a named user has access whatever the level.
  bool HasAccess(std::string_view requirement) const;

 private:
  // Asks the super user for a password other than the default one and
  // stores it; false when none was chosen or it could not be saved.
  bool ReplaceDefaultPassword(const std::string& superUser);
  // After a log-in with the user's own password: an older code is replaced
  // by an Argon2id one.
  void UpgradeCode(std::string_view name, std::string_view password);

  PasswordFile& file_;
  Dialogs& dialogs_;
  LoginRecord tries_;
  std::string currentUser_;
  std::int32_t currentLevel_ = -1;
};

// The change that gives the user named name the code.
UserChange CodeChange(std::string name, std::string code);

}  // namespace orv
