#include "app/programhost.h"

#include "app/dbaccountconfig.h"
#include "app/getuser.h"
#include "app/programpaths.h"
#include "app/registry.h"
#include "app/scoredbconfig.h"
#include "app/startupfile.h"
#include "users/password.h"

namespace orv {

std::string ProgramScoreDbHost::ScoreDbPath() {
  return ConfiguredScoreDbPath(std::string(kMachineIni), RegistryFile());
}

void ProgramScoreDbHost::SetScoreDbPath(const std::string& path) {
  RegWriteString(kOrvKey, "scoreDB", path);
}

std::string ProgramScoreDbHost::ProgramDir() {
  return Paths().programDir;
}

int ProgramScoreDbHost::CurrentLevel() {
  return HasUsers() ? Users().CurrentLevel() : -1;
}

int ProgramScoreDbHost::ChangeDbLevel() {
  return Settings().ChangeDBPasLev;
}

std::string ProgramScoreDbHost::CurrentDir() {
  return Settings().CurrentDir;
}

bool ProgramScoreDbHost::QuitAllowed() {
  return Paths().QuitAllowed;
}

void ProgramScoreDbHost::SetQuitAllowed() {
  Paths().QuitAllowed = true;
}

}  // namespace orv
