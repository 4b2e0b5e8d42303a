#include "lists/edit.h"

#include "base/numbertext.h"
#include "base/strings.h"
#include "users/password.h"

namespace orv {

bool MayEditList(const PasswordO& users, std::string_view ownerLine) {
  if (users.HasAccess(IntText(PasswordO::EditLevel()))) return true;
  // Nobody logged in must not match an owner line of two quotes.
  if (!users.IsLoggedIn()) return false;
  return "\"" + Upper(users.CurrentUser()) + "\"" == Upper(ownerLine);
}

std::string JoinedLines(const std::vector<std::string>& lines) {
  std::string joined;
  for (const std::string& line : lines) joined += line + " ";
  // Trimmed here rather than by the 16-bit text utilities: a joined list can
  // be longer than they measure.
  joined.erase(joined.find_last_not_of(' ') + 1);
  return joined;
}

}  // namespace orv
