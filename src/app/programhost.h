#pragma once
// The score database's view of the running program: the "scoreDB" value of
// orv.ini, the configured account, the program paths, the logged-in user and
// the start-up settings.
#include <utility>

#include "scores/scoredbhost.h"

namespace orv {

class PasswordO;
struct ProgramPaths;
struct StartUpSettings;

class ProgramScoreDbHost : public ScoreDbHost {
 public:
  // users is the password file logged in to; a command that logs nobody in
  // has none, and its level is then below every level.
  ProgramScoreDbHost(DbAccount account, ProgramPaths& paths, const StartUpSettings& settings,
                     const PasswordO* users)
      : account_(std::move(account)), paths_(paths), settings_(settings), users_(users) {}
  std::string ScoreDbPath() override;
  void SetScoreDbPath(const std::string& path) override;
  std::string ProgramDir() override;
  int CurrentLevel() override;
  int ChangeDbLevel() override;
  std::string CurrentDir() override;
  bool QuitAllowed() override;
  void SetQuitAllowed() override;
  DbAccount Account() override { return account_; }

 private:
  DbAccount account_;
  ProgramPaths& paths_;
  const StartUpSettings& settings_;
  const PasswordO* users_;
};

}  // namespace orv
