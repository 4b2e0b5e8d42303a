#include "users/passwordfile.h"

#include <charconv>
#include <set>
#include <utility>

#include "base/errors.h"
#include "base/numbertext.h"
#include "base/strings.h"
#include "base/translate.h"
#include "base/utf8.h"
#include "files/filelayer.h"
#include "files/filelock.h"

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

}  // namespace orv
