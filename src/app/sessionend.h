#pragma once
// When the desktop session ends while Orv runs, Orv asks to be started again
// at the next log-in: a one-shot autostart entry that the next start removes.
#include <string>

namespace orv {

// $XDG_CONFIG_HOME (else ~/.config) + "/autostart/orv-restart.desktop".
std::string RestartEntryPath();

// The entry's text: starts program on the program directory.
std::string RestartEntryText(const std::string& program, const std::string& programDir);

// Writes the entry, creating its folder; failures are ignored (false).
bool WriteRestartEntry(const std::string& program, const std::string& programDir);

// Removes the entry left by the last session's end, if any.
void RemoveRestartEntry();

}  // namespace orv
