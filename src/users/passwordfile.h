#pragma once
// The password file: one user a line, name ":" code ":" user number ":"
// level, and the changes made to it. Several programs change one file (orv
// on each computer, orvc), so a change is made under the file's lock on the
// file as it is at that moment: what the others changed meanwhile is kept,
// and a change the file no longer allows is refused.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "base/errors.h"
#include "lists/buffers.h"

namespace orv {

class Dialogs;

class E_PasWord_Error : public E_Orv_Error {
 public:
  using E_Orv_Error::E_Orv_Error;
};

// The super user's level.
inline constexpr int kSuperLevel = 255;

// A user name has at most this many characters.
inline constexpr std::size_t kUserNameLength = 50;

struct UserRecord {
  std::string name;  // at most 50 characters, letter case as entered
  std::string code;  // empty (no password), an Argon2id string or an older 13-character code
  std::uint8_t level = 0;
  std::int32_t number = 0;
};

using userArray = std::vector<UserRecord>;

// The line of the password file for a user.
std::string UserLine(const UserRecord& user);
// A user read from a line of the password file; a level outside 0 to 255
// raises ERangeError.
UserRecord ParseUserLine(std::string_view line);
// Why a name cannot be a user name, or empty text when it can.
std::string UserNameProblem(std::string_view name);
// A number field of the file, and the level of an access requirement: its
// first 11 characters as a signed decimal integer, leading blanks allowed;
// anything else counts 0.
std::int32_t FieldNumber(std::string_view text);

// The password file as read.
struct PasswordFileContent {
  BufferO users;  // one line a user, in file order
  // Lines that are no user, written back after the users unchanged.
  std::vector<std::string> skipped;
};

// A line that is no user: its number as an editor counts the file's lines,
// and why.
struct BadUserLine {
  std::size_t number;
  std::string problem;
};

// The I/O code of a password file holding more users than a line buffer.
inline constexpr int kTooManyUsersCode = 522;

// Reads the password file at path into content; the lines that are no user
// are kept in content.skipped and told in badLines when given. Returns the
// I/O code, or kTooManyUsersCode.
int ReadPasswordFile(const std::string& path, PasswordFileContent& content,
                     std::vector<BadUserLine>* badLines = nullptr);

// The line of the user named name (letter case aside, by the locale's upper
// case), or 0.
LineNo LineOfUser(const BufferO& users, std::string_view name);
// The smallest positive number no user has.
std::int32_t NextUserNumber(const BufferO& users);

// One change of the password file, as it was asked for.
struct UserChange {
  enum class Kind {
    Add,       // user is added; a number another user has taken meanwhile is replaced by a free one
    SetLevel,  // the user named name gets user.level
    SetCode,   // the user named name gets user.code
    Replace,   // the user named name becomes user
    Remove,    // the user named name is removed (never the first line nor the only user)
  };
  Kind kind;
  std::string name;  // whom the change is for (letter case aside); not used by Add
  UserRecord user;
  // SetCode only while the user's code is still this one (an older code
  // upgraded, a missing one reset); otherwise there is nothing to do.
  std::optional<std::string> onlyFrom = std::nullopt;
};

struct ChangeResult {
  enum class Outcome {
    Made,
    Unneeded,  // the condition of a SetCode no longer held; nothing was written
    Refused,   // the file as it is now does not allow the change; see refusal
    Failed,    // the file could not be read, locked or written; see code
  };
  Outcome outcome = Outcome::Made;
  int code = 0;
  std::string refusal;  // a sentence
};

// Makes the change on content.
ChangeResult ApplyChange(PasswordFileContent& content, const UserChange& change);

// Under the password file's lock: reads the file at path, makes the change
// and writes the file. Afterwards content holds what the file holds, unless
// the file could not be read.
ChangeResult ChangePasswordFile(const std::string& path, const UserChange& change,
                                PasswordFileContent& content);

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

// The users of one password file as last read, and the changes made to it,
// with what went wrong told through the dialogs port.
class PasswordFile {
 public:
  // Reads the password file fileName in directory (which ends in a
  // separator; a file name with a folder of its own is used as it is).
  // Raises E_PasWord_Error when the file is missing or cannot be read, and
  // ERunError(3) when the directory does not exist. The process's current
  // folder is left alone: the file is always reached through its full path.
  PasswordFile(std::string directory, std::string fileName, Dialogs& dialogs);

  // Reads the file again, for the users that other programs changed since;
  // a file that cannot be read now leaves the users as they were. Logging
  // in and the interactive user operations do this first.
  void Reread();

  const std::string& Directory() const { return directory_; }
  const std::string& FileName() const { return fileName_; }

  LineNo UserCount() const { return content_.users.Count(); }
  std::string UserName(LineNo index) const;
  // Every user's name, in the file's order.
  std::vector<std::string> UserNames() const;
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
  // Makes the change on the file; what became of it is told unless quiet.
  ChangeResult::Outcome Change(const UserChange& change, bool quiet = false);
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

 private:
  std::string directory_;
  std::string fileName_;
  std::string path_;
  Dialogs& dialogs_;
  PasswordFileContent content_;
  int lastSaveCode_ = 0;
  bool lastChangeRefused_ = false;
};

}  // namespace orv
