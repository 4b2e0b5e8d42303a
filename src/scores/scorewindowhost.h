#pragma once
// What the score, log, wrong-word and sound windows need from the running
// program: the password file with who is logged in, the levels their
// commands ask for, the current list and the word-list root. Each is asked
// when needed, since the user may log in, change the settings or open another
// list while a window exists.
#include <cstdint>
#include <string>

namespace orv {

class PasswordO;

// The access levels of the start-up settings that these windows check.
struct ScoreWindowLevels {
  std::int32_t lookAtOthers = 0;  // a test of another user, in the score window
  std::int32_t listSounds = 0;    // the sound window
  std::int32_t deleteSound = 0;   // deleting a sound
};

class ScoreWindowHost {
 public:
  virtual ~ScoreWindowHost() = default;

  // The users, and the one logged in (none before a log-in).
  virtual const PasswordO& PasswordFile() const = 0;
  virtual ScoreWindowLevels Levels() const = 0;
  // The current list's folder under the word-list root (empty or ending in
  // "\") and its file name.
  virtual std::string CurrentDir() const = 0;
  virtual std::string CurrentFile() const = 0;
  // Ends in the separator; the wrong-word files are written under it.
  virtual std::string ListRoot() const = 0;
};

}  // namespace orv
