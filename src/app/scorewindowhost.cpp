#include "app/scorewindowhost.h"

#include "app/programpaths.h"
#include "app/startupfile.h"

namespace orv {

const PasswordO& ProgramScoreWindowHost::PasswordFile() const {
  return state_.users;
}

ScoreWindowLevels ProgramScoreWindowHost::Levels() const {
  const StartUpSettings& s = state_.settings;
  return {s.lookOtherUsersPasLev, s.listSoundsPasLev, s.soundDelPasLev};
}

std::string ProgramScoreWindowHost::CurrentDir() const {
  return state_.settings.CurrentDir;
}

std::string ProgramScoreWindowHost::CurrentFile() const {
  return state_.settings.CurrentFile;
}

std::string ProgramScoreWindowHost::ListRoot() const {
  return state_.paths.listRoot;
}

}  // namespace orv
