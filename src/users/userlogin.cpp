#include "users/userlogin.h"

#include <algorithm>
#include <utility>
#include <vector>

#include "base/dialogs.h"
#include "base/strings.h"
#include "base/translate.h"
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

}  // namespace

UserChange CodeChange(std::string name, std::string code) {
  UserChange change{UserChange::Kind::SetCode, std::move(name), {}};
  change.user.code = std::move(code);
  return change;
}

std::string LoginDelayedText(std::int64_t seconds) {
  return Filled(
      TrText("PasswordO", "Too many wrong log-ins for this name in a row: try again in %1 s."),
      std::to_string(seconds));
}

std::string RefusedLoginText(int level, std::int64_t wait) {
  return level == kLoginDelayed ? LoginDelayedText(wait) : TrText("PasswordO", kDenied);
}

UserLogin::UserLogin(PasswordFile& file, Dialogs& dialogs)
    : file_(file), dialogs_(dialogs), tries_(LoginRecordPath(file.Directory())) {}

bool UserLogin::SuperPasswordMatches(std::string_view password) {
  bool matched = false;
  // Every super user is visited, so each one without a password is reset.
  for (const UserRecord& super : file_.UsersAtLevel(kSuperLevel)) {
    if (super.code.empty()) {
      dialogs_.Message(MsgKind::Warning,
                       Filled(TrText("PasswordO", "NO PASWORD FOR SUPPER USER, reset to \"%1\""),
                              std::string(kDefaultSuperPassword)),
                       MsgButtons::Ok);
      UserChange reset = CodeChange(super.name, NewPasswordCode(kDefaultSuperPassword));
      reset.onlyFrom = "";
      switch (file_.Change(reset)) {
        case ChangeResult::Outcome::Made:
        case ChangeResult::Outcome::Failed:  // still without a password
          matched = true;
          break;
        case ChangeResult::Outcome::Unneeded:
          // Another program gave the super user a password meanwhile.
          matched = matched || CodeMatches(file_.FindUser(super.name).code, password);
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

int UserLogin::Authenticate(std::string_view name, std::string_view password) {
  if (!file_.UserExists(name)) {
    // The checks a known name gets: the super users' codes (without the
    // reset of a missing one, which a known name triggers), then its own.
    for (const UserRecord& super : file_.UsersAtLevel(kSuperLevel)) {
      if (!super.code.empty()) CodeMatches(super.code, password);
    }
    CheckAgainstDummyCode(password);
    return -1;
  }
  if (SuperPasswordMatches(password)) return kSuperLevel;
  if (file_.HasNoPassword(name)) return 0;
  const UserRecord user = file_.FindUser(name);
  return CodeMatches(user.code, password) ? user.level : -2;
}

int UserLogin::AuthenticateTry(std::string_view name, std::string_view password,
                               std::int64_t& wait) {
  wait = tries_.Take(name);
  if (wait > 0) return kLoginDelayed;
  const int level = Authenticate(name, password);
  if (level >= 0) tries_.Right();
  return level;
}

int UserLogin::Login() {
  const LoginEntry entry = dialogs_.AskLogin();
  if (entry.name == "No user" && entry.password.empty()) return -3;
  const std::string name = UpperAZ(entry.name);
  file_.Reread();
  // Authenticating gives a super user found without a password the default
  // one, which then opened level 255 as surely as typing it would have.
  std::vector<std::string> withoutPassword;
  for (const UserRecord& super : file_.UsersAtLevel(kSuperLevel)) {
    if (super.code.empty()) withoutPassword.push_back(super.name);
  }
  std::int64_t wait = 0;
  const int level = AuthenticateTry(name, entry.password, wait);
  if (level < 0) {
    currentLevel_ = level;
    dialogs_.Message(MsgKind::Warning, RefusedLoginText(level, wait), MsgButtons::Ok);
    return currentLevel_;
  }
  if (level == kSuperLevel) {
    for (const UserRecord& super : file_.UsersAtLevel(kSuperLevel)) {
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
  currentUser_ = file_.StoredUserName(name);
  UpgradeCode(name, entry.password);
  return currentLevel_;
}

bool UserLogin::ReplaceDefaultPassword(const std::string& superUser) {
  dialogs_.Information(
      Filled(TrText("PasswordO",
                    "The super user %1 has the default password \"%2\", which anyone can read "
                    "in the help. Choose a new password for %1."),
             superUser, std::string(kDefaultSuperPassword)));
  for (;;) {
    const std::optional<std::string> chosen = AskAgreeingPassword(dialogs_);
    // Empty entries would leave the super user without a password, which
    // the next log-in turns into the default one again.
    if (!chosen || chosen->empty()) return false;
    if (*chosen != kDefaultSuperPassword) {
      return file_.Change(CodeChange(superUser, NewPasswordCode(*chosen))) ==
             ChangeResult::Outcome::Made;
    }
    dialogs_.Warning(
        Filled(TrText("PasswordO", "\"%1\" is the default password. Please choose another one."),
               std::string(kDefaultSuperPassword)));
  }
}

void UserLogin::UpgradeCode(std::string_view name, std::string_view password) {
  const std::int32_t index = file_.IndexOfUser(name);
  if (index < 1) return;
  UserRecord user = file_.ReadUser(static_cast<LineNo>(index));
  if (user.code.empty() || IsArgon2Code(user.code) || !CodeMatches(user.code, password)) return;
  // Only the code checked is replaced: a password another program set
  // meanwhile stays. A password file that cannot be written keeps the older
  // code; the log-in goes on without a message.
  UserChange upgrade = CodeChange(user.name, NewPasswordCode(password));
  upgrade.onlyFrom = user.code;
  file_.Change(upgrade, true);
}

void UserLogin::Logout() {
  currentUser_.clear();
  currentLevel_ = -1;
}

bool UserLogin::HasAccess(std::string_view requirement) const {
  if (currentLevel_ >= FieldNumber(WordN(requirement, 1, " ", false))) return true;
  // Nobody logged in must not match an empty pair of quotes.
  if (currentUser_.empty()) return false;
  return UpperAZ(requirement).find("\"" + UpperAZ(currentUser_) + "\"") != std::string::npos;
}

std::optional<std::string> AskAgreeingPassword(Dialogs& dialogs) {
  for (;;) {
    const auto entries = dialogs.AskNewPasswordTwice();
    if (!entries) return std::nullopt;
    const auto& [first, second] = *entries;
    if (first == second) return first;
    const MsgAnswer again = dialogs.Message(
        MsgKind::Warning,
        TrText("PasswordO",
               "Sorry but the two paswords you enteredare not the same please try again."),
        MsgButtons::OkCancel);
    if (again == MsgAnswer::Cancel) return std::nullopt;
  }
}

}  // namespace orv
