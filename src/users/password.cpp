#include "users/password.h"

#include <algorithm>
#include <optional>
#include <utility>

#include "base/dialogs.h"
#include "base/numbertext.h"
#include "base/platform.h"
#include "base/strings.h"
#include "base/translate.h"
#include "base/utf8.h"
#include "files/dos.h"
#include "files/errortext.h"
#include "files/filelayer.h"
#include "files/writefailure.h"
#include "users/crypt.h"
#include "users/passwordcode.h"

namespace orv {
namespace {

constexpr const char* kDenied =
    QT_TRANSLATE_NOOP("PasswordO", "INCRECT PASWORD / USER NAME ACCESS DENIDE ");

// Whether the typed password opens a code that is the default password's.
bool OpensWithDefault(std::string_view code, std::string_view typed) {
  if (code.empty()) return false;
  if (typed == kDefaultSuperPassword) return CodeMatches(code, typed);
  // An older code reads only the first eight letters, so a longer text can open it too.
  return CodeMatches(code, kDefaultSuperPassword) && CodeMatches(code, typed);
}

UserChange CodeChange(std::string name, std::string code) {
  UserChange change{UserChange::Kind::SetCode, std::move(name), {}};
  change.user.code = std::move(code);
  return change;
}

}  // namespace

std::string PasswordFilePath(std::string_view directory, std::string_view fileName) {
  const bool absolute = !fileName.empty() && (fileName.front() == '/' || fileName.front() == '\\' ||
                                              fileName.find(':') != std::string_view::npos);
  return absolute ? std::string(fileName) : std::string(directory) + std::string(fileName);
}

std::string LoginDelayedText(std::int64_t seconds) {
  return Filled(
      TrText("PasswordO", "Too many wrong log-ins for this name in a row: try again in %1 s."),
      std::to_string(seconds));
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

PasswordO::PasswordO(std::string directory, std::string fileName, Dialogs& dialogs)
    : directory_(std::move(directory)),
      fileName_(std::move(fileName)),
      dialogs_(dialogs),
      tries_(LoginRecordPath(directory_)) {
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

void PasswordO::Reread() {
  PasswordFileContent fresh;
  if (ReadPasswordFile(path_, fresh) == 0) content_ = std::move(fresh);
}

std::string PasswordO::UserName(LineNo index) const {
  if (index == 0 || index > UserCount()) return {};
  return ReadUser(index).name;
}

std::vector<std::string> PasswordO::UserNames() const {
  std::vector<std::string> names;
  for (LineNo i = 1; i <= UserCount(); ++i) {
    if (std::string name = UserName(i); !name.empty()) names.push_back(std::move(name));
  }
  return names;
}

std::uint8_t PasswordO::UserLevel(LineNo index) const {
  return ReadUser(index).level;
}

std::int32_t PasswordO::IndexOfUser(std::string_view name) const {
  const LineNo line = LineOfUser(content_.users, name);
  return line == 0 ? -1 : static_cast<std::int32_t>(line);
}

bool PasswordO::UserExists(std::string_view name) const {
  if (!FileFound(path_)) ExitProcess(999);
  return IndexOfUser(name) > 0;
}

UserRecord PasswordO::ReadUser(LineNo index) const {
  return ParseUserLine(content_.users.Get(index));
}

ChangeResult::Outcome PasswordO::Change(const UserChange& change, bool quiet) {
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

int PasswordO::WriteUser(const UserRecord& user, LineNo index) {
  Change({UserChange::Kind::Replace, ReadUser(index).name, user});
  return lastSaveCode_;
}

int PasswordO::AppendUser(const UserRecord& user) {
  Change({UserChange::Kind::Add, {}, user});
  return lastSaveCode_;
}

int PasswordO::RemoveUser(LineNo index) {
  Change({UserChange::Kind::Remove, ReadUser(index).name, {}});
  return lastSaveCode_;
}

std::int32_t PasswordO::NextUserNumber() const {
  return orv::NextUserNumber(content_.users);
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
      dialogs_.Message(MsgKind::Warning,
                       Filled(TrText("PasswordO", "NO PASWORD FOR SUPPER USER, reset to \"%1\""),
                              std::string(kDefaultSuperPassword)),
                       MsgButtons::Ok);
      UserChange reset = CodeChange(super.name, NewPasswordCode(kDefaultSuperPassword));
      reset.onlyFrom = "";
      switch (Change(reset)) {
        case ChangeResult::Outcome::Made:
        case ChangeResult::Outcome::Failed:  // still without a password
          matched = true;
          break;
        case ChangeResult::Outcome::Unneeded:
          // Another program gave the super user a password meanwhile.
          matched = matched || CodeMatches(FindUser(super.name).code, password);
          break;
        case ChangeResult::Outcome::Refused:  // removed meanwhile
          break;
      }
    } else if (CodeMatches(super.code, password)) {
      matched = true;
    }
  }
  return matched;
}

int PasswordO::Authenticate(std::string_view name, std::string_view password) {
  if (!UserExists(name)) {
    // The checks a known name gets: the super users' codes (without the
    // reset of a missing one, which a known name triggers), then its own.
    for (const UserRecord& super : UsersAtLevel(kSuperLevel)) {
      if (!super.code.empty()) CodeMatches(super.code, password);
    }
    CheckAgainstDummyCode(password);
    return -1;
  }
  if (SuperPasswordMatches(password)) return kSuperLevel;
  if (HasNoPassword(name)) return 0;
  const UserRecord user = FindUser(name);
  return CodeMatches(user.code, password) ? user.level : -2;
}

int PasswordO::AuthenticateTry(std::string_view name, std::string_view password,
                               std::int64_t& wait) {
  wait = tries_.Take(name);
  if (wait > 0) return kLoginDelayed;
  const int level = Authenticate(name, password);
  if (level >= 0) tries_.Right();
  return level;
}

int PasswordO::Login() {
  const LoginEntry entry = dialogs_.AskLogin();
  if (entry.name == "No user" && entry.password.empty()) return -3;
  const std::string name = UpperAZ(entry.name);
  Reread();
  // Authenticating gives a super user found without a password the default
  // one, which then opened level 255 as surely as typing it would have.
  std::vector<std::string> withoutPassword;
  for (const UserRecord& super : UsersAtLevel(kSuperLevel)) {
    if (super.code.empty()) withoutPassword.push_back(super.name);
  }
  std::int64_t wait = 0;
  const int level = AuthenticateTry(name, entry.password, wait);
  if (level < 0) {
    currentLevel_ = level;
    dialogs_.Message(MsgKind::Warning,
                     level == kLoginDelayed ? LoginDelayedText(wait) : TrText("PasswordO", kDenied),
                     MsgButtons::Ok);
    return currentLevel_;
  }
  if (level == kSuperLevel) {
    for (const UserRecord& super : UsersAtLevel(kSuperLevel)) {
      const bool wasOpen = std::ranges::find(withoutPassword, super.name) != withoutPassword.end();
      if (!wasOpen && !OpensWithDefault(super.code, entry.password)) continue;
      if (!ReplaceDefaultPassword(super.name)) {
        currentLevel_ = kDefaultPasswordKept;
        dialogs_.Warning(
            Filled(TrText("PasswordO",
                          "The super user %1 keeps the default password \"%2\", so you are not "
                          "logged in. Log in again and choose a new password."),
                   super.name, std::string(kDefaultSuperPassword)));
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
  dialogs_.Information(
      Filled(TrText("PasswordO",
                    "The super user %1 has the default password \"%2\", which anyone can read "
                    "in the help. Choose a new password for %1."),
             superUser, std::string(kDefaultSuperPassword)));
  for (;;) {
    const std::optional<std::string> chosen = AskAgreeingPassword();
    // Empty entries would leave the super user without a password, which
    // the next log-in turns into the default one again.
    if (!chosen || chosen->empty()) return false;
    if (*chosen != kDefaultSuperPassword) {
      return Change(CodeChange(superUser, NewPasswordCode(*chosen))) == ChangeResult::Outcome::Made;
    }
    dialogs_.Warning(
        Filled(TrText("PasswordO", "\"%1\" is the default password. Please choose another one."),
               std::string(kDefaultSuperPassword)));
  }
}

void PasswordO::UpgradeCode(std::string_view name, std::string_view password) {
  const std::int32_t index = IndexOfUser(name);
  if (index < 1) return;
  UserRecord user = ReadUser(static_cast<LineNo>(index));
  if (user.code.empty() || IsArgon2Code(user.code) || !CodeMatches(user.code, password)) return;
  // Only the code checked is replaced: a password another program set
  // meanwhile stays. A password file that cannot be written keeps the older
  // code; the log-in goes on without a message.
  UserChange upgrade = CodeChange(user.name, NewPasswordCode(password));
  upgrade.onlyFrom = user.code;
  Change(upgrade, true);
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
  Reread();
  if (Authenticate(upper, "") == -1) return;
  const std::int32_t index = IndexOfUser(upper);
  if (index < 1) return;
  // Cancel keeps the password the user has.
  const std::optional<std::string> chosen = AskAgreeingPassword();
  if (!chosen) return;
  Change(CodeChange(ReadUser(static_cast<LineNo>(index)).name, NewPasswordCode(*chosen)));
}

std::optional<std::string> PasswordO::AskAgreeingPassword() {
  for (;;) {
    const auto entries = dialogs_.AskNewPasswordTwice();
    if (!entries) return std::nullopt;
    const auto& [first, second] = *entries;
    if (first == second) return first;
    const MsgAnswer again = dialogs_.Message(
        MsgKind::Warning,
        TrText("PasswordO",
               "Sorry but the two paswords you enteredare not the same please try again."),
        MsgButtons::OkCancel);
    if (again == MsgAnswer::Cancel) return std::nullopt;
  }
}

void PasswordO::SetPassword(std::string_view name, std::string_view password, bool legacy) {
  const std::string upper = Upper(name);
  if (!UserExists(upper)) return;
  const std::int32_t index = IndexOfUser(upper);
  if (index < 1) return;
  Change(CodeChange(ReadUser(static_cast<LineNo>(index)).name,
                    legacy ? NewLegacyPasswordCode(password) : NewPasswordCode(password)));
}

void PasswordO::ChangeOwnPassword() {
  const LoginEntry entry = dialogs_.AskLogin();
  const std::string name = UpperAZ(entry.name);
  Reread();
  std::int64_t wait = 0;
  if (const int level = AuthenticateTry(name, entry.password, wait); level < 0) {
    dialogs_.Message(MsgKind::Warning,
                     level == kLoginDelayed ? LoginDelayedText(wait) : TrText("PasswordO", kDenied),
                     MsgButtons::Ok);
    return;
  }
  ChangePassword(name);
}

void PasswordO::SetLevel(std::string_view name, std::uint8_t level) {
  const std::int32_t index = IndexOfUser(name);
  if (index < 1) {
    dialogs_.Message(MsgKind::Error, TrText("PasswordO", "User not found "), MsgButtons::Ok);
    return;
  }
  UserChange change{UserChange::Kind::SetLevel, ReadUser(static_cast<LineNo>(index)).name, {}};
  change.user.level = level;
  Change(change);
}

bool PasswordO::DeleteUser(std::string_view name) {
  if (!HasAccess(IntText(DeleteLevel()))) {
    dialogs_.Message(MsgKind::Warning, TrText("PasswordO", "Access denied"), MsgButtons::Ok);
    return false;
  }
  const std::int32_t index = IndexOfUser(name);
  // The first line and the last remaining user are never deleted.
  if (UserCount() <= 1 || index <= 1 || index > UserCount()) return false;
  const MsgAnswer answer = dialogs_.Message(
      MsgKind::Confirmation,
      Filled(TrText("PasswordO", "Delete user %1"), ReadUser(static_cast<LineNo>(index)).name),
      MsgButtons::YesCancel);
  if (answer != MsgAnswer::Yes) return false;
  return Change({UserChange::Kind::Remove, ReadUser(static_cast<LineNo>(index)).name, {}}) ==
         ChangeResult::Outcome::Made;
}

void PasswordO::AddUser(std::int32_t requiredLevel) {
  if (!HasAccess(IntText(requiredLevel))) {
    dialogs_.Message(MsgKind::Warning, TrText("PasswordO", "Access denied"), MsgButtons::Ok);
    return;
  }
  Reread();
  std::string typed;
  std::string name;
  for (;;) {
    const std::optional<std::string> entry =
        dialogs_.Input(TrText("PasswordO", "New User"), TrText("PasswordO", "Input a Name"), typed);
    if (!entry) return;
    typed = *entry;
    name = CutToCharacters(typed, kUserNameLength);
    if (const std::string problem = UserNameProblem(name); !problem.empty()) {
      dialogs_.Message(MsgKind::Error, problem, MsgButtons::Ok);
      continue;
    }
    if (UserExists(name)) {
      dialogs_.Message(MsgKind::Error, TrText("PasswordO", " Error number 591 ") + ErrorText(591),
                       MsgButtons::Ok);
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
        TrText(
            "PasswordO",
            "Sorry but the two paswords you enteredare not the same please try again thank you."),
        MsgButtons::Ok);
  }
  AppendUser({name, NewPasswordCode(password), 0, NextUserNumber()});
}

}  // namespace orv
