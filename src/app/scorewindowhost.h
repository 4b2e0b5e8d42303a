#pragma once
// The database windows' view of the running program: its password file, the
// start-up settings' levels and current list, and its word-list root.
#include "app/programstate.h"
#include "scores/scorewindowhost.h"

namespace orv {

class ProgramScoreWindowHost : public ScoreWindowHost {
 public:
  explicit ProgramScoreWindowHost(ProgramState state) : state_(state) {}

  const PasswordO& PasswordFile() const override;
  ScoreWindowLevels Levels() const override;
  std::string CurrentDir() const override;
  std::string CurrentFile() const override;
  std::string ListRoot() const override;

 private:
  ProgramState state_;
};

}  // namespace orv
