#pragma once
// The score database's view of the running program: the "scoreDB" value of
// orv.ini, the configured account, the program paths, the logged-in user and the start-up settings.
#include <utility>

#include "scores/scoredbhost.h"

namespace orv {

class ProgramScoreDbHost : public ScoreDbHost {
 public:
  explicit ProgramScoreDbHost(DbAccount account) : account_(std::move(account)) {}
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
};

}  // namespace orv
