#pragma once
// The database windows' view of the running program: a password file, the
// start-up settings' levels and current list, and the program's word-list root.
#include "scores/scorewindowhost.h"

namespace orv {

class ProgramScoreWindowHost : public ScoreWindowHost {
 public:
  explicit ProgramScoreWindowHost(const PasswordO& users) : users_(users) {}

  const PasswordO& PasswordFile() const override;
  ScoreWindowLevels Levels() const override;
  std::string CurrentDir() const override;
  std::string CurrentFile() const override;
  std::string ListRoot() const override;

 private:
  const PasswordO& users_;
};

}  // namespace orv
