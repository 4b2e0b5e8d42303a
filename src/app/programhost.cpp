#include "app/programhost.h"

#include "app/dbaccountconfig.h"
#include "app/programpaths.h"
#include "app/registry.h"
#include "app/scoredbconfig.h"
#include "app/startupfile.h"
#include "users/password.h"

namespace orv {

std::string ProgramScoreDbHost::ScoreDbPath() {
  return ConfiguredScoreDbPath(std::string(kMachineIni), RegistryFile(paths_));
}

void ProgramScoreDbHost::SetScoreDbPath(const std::string& path) {
  RegWriteString(paths_, kOrvKey, "scoreDB", path);
}

std::string ProgramScoreDbHost::ProgramDir() {
  return paths_.programDir;
}

int ProgramScoreDbHost::CurrentLevel() {
  return users_ != nullptr ? users_->CurrentLevel() : -1;
}

int ProgramScoreDbHost::ChangeDbLevel() {
  return settings_.ChangeDBPasLev;
}

std::string ProgramScoreDbHost::CurrentDir() {
  return settings_.CurrentDir;
}

bool ProgramScoreDbHost::QuitAllowed() {
  return paths_.QuitAllowed;
}

void ProgramScoreDbHost::SetQuitAllowed() {
  paths_.QuitAllowed = true;
}

}  // namespace orv
