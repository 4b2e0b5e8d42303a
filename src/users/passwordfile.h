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

#include "lists/buffers.h"

namespace orv {

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

}  // namespace orv
