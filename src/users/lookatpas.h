#pragma once
// The user editor's work that needs no window: who may open it, and the
// change of one user's level from what is typed.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace orv {

class Dialogs;
class PasswordO;

// Whether the logged-in user may open the user editor; shows "Access denied"
// when not.
bool MayEditUsers(const PasswordO& users, Dialogs& dialogs);

// The level for a typed text: at most 3 digits and nothing else, empty
// counting 0, 256 and more becoming 255; nothing for any other text.
std::optional<std::uint8_t> LevelOfEntry(std::string_view text);

// Asks for the user's new level (preset with the level shown), confirms it
// and stores it. Returns true when the level was written.
bool ChangeUserLevel(PasswordO& users, Dialogs& dialogs, const std::string& name,
                     const std::string& shownLevel);

// The answer to a double click on a user's name, which cannot be edited.
void RefuseNameEdit(Dialogs& dialogs);

}  // namespace orv
