#include "users/passwordfile.h"

#include <charconv>
#include <set>
#include <utility>

#include "base/dialogs.h"
#include "base/encodings.h"
#include "base/errors.h"
#include "base/numbertext.h"
#include "base/platform.h"
#include "base/strings.h"
#include "base/translate.h"
#include "base/utf8.h"
#include "files/dos.h"
#include "files/errortext.h"
#include "files/filelayer.h"
#include "files/filelock.h"
#include "files/safesave.h"
#include "files/writefailure.h"

namespace orv {
namespace {

// An Argon2id string is 97 characters with the interactive limits; older
// codes are 13.
constexpr std::size_t kCodeLength = 127;
constexpr std::size_t kMaxLineBytes = 65535;
constexpr char kEndOfText = '\x1A';

struct FileLine {
  std::size_t number;  // 1-based, as an editor counts the file's lines
  std::string text;
};

// The password file's lines. CR LF, LF and a CR alone each end one, so a file
// from any editor keeps every user; a Ctrl-Z at the start of a line (an old
// end-of-text mark) is dropped, and lines left without text are skipped. A
// line that is not valid UTF-8 is read as Windows-1252 on its own, so one odd
// line does not change how the others read.
std::vector<FileLine> PasswordFileLines(std::string_view bytes) {
  if (bytes.starts_with("\xEF\xBB\xBF")) bytes.remove_prefix(3);
  std::vector<FileLine> lines;
  std::size_t start = 0;
  for (std::size_t number = 1; start < bytes.size(); ++number) {
    std::size_t end = bytes.find_first_of("\r\n", start);
    if (end == std::string_view::npos) end = bytes.size();
    std::string_view line = bytes.substr(start, end - start);
    while (!line.empty() && line.front() == kEndOfText) line.remove_prefix(1);
    if (!line.empty()) {
      lines.push_back({number, IsValidUtf8(line) ? std::string(line) : Windows1252ToUtf8(line)});
    }
    start = end + (bytes.substr(end, 2) == "\r\n" ? 2 : 1);
  }
  return lines;
}

// Why a line cannot be a user, or empty text when it can.
std::string LineProblem(const std::string& line) {
  if (line.size() > kMaxLineBytes) return "is longer than 65535 characters";
  try {
    ParseUserLine(line);
  } catch (const ERangeError&) {
    return "has a level outside 0 to 255";
  }
  return {};
}

int SavePasswordFile(const std::string& path, const PasswordFileContent& content) {
  BufferO file = content.users;
  for (const std::string& line : content.skipped) file.Add(line);
  return SaveToFile(file, path, FileAccess::Private);
}

ChangeResult Refused(std::string why) {
  return {ChangeResult::Outcome::Refused, 0, std::move(why)};
}

ChangeResult Failed(int code) {
  return {ChangeResult::Outcome::Failed, code, {}};
}

ChangeResult Gone(const std::string& name) {
  return Refused(Filled(
      TrText("PasswordO",
             "The user \"%1\" is no longer in the password file, so the change was not made"),
      name));
}

bool NumberTaken(const BufferO& users, std::int32_t number) {
  for (LineNo i : LineNumbers(users.Count())) {
    if (ParseUserLine(users.Get(i)).number == number) return true;
  }
  return false;
}

}  // namespace

std::int32_t FieldNumber(std::string_view text) {
  text = text.substr(0, 11);
  const std::size_t start = text.find_first_not_of(' ');
  if (start == std::string_view::npos) return 0;
  text.remove_prefix(start);
  if (!text.empty() && text.front() == '+') text.remove_prefix(1);
  std::int32_t value = 0;
  const auto [end, err] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (err != std::errc() || end != text.data() + text.size()) return 0;
  return value;
}

std::string UserLine(const UserRecord& user) {
  return CutToCharacters(user.name, kUserNameLength) + ":" + user.code.substr(0, kCodeLength) +
         ":" + IntText(user.number) + ":" + IntText(user.level);
}

UserRecord ParseUserLine(std::string_view line) {
  // A field whose closing separator is missing is empty; the level takes the rest.
  std::string rest(line);
  UserRecord user;
  user.name = CutToCharacters(CutToken(rest, ":"), kUserNameLength);
  user.code = CutToken(rest, ":").substr(0, kCodeLength);
  user.number = FieldNumber(CutToken(rest, ":"));
  const std::int32_t level = FieldNumber(rest);
  if (level < 0 || level > 255) throw ERangeError();
  user.level = static_cast<std::uint8_t>(level);
  return user;
}

std::string UserNameProblem(std::string_view name) {
  if (name.empty()) return "A user name can not be empty";
  // The fields of the password file are separated by ":", its lines by line ends.
  if (name.find(':') != std::string_view::npos) return "A user name can not contain \":\"";
  // A name cut inside a letter would make the password file unreadable.
  if (!IsValidUtf8(name)) return "A user name must be written in letters the computer can read";
  for (char c : name) {
    if (static_cast<unsigned char>(c) < 32) return "A user name can not contain control characters";
  }
  return {};
}

int ReadPasswordFile(const std::string& path, PasswordFileContent& content,
                     std::vector<BadUserLine>* badLines) {
  std::string bytes;
  if (const int code = ReadFileBytes(path, bytes); code != 0) return code;
  PasswordFileContent read;
  for (const FileLine& line : PasswordFileLines(bytes)) {
    // A bad line locks nobody else out; it is kept in the file as it is.
    if (std::string problem = LineProblem(line.text); !problem.empty()) {
      if (badLines) badLines->push_back({line.number, std::move(problem)});
      read.skipped.push_back(line.text);
    } else if (read.users.Count() == BufferO::kMaxLines) {
      // Going on with the users that could be read would drop the others at the next save.
      return kTooManyUsersCode;
    } else {
      read.users.Add(line.text);
    }
  }
  content = std::move(read);
  return 0;
}

// Every lookup by name uses the locale's upper case, so a name with letters
// beyond a to z is found the same way by all operations.
LineNo LineOfUser(const BufferO& users, std::string_view name) {
  const std::string wanted = Upper(name);
  for (LineNo i : LineNumbers(users.Count())) {
    if (Upper(ParseUserLine(users.Get(i)).name) == wanted) return i;
  }
  return 0;
}

std::int32_t NextUserNumber(const BufferO& users) {
  std::set<std::int32_t> used;
  for (LineNo i : LineNumbers(users.Count())) used.insert(ParseUserLine(users.Get(i)).number);
  std::int32_t candidate = 1;
  while (used.count(candidate) != 0) ++candidate;
  return candidate;
}

ChangeResult ApplyChange(PasswordFileContent& content, const UserChange& change) {
  BufferO& users = content.users;
  if (change.kind == UserChange::Kind::Add) {
    if (const LineNo taken = LineOfUser(users, change.user.name); taken != 0) {
      return Refused("A user named \"" + ParseUserLine(users.Get(taken)).name +
                     "\" is in the password file now, so \"" + change.user.name +
                     "\" was not added");
    }
    UserRecord added = change.user;
    if (NumberTaken(users, added.number)) added.number = NextUserNumber(users);
    users.Add(UserLine(added));
    return {};
  }
  const LineNo line = LineOfUser(users, change.name);
  if (line == 0) return Gone(change.name);
  UserRecord user = ParseUserLine(users.Get(line));
  switch (change.kind) {
    case UserChange::Kind::SetLevel:
      user.level = change.user.level;
      break;
    case UserChange::Kind::SetCode:
      if (change.onlyFrom && user.code != *change.onlyFrom) {
        return {ChangeResult::Outcome::Unneeded, 0, {}};
      }
      user.code = change.user.code;
      break;
    case UserChange::Kind::Replace:
      user = change.user;
      break;
    case UserChange::Kind::Remove:
      if (line == 1 || users.Count() == 1) {
        return Refused("\"" + user.name +
                       "\" is now the first or the only user of the password file, who is never "
                       "deleted");
      }
      users.Del(line);
      return {};
    case UserChange::Kind::Add:
      break;
  }
  users.Ovr(UserLine(user), line);
  return {};
}

ChangeResult ChangePasswordFile(const std::string& path, const UserChange& change,
                                PasswordFileContent& content) {
  const FileLock lock(path, FileAccess::Private);
  if (lock.Code() != 0) return Failed(lock.Code());
  PasswordFileContent fresh;
  if (const int code = ReadPasswordFile(path, fresh); code != 0) return Failed(code);
  PasswordFileContent changed = fresh;
  ChangeResult result = ApplyChange(changed, change);
  if (result.outcome == ChangeResult::Outcome::Made) {
    if (const int code = SavePasswordFile(path, changed); code != 0) {
      content = std::move(fresh);
      return Failed(code);
    }
    content = std::move(changed);
  } else {
    content = std::move(fresh);
  }
  return result;
}

std::string PasswordFilePath(std::string_view directory, std::string_view fileName) {
  const bool absolute = !fileName.empty() && (fileName.front() == '/' || fileName.front() == '\\' ||
                                              fileName.find(':') != std::string_view::npos);
  return absolute ? std::string(fileName) : std::string(directory) + std::string(fileName);
}

std::string MissingPasswordFileText() {
  return "Error in _PasWord.Begin:" + ErrorText(590);
}

int CreateFirstPasswordFile(std::string_view path, std::string_view superUser,
                            std::string_view code) {
  BufferO buffer;
  buffer.Add(UserLine({std::string(superUser), std::string(code), kSuperLevel, 1}));
  return SaveToFile(buffer, path, FileAccess::Private);
}

PasswordFile::PasswordFile(std::string directory, std::string fileName, Dialogs& dialogs)
    : directory_(std::move(directory)), fileName_(std::move(fileName)), dialogs_(dialogs) {
  path_ = PasswordFilePath(directory_, fileName_);
  if (!DirExists(directory_)) throw ERunError(3);
  if (!FileFound(path_)) throw E_PasWord_Error(MissingPasswordFileText());
  std::vector<BadUserLine> badLines;
  if (const int code = ReadPasswordFile(path_, content_, &badLines); code == kTooManyUsersCode) {
    throw E_PasWord_Error(
        Filled(TrText("PasswordO", "The password file %1 holds more than %2 users"), path_,
               std::to_string(BufferO::kMaxLines)));
  } else if (code != 0) {
    throw E_PasWord_Error("Error in _PasWord.Begin:" + ErrorText(code) + " (" + path_ + ")");
  }
  for (const BadUserLine& line : badLines) {
    dialogs_.Warning(Filled(TrText("PasswordO",
                                   "Line %1 of the password file %2 %3. That line is left out; the "
                                   "other users can log in."),
                            std::to_string(line.number), path_, line.problem));
  }
}

void PasswordFile::Reread() {
  PasswordFileContent fresh;
  if (ReadPasswordFile(path_, fresh) == 0) content_ = std::move(fresh);
}

std::string PasswordFile::UserName(LineNo index) const {
  if (index == 0 || index > UserCount()) return {};
  return ReadUser(index).name;
}

std::vector<std::string> PasswordFile::UserNames() const {
  std::vector<std::string> names;
  for (LineNo i = 1; i <= UserCount(); ++i) {
    if (std::string name = UserName(i); !name.empty()) names.push_back(std::move(name));
  }
  return names;
}

std::int32_t PasswordFile::IndexOfUser(std::string_view name) const {
  const LineNo line = LineOfUser(content_.users, name);
  return line == 0 ? -1 : static_cast<std::int32_t>(line);
}

bool PasswordFile::UserExists(std::string_view name) const {
  if (!FileFound(path_)) ExitProcess(999);
  return IndexOfUser(name) > 0;
}

UserRecord PasswordFile::ReadUser(LineNo index) const {
  return ParseUserLine(content_.users.Get(index));
}

ChangeResult::Outcome PasswordFile::Change(const UserChange& change, bool quiet) {
  const ChangeResult result = ChangePasswordFile(path_, change, content_);
  lastSaveCode_ = result.outcome == ChangeResult::Outcome::Failed ? result.code : 0;
  lastChangeRefused_ = result.outcome == ChangeResult::Outcome::Refused;
  if (quiet) return result.outcome;
  if (result.outcome == ChangeResult::Outcome::Failed) {
    dialogs_.Error(Filled(TrText("PasswordO",
                                 "The password file %1 could not be saved, so the change was not "
                                 "made. "),
                          path_) +
                   ChangeFailureText(path_, result.code, TrText("PasswordO", "the users")));
  } else if (lastChangeRefused_) {
    dialogs_.Error(Filled(
        TrText("PasswordO", "%1 (the password file %2 had been changed by another program)."),
        result.refusal, path_));
  }
  return result.outcome;
}

int PasswordFile::WriteUser(const UserRecord& user, LineNo index) {
  Change({UserChange::Kind::Replace, ReadUser(index).name, user});
  return lastSaveCode_;
}

int PasswordFile::AppendUser(const UserRecord& user) {
  Change({UserChange::Kind::Add, {}, user});
  return lastSaveCode_;
}

int PasswordFile::RemoveUser(LineNo index) {
  Change({UserChange::Kind::Remove, ReadUser(index).name, {}});
  return lastSaveCode_;
}

std::int32_t PasswordFile::NextUserNumber() const {
  return orv::NextUserNumber(content_.users);
}

std::string PasswordFile::StoredUserName(std::string_view name) const {
  const std::int32_t index = IndexOfUser(name);
  return index < 1 ? std::string() : ReadUser(static_cast<LineNo>(index)).name;
}

UserRecord PasswordFile::FindUser(std::string_view name) const {
  const std::int32_t index = IndexOfUser(name);
  if (index < 1) return UserRecord{"", "", 0, -1};
  return ReadUser(static_cast<LineNo>(index));
}

bool PasswordFile::HasNoPassword(std::string_view name) const {
  const std::int32_t index = IndexOfUser(name);
  return index > 0 && ReadUser(static_cast<LineNo>(index)).code.empty();
}

userArray PasswordFile::UsersAtLevel(int level) const {
  userArray users;
  for (std::uint32_t i = 1; i <= UserCount(); ++i) {
    UserRecord user = ReadUser(static_cast<LineNo>(i));
    if (user.level >= level) users.push_back(std::move(user));
  }
  return users;
}

}  // namespace orv
