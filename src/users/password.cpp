#include "users/password.h"

#include <algorithm>
#include <charconv>
#include <optional>
#include <set>
#include <utility>

#include "base/dialogs.h"
#include "base/numbertext.h"
#include "base/platform.h"
#include "base/strings.h"
#include "base/utf8.h"
#include "files/dos.h"
#include "files/errortext.h"
#include "files/filelayer.h"
#include "users/crypt.h"
#include "users/passwordcode.h"

namespace orv {
namespace {

constexpr std::size_t kNameLength = 50;
// An Argon2id string is 97 characters with the interactive limits; older
// codes are 13.
constexpr std::size_t kCodeLength = 127;
constexpr std::size_t kMaxLineBytes = 65535;
constexpr char kEndOfText = '\x1A';
constexpr std::string_view kDenied = "INCRECT PASWORD / USER NAME ACCESS DENIDE ";

// A field of the file as a number: its first 11 characters as a signed
// decimal integer, leading blanks allowed; anything else counts 0.
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

// Whether the typed password opens a code that is the default password's.
bool OpensWithDefault(std::string_view code, std::string_view typed) {
  if (code.empty()) return false;
  if (typed == kDefaultSuperPassword) return CodeMatches(code, typed);
  // An older code reads only the first eight letters, so a longer text can open it too.
  return CodeMatches(code, kDefaultSuperPassword) && CodeMatches(code, typed);
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

}  // namespace

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

std::string UserLine(const UserRecord& user) {
  return CutToCharacters(user.name, kNameLength) + ":" + user.code.substr(0, kCodeLength) + ":" +
         IntText(user.number) + ":" + IntText(user.level);
}

UserRecord ParseUserLine(std::string_view line) {
  // A field whose closing separator is missing is empty; the level takes the rest.
  std::string rest(line);
  UserRecord user;
  user.name = CutToCharacters(CutToken(rest, ":"), kNameLength);
  user.code = CutToken(rest, ":").substr(0, kCodeLength);
  user.number = FieldNumber(CutToken(rest, ":"));
  const std::int32_t level = FieldNumber(rest);
  if (level < 0 || level > kSuperLevel) throw ERangeError();
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

PasswordO::PasswordO(std::string directory, std::string fileName, Dialogs& dialogs)
    : directory_(std::move(directory)), fileName_(std::move(fileName)), dialogs_(dialogs) {
  path_ = PasswordFilePath(directory_, fileName_);
  if (!DirExists(directory_)) throw ERunError(3);
  if (!FileFound(path_)) throw E_PasWord_Error(MissingPasswordFileText());
  // Going on with the users that could be read would drop the others at the next save.
  std::string bytes;
  if (const int code = ReadFileBytes(path_, bytes); code != 0) {
    throw E_PasWord_Error("Error in _PasWord.Begin:" + ErrorText(code));
  }
  for (const FileLine& line : PasswordFileLines(bytes)) {
    // A bad line locks nobody else out; it is kept in the file as it is.
    if (const std::string problem = LineProblem(line.text); !problem.empty()) {
      dialogs_.Warning("Line " + std::to_string(line.number) + " of the password file " + path_ +
                       " " + problem + ". That line is left out; the other users can log in.");
      skipped_.push_back(line.text);
    } else if (buffer_.Count() == BufferO::kMaxLines) {
      throw E_PasWord_Error("The password file " + path_ + " holds more than " +
                            std::to_string(BufferO::kMaxLines) + " users");
    } else {
      buffer_.Add(line.text);
    }
  }
}

std::string PasswordO::UserName(LineNo index) const {
  if (index == 0 || index > UserCount()) return {};
  return ReadUser(index).name;
}

std::uint8_t PasswordO::UserLevel(LineNo index) const {
  return ReadUser(index).level;
}

// Every lookup by name uses the locale's upper case, so a name with letters
// beyond a to z is found the same way by all operations.
std::int32_t PasswordO::IndexOfUser(std::string_view name) const {
  const std::string wanted = Upper(name);
  for (std::uint32_t i = 1; i <= UserCount(); ++i) {
    if (Upper(ReadUser(static_cast<LineNo>(i)).name) == wanted) return static_cast<std::int32_t>(i);
  }
  return -1;
}

bool PasswordO::UserExists(std::string_view name) const {
  if (!FileFound(path_)) ExitProcess(999);
  return IndexOfUser(name) > 0;
}

UserRecord PasswordO::ReadUser(LineNo index) const {
  return ParseUserLine(buffer_.Get(index));
}

int PasswordO::Save() {
  BufferO file = buffer_;
  for (const std::string& line : skipped_) file.Add(line);
  lastSaveCode_ = SaveToFile(file, path_, FileAccess::Private);
  return lastSaveCode_;
}

int PasswordO::SaveOrUndo(BufferO before, bool tell) {
  const int code = Save();
  if (code != 0) {
    // What is shown stays what is stored: the change is undone in memory too.
    buffer_ = std::move(before);
    if (tell)
      dialogs_.Error("The password file " + path_ +
                     " could not be saved, so the change was not made. " + ErrorText(code));
  }
  return code;
}

int PasswordO::WriteUser(const UserRecord& user, LineNo index) {
  BufferO before = buffer_;
  buffer_.Ovr(UserLine(user), index);
  return SaveOrUndo(std::move(before));
}

int PasswordO::AppendUser(const UserRecord& user) {
  BufferO before = buffer_;
  buffer_.Add(UserLine(user));
  return SaveOrUndo(std::move(before));
}

int PasswordO::RemoveUser(LineNo index) {
  BufferO before = buffer_;
  buffer_.Del(index);
  return SaveOrUndo(std::move(before));
}

std::int32_t PasswordO::NextUserNumber() const {
  std::set<std::int32_t> used;
  for (std::uint32_t i = 1; i <= UserCount(); ++i) {
    used.insert(ReadUser(static_cast<LineNo>(i)).number);
  }
  std::int32_t candidate = 1;
  while (used.count(candidate) != 0) ++candidate;
  return candidate;
}

std::string PasswordO::StoredUserName(std::string_view name) const {
  const std::int32_t index = IndexOfUser(name);
  return index < 1 ? std::string() : ReadUser(static_cast<LineNo>(index)).name;
}

UserRecord PasswordO::FindUser(std::string_view name) const {
  const std::int32_t index = IndexOfUser(name);
  if (index < 1) return UserRecord{"", "", 0, -1};
  return ReadUser(static_cast<LineNo>(index));
}

bool PasswordO::HasNoPassword(std::string_view name) const {
  const std::int32_t index = IndexOfUser(name);
  return index > 0 && ReadUser(static_cast<LineNo>(index)).code.empty();
}

userArray PasswordO::UsersAtLevel(int level) const {
  userArray users;
  for (std::uint32_t i = 1; i <= UserCount(); ++i) {
    UserRecord user = ReadUser(static_cast<LineNo>(i));
    if (user.level >= level) users.push_back(std::move(user));
  }
  return users;
}

bool PasswordO::SuperPasswordMatches(std::string_view password) {
  bool matched = false;
  // Every super user is visited, so each one without a password is reset.
  for (const UserRecord& super : UsersAtLevel(kSuperLevel)) {
    if (super.code.empty()) {
      dialogs_.Message(
          MsgKind::Warning,
          "NO PASWORD FOR SUPPER USER, reset to \"" + std::string(kDefaultSuperPassword) + "\"",
          MsgButtons::Ok);
      SetPassword(super.name, kDefaultSuperPassword);
      matched = true;
    } else if (CodeMatches(super.code, password)) {
      matched = true;
    }
  }
  return matched;
}

int PasswordO::Authenticate(std::string_view name, std::string_view password) {
  if (!UserExists(name)) return -1;
  if (SuperPasswordMatches(password)) return kSuperLevel;
  if (HasNoPassword(name)) return 0;
  const UserRecord user = FindUser(name);
  return CodeMatches(user.code, password) ? user.level : -2;
}

int PasswordO::Login() {
  const LoginEntry entry = dialogs_.AskLogin();
  if (entry.name == "No user" && entry.password.empty()) return -3;
  const std::string name = UpperAZ(entry.name);
  // Authenticating gives a super user found without a password the default
  // one, which then opened level 255 as surely as typing it would have.
  std::vector<std::string> withoutPassword;
  for (const UserRecord& super : UsersAtLevel(kSuperLevel)) {
    if (super.code.empty()) withoutPassword.push_back(super.name);
  }
  const int level = Authenticate(name, entry.password);
  if (level < 0) {
    currentLevel_ = level;
    dialogs_.Message(MsgKind::Warning, std::string(kDenied), MsgButtons::Ok);
    return currentLevel_;
  }
  if (level == kSuperLevel) {
    for (const UserRecord& super : UsersAtLevel(kSuperLevel)) {
      const bool wasOpen = std::ranges::find(withoutPassword, super.name) != withoutPassword.end();
      if (!wasOpen && !OpensWithDefault(super.code, entry.password)) continue;
      if (!ReplaceDefaultPassword(super.name)) {
        currentLevel_ = kDefaultPasswordKept;
        dialogs_.Warning("The super user " + super.name + " keeps the default password \"" +
                         std::string(kDefaultSuperPassword) +
                         "\", so you are not logged in. Log in again and choose a new password.");
        return currentLevel_;
      }
    }
  }
  currentLevel_ = level;
  currentUser_ = StoredUserName(name);
  UpgradeCode(name, entry.password);
  return currentLevel_;
}

bool PasswordO::ReplaceDefaultPassword(const std::string& superUser) {
  dialogs_.Information("The super user " + superUser + " has the default password \"" +
                       std::string(kDefaultSuperPassword) +
                       "\", which anyone can read in the help. Choose a new password for " +
                       superUser + ".");
  for (;;) {
    const std::optional<std::string> chosen = AskAgreeingPassword();
    // Empty entries would leave the super user without a password, which
    // the next log-in turns into the default one again.
    if (!chosen || chosen->empty()) return false;
    if (*chosen != kDefaultSuperPassword) {
      const std::int32_t index = IndexOfUser(superUser);
      if (index < 1) return false;
      UserRecord user = ReadUser(static_cast<LineNo>(index));
      user.code = NewPasswordCode(*chosen);
      return WriteUser(user, static_cast<LineNo>(index)) == 0;
    }
    dialogs_.Warning("\"" + std::string(kDefaultSuperPassword) +
                     "\" is the default password. Please choose another one.");
  }
}

void PasswordO::UpgradeCode(std::string_view name, std::string_view password) {
  const std::int32_t index = IndexOfUser(name);
  if (index < 1) return;
  UserRecord user = ReadUser(static_cast<LineNo>(index));
  if (user.code.empty() || IsArgon2Code(user.code) || !CodeMatches(user.code, password)) return;
  user.code = NewPasswordCode(password);
  // A password file that cannot be written keeps the older code; the log-in
  // goes on without a message.
  BufferO before = buffer_;
  buffer_.Ovr(UserLine(user), static_cast<LineNo>(index));
  SaveOrUndo(std::move(before), false);
}

void PasswordO::Logout() {
  currentUser_.clear();
  currentLevel_ = -1;
}

bool PasswordO::HasAccess(std::string_view requirement) const {
  if (currentLevel_ >= FieldNumber(WordN(requirement, 1, " ", false))) return true;
  // Nobody logged in must not match an empty pair of quotes.
  if (currentUser_.empty()) return false;
  return UpperAZ(requirement).find("\"" + UpperAZ(currentUser_) + "\"") != std::string::npos;
}

void PasswordO::ChangePassword(std::string_view name) {
  const std::string upper = Upper(name);
  if (Authenticate(upper, "") == -1) return;
  const std::int32_t index = IndexOfUser(upper);
  if (index < 1) return;
  // Cancel keeps the password the user has.
  const std::optional<std::string> chosen = AskAgreeingPassword();
  if (!chosen) return;
  UserRecord user = ReadUser(static_cast<LineNo>(index));
  user.code = NewPasswordCode(*chosen);
  WriteUser(user, static_cast<LineNo>(index));
}

std::optional<std::string> PasswordO::AskAgreeingPassword() {
  for (;;) {
    const auto entries = dialogs_.AskNewPasswordTwice();
    if (!entries) return std::nullopt;
    const auto& [first, second] = *entries;
    if (first == second) return first;
    const MsgAnswer again =
        dialogs_.Message(MsgKind::Warning,
                         "Sorry but the two paswords you enteredare not the same please try again.",
                         MsgButtons::OkCancel);
    if (again == MsgAnswer::Cancel) return std::nullopt;
  }
}

void PasswordO::SetPassword(std::string_view name, std::string_view password, bool legacy) {
  const std::string upper = Upper(name);
  if (!UserExists(upper)) return;
  const std::int32_t index = IndexOfUser(upper);
  if (index < 1) return;
  UserRecord user = ReadUser(static_cast<LineNo>(index));
  user.code = legacy ? NewLegacyPasswordCode(password) : NewPasswordCode(password);
  WriteUser(user, static_cast<LineNo>(index));
}

void PasswordO::ChangeOwnPassword() {
  const LoginEntry entry = dialogs_.AskLogin();
  const std::string name = UpperAZ(entry.name);
  if (Authenticate(name, entry.password) < 0) {
    dialogs_.Message(MsgKind::Warning, std::string(kDenied), MsgButtons::Ok);
    return;
  }
  ChangePassword(name);
}

void PasswordO::SetLevel(std::string_view name, std::uint8_t level) {
  const std::int32_t index = IndexOfUser(name);
  if (index < 1) {
    dialogs_.Message(MsgKind::Error, "User not found ", MsgButtons::Ok);
    return;
  }
  UserRecord user = ReadUser(static_cast<LineNo>(index));
  user.level = level;
  WriteUser(user, static_cast<LineNo>(index));
}

bool PasswordO::DeleteUser(std::string_view name) {
  if (!HasAccess(IntText(DeleteLevel()))) {
    dialogs_.Message(MsgKind::Warning, "Access denied", MsgButtons::Ok);
    return false;
  }
  const std::int32_t index = IndexOfUser(name);
  // The first line and the last remaining user are never deleted.
  if (UserCount() <= 1 || index <= 1 || index > UserCount()) return false;
  const MsgAnswer answer = dialogs_.Message(
      MsgKind::Confirmation, "Delete user " + ReadUser(static_cast<LineNo>(index)).name,
      MsgButtons::YesCancel);
  if (answer != MsgAnswer::Yes) return false;
  RemoveUser(static_cast<LineNo>(index));
  return true;
}

void PasswordO::AddUser(std::int32_t requiredLevel) {
  if (!HasAccess(IntText(requiredLevel))) {
    dialogs_.Message(MsgKind::Warning, "Access denied", MsgButtons::Ok);
    return;
  }
  std::string typed;
  std::string name;
  for (;;) {
    const std::optional<std::string> entry = dialogs_.Input("New User", "Input a Name", typed);
    if (!entry) return;
    typed = *entry;
    name = CutToCharacters(typed, kNameLength);
    if (const std::string problem = UserNameProblem(name); !problem.empty()) {
      dialogs_.Message(MsgKind::Error, problem, MsgButtons::Ok);
      continue;
    }
    if (UserExists(name)) {
      dialogs_.Message(MsgKind::Error, " Error number 591 " + ErrorText(591), MsgButtons::Ok);
      continue;
    }
    break;
  }
  std::string password;
  for (;;) {
    // Cancel adds nobody.
    const auto entries = dialogs_.AskNewPasswordTwice();
    if (!entries) return;
    const auto& [first, second] = *entries;
    if (first == second) {
      password = first;
      break;
    }
    dialogs_.Message(
        MsgKind::Warning,
        "Sorry but the two paswords you enteredare not the same please try again thank you.",
        MsgButtons::Ok);
  }
  AppendUser({name, NewPasswordCode(password), 0, NextUserNumber()});
}

}  // namespace orv
