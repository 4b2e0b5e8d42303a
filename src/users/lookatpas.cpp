#include "users/lookatpas.h"

#include "base/dialogs.h"
#include "base/numbertext.h"
#include "base/strings.h"
#include "base/translate.h"
#include "users/password.h"

namespace orv {

bool MayEditUsers(const PasswordO& users, Dialogs& dialogs) {
  if (users.HasAccess(IntText(PasswordO::EditLevel()))) return true;
  dialogs.Warning(TrText("lookatpas", "Access denied"));
  return false;
}

std::optional<std::uint8_t> LevelOfEntry(std::string_view text) {
  if (text.size() > 3 || text.find_first_not_of("0123456789") != std::string_view::npos) {
    return std::nullopt;
  }
  int value = 0;
  for (char c : text) value = value * 10 + (c - '0');
  return static_cast<std::uint8_t>(value > kSuperLevel ? kSuperLevel : value);
}

bool ChangeUserLevel(PasswordO& users, Dialogs& dialogs, const std::string& name,
                     const std::string& shownLevel) {
  // A cancelled box gives back its preset, so the question still follows.
  const std::string typed =
      dialogs
          .Input(TrText("lookatpas", "User level"),
                 TrText("lookatpas", "Input a number from 0 to 255"), shownLevel)
          .value_or(shownLevel);
  if (dialogs.Message(MsgKind::Confirmation, TrText("lookatpas", "Write changes to password file"),
                      MsgButtons::YesCancel) != MsgAnswer::Yes) {
    return false;
  }
  const std::optional<std::uint8_t> level = LevelOfEntry(typed);
  if (!level) {
    dialogs.Error(TrText("lookatpas", "Error in number"));
    return false;
  }
  users.SetLevel(name, *level);
  return true;
}

void RefuseNameEdit(Dialogs& dialogs) {
  dialogs.Message(MsgKind::Warning, TrText("lookatpas", "Sorry can not edit the user name"),
                  MsgButtons::Cancel);
}

}  // namespace orv
