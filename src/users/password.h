#pragma once
// PasswordO: the program's users, kept one per line in the password file as
// name ":" code ":" user number ":" level. It logs users in and out, decides
// access from requirement texts, and runs the interactive user operations
// through the dialogs port. There is one instance for the whole run.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "base/errors.h"
#include "lists/buffers.h"
#include "users/loginrecord.h"
#include "users/passwordfile.h"

namespace orv {

class Dialogs;

class E_PasWord_Error : public E_Orv_Error {
 public:
  using E_Orv_Error::E_Orv_Error;
};

// The super user's level.
inline constexpr int kSuperLevel = 255;
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

// The password file's path: fileName in directory, or fileName itself when it
// names a folder of its own.
std::string PasswordFilePath(std::string_view directory, std::string_view fileName);

// "Error in _PasWord.Begin:" + the error text of 590: the password file is missing.
std::string MissingPasswordFileText();

// Writes a new password file holding one super user with the code given;
// without one, the first log-in gives it the default password. Returns the
// I/O code.
int CreateFirstPasswordFile(std::string_view path, std::string_view superUser,
                            std::string_view code = {});

class PasswordO {
 public:
  // Reads the password file fileName in directory (which ends in a
  // separator; a file name with a folder of its own is used as it is).
  // Raises E_PasWord_Error when the file is missing or cannot be read, and
  // ERunError(3) when
  // the directory does not exist. The process's current folder is left
  // alone: the file is always reached through its full path.
  PasswordO(std::string directory, std::string fileName, Dialogs& dialogs);

  // Reads the file again, for the users that other programs changed since;
  // a file that cannot be read now leaves the users as they were. Logging
  // in and the interactive user operations do this first.
  void Reread();

  const std::string& Directory() const { return directory_; }
  const std::string& FileName() const { return fileName_; }
  // The password file's full path.
  const std::string& FilePath() const { return path_; }

  LineNo UserCount() const { return content_.users.Count(); }
  std::string UserName(LineNo index) const;
  // Every user's name, in the file's order.
  std::vector<std::string> UserNames() const;
  std::uint8_t UserLevel(LineNo index) const;
  // The 1-based index of the user, or -1. Names are compared by the
  // locale's upper case, by this and every other lookup.
  std::int32_t IndexOfUser(std::string_view name) const;
  // Ends the process with exit code 999 when the password file has gone.
  bool UserExists(std::string_view name) const;
  UserRecord ReadUser(LineNo index) const;
  // Each change is made at once under the file's lock on the file as it is
  // then (ChangePasswordFile), so what other programs changed meanwhile is
  // kept, and the users held here become those of the file. A change for a
  // user by name: WriteUser and RemoveUser change the user of that line.
  // A change the file no longer allows and a write that fails are shown
  // and leave the file as it was. They return the I/O code.
  int WriteUser(const UserRecord& user, LineNo index);
  int AppendUser(const UserRecord& user);
  int RemoveUser(LineNo index);
  // The I/O code of the last change of the password file (0 before any,
  // and for a change refused).
  int LastSaveCode() const { return lastSaveCode_; }
  // True when the last change was refused: the file as it was then did not
  // allow it (the user had been removed, the name had been taken).
  bool LastChangeRefused() const { return lastChangeRefused_; }
  std::int32_t NextUserNumber() const;
  std::string StoredUserName(std::string_view name) const;
  // The user's record, or one with empty name and code, level 0 and number -1.
  UserRecord FindUser(std::string_view name) const;
  bool HasNoPassword(std::string_view name) const;
  // The users whose level is at least level, in file order.
  userArray UsersAtLevel(int level) const;

  bool SuperPasswordMatches(std::string_view password);
  // The level to grant: 0 to 255; -1 unknown user; -2 wrong password. An
  // unknown user takes as long as a wrong password.
  int Authenticate(std::string_view name, std::string_view password);
  // Authenticate as a log-in does: counted in the record of tries, or
  // kLoginDelayed with the seconds still to wait in *wait, unchecked.
  int AuthenticateTry(std::string_view name, std::string_view password, std::int64_t& wait);
  // Seconds still to wait before name may be tried (LoginRecord).
  std::int64_t SecondsToWait(std::string_view name) const { return tries_.SecondsToWait(name); }
  // The record of log-in tries beside the password file.
  const std::string& LoginRecordFilePath() const { return tries_.Path(); }
  // As AuthenticateTry, or -3 when the log-in dialog was cancelled. When the
  // default password opened level 255 (typed, or just given to a super user
  // found without one), that super user must choose a new password first;
  // without one the log-in fails with kDefaultPasswordKept.
  int Login();
  void Logout();
  bool IsLoggedIn() const { return !currentUser_.empty(); }
  const std::string& CurrentUser() const { return currentUser_; }
  std::int32_t CurrentLevel() const { return currentLevel_; }

  static constexpr int EditLevel() { return 255; }
  static constexpr int DeleteLevel() { return 255; }
  // The level adding users needs unless the super user has set another.
  static constexpr int AddLevel() { return 0; }

  // A requirement is a level number, optionally followed by user names in
  // double quotes; a named user has access whatever the level.
  bool HasAccess(std::string_view requirement) const;

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
  // Makes the change on the file; what became of it is told unless quiet.
  ChangeResult::Outcome Change(const UserChange& change, bool quiet = false);
  // The new-password dialog until its two entries agree; std::nullopt when
  // cancelled there or after a mismatch.
  std::optional<std::string> AskAgreeingPassword();
  // Asks the super user for a password other than the default one and
  // stores it; false when none was chosen or it could not be saved.
  bool ReplaceDefaultPassword(const std::string& superUser);
  // After a log-in with the user's own password: an older code is replaced
  // by an Argon2id one.
  void UpgradeCode(std::string_view name, std::string_view password);

  std::string directory_;
  std::string fileName_;
  std::string path_;
  Dialogs& dialogs_;
  PasswordFileContent content_;
  LoginRecord tries_;
  std::string currentUser_;
  std::int32_t currentLevel_ = -1;
  int lastSaveCode_ = 0;
  bool lastChangeRefused_ = false;
};

}  // namespace orv
