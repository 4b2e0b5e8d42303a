#include "app/scorewindowhost.h"

#include "app/programpaths.h"
#include "app/startupfile.h"

namespace orv {

const PasswordO& ProgramScoreWindowHost::PasswordFile() const {
  return users_;
}

ScoreWindowLevels ProgramScoreWindowHost::Levels() const {
  const StartUpSettings& s = Settings();
  return {s.lookOtherUsersPasLev, s.listSoundsPasLev, s.soundDelPasLev};
}

std::string ProgramScoreWindowHost::CurrentDir() const {
  return Settings().CurrentDir;
}

std::string ProgramScoreWindowHost::CurrentFile() const {
  return Settings().CurrentFile;
}

std::string ProgramScoreWindowHost::ListRoot() const {
  return Paths().listRoot;
}

}  // namespace orv
