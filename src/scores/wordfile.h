#pragma once
// The word-list files the wrong-word window writes: where they go, choosing
// a new one with its owner file, and writing the words of a query.
#include <optional>
#include <string>
#include <vector>

namespace orv {

class Dialogs;

// The default output for one user's words, relative to the word-list root:
// the user's folder and "WrongWords.Orv".
std::string UserWordFile(const std::string& user);
// The default output for every user's words: "WrongWords.Orv" at the root.
inline constexpr char kAllUsersWordFile[] = "WrongWords.Orv";

// Asks for a new file name in the user's folder under root, creates it empty
// with an owner file naming owner, and returns the new output (relative to
// root, without extension). std::nullopt when nothing was made.
std::optional<std::string> NewWordFile(Dialogs& dialogs, const std::string& root,
                                       const std::string& user, const std::string& owner);

// Writes the words, one a line, to root + output (always with the extension
// ".orv"), making missing folders. Tells the user how it went. Returns the
// I/O code (0 on success).
int WriteWordFile(Dialogs& dialogs, const std::string& root, const std::string& output,
                  const std::vector<std::string>& words);

}  // namespace orv
