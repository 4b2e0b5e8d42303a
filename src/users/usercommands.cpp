#include "users/usercommands.h"

#include <optional>
#include <string>

#include "base/dialogs.h"
#include "base/numbertext.h"
#include "base/strings.h"
#include "base/translate.h"
#include "base/utf8.h"
#include "files/errortext.h"
#include "users/passwordcode.h"

namespace orv {

UserCommands::UserCommands(PasswordFile& file, UserLogin& login, Dialogs& dialogs)
    : file_(file), login_(login), dialogs_(dialogs) {}

void UserCommands::ChangePassword(std::string_view name) {
  const std::string upper = Upper(name);
  file_.Reread();
  if (login_.Authenticate(upper, "") == -1) return;
  const std::int32_t index = file_.IndexOfUser(upper);
  if (index < 1) return;
  // Cancel keeps the password the user has.
  const std::optional<std::string> chosen = AskAgreeingPassword(dialogs_);
  if (!chosen) return;
  file_.Change(
      CodeChange(file_.ReadUser(static_cast<LineNo>(index)).name, NewPasswordCode(*chosen)));
}

void UserCommands::SetPassword(std::string_view name, std::string_view password, bool legacy) {
  const std::string upper = Upper(name);
  if (!file_.UserExists(upper)) return;
  const std::int32_t index = file_.IndexOfUser(upper);
  if (index < 1) return;
  file_.Change(CodeChange(file_.ReadUser(static_cast<LineNo>(index)).name,
                          legacy ? NewLegacyPasswordCode(password) : NewPasswordCode(password)));
}

void UserCommands::ChangeOwnPassword() {
  const LoginEntry entry = dialogs_.AskLogin();
  const std::string name = UpperAZ(entry.name);
  file_.Reread();
  std::int64_t wait = 0;
  if (const int level = login_.AuthenticateTry(name, entry.password, wait); level < 0) {
    dialogs_.Message(MsgKind::Warning, RefusedLoginText(level, wait), MsgButtons::Ok);
    return;
  }
  ChangePassword(name);
}

void UserCommands::SetLevel(std::string_view name, std::uint8_t level) {
  const std::int32_t index = file_.IndexOfUser(name);
  if (index < 1) {
    dialogs_.Message(MsgKind::Error, TrText("PasswordO", "User not found "), MsgButtons::Ok);
    return;
  }
  UserChange change{
      UserChange::Kind::SetLevel, file_.ReadUser(static_cast<LineNo>(index)).name, {}};
  change.user.level = level;
  file_.Change(change);
}

bool UserCommands::DeleteUser(std::string_view name) {
  if (!login_.HasAccess(IntText(DeleteLevel()))) {
    dialogs_.Message(MsgKind::Warning, TrText("PasswordO", "Access denied"), MsgButtons::Ok);
    return false;
  }
  const std::int32_t index = file_.IndexOfUser(name);
  // The first line and the last remaining user are never deleted.
  if (file_.UserCount() <= 1 || index <= 1 || index > file_.UserCount()) return false;
  const MsgAnswer answer = dialogs_.Message(MsgKind::Confirmation,
                                            Filled(TrText("PasswordO", "Delete user %1"),
                                                   file_.ReadUser(static_cast<LineNo>(index)).name),
                                            MsgButtons::YesCancel);
  if (answer != MsgAnswer::Yes) return false;
  return file_.Change(
             {UserChange::Kind::Remove, file_.ReadUser(static_cast<LineNo>(index)).name, {}}) ==
         ChangeResult::Outcome::Made;
}

void UserCommands::AddUser(std::int32_t requiredLevel) {
  if (!login_.HasAccess(IntText(requiredLevel))) {
    dialogs_.Message(MsgKind::Warning, TrText("PasswordO", "Access denied"), MsgButtons::Ok);
    return;
  }
  file_.Reread();
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
    if (file_.UserExists(name)) {
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
  file_.AppendUser({name, NewPasswordCode(password), 0, file_.NextUserNumber()});
}

}  // namespace orv
