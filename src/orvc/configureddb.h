#pragma once
// The score database a command opens: the one the configuration names, read
// as every command reads it; orvc never asks for another one.
#include <string>

#include "scores/scoredbhost.h"

namespace orv::orvc {

class ConfiguredDbHost : public ScoreDbHost {
 public:
  std::string ScoreDbPath() override;
  void SetScoreDbPath(const std::string&) override {}
  std::string ProgramDir() override;
  int CurrentLevel() override { return -1; }
  int ChangeDbLevel() override { return 256; }
  std::string CurrentDir() override { return {}; }
  bool QuitAllowed() override { return quit_; }
  void SetQuitAllowed() override { quit_ = true; }

 private:
  bool quit_ = false;
};

// Raises CommandError (exit code 1) when the program directory in force does
// not exist or the configuration names no score database.
void RequireConfiguredDatabase(ConfiguredDbHost& host);

}  // namespace orv::orvc
