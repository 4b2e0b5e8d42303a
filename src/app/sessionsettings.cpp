#include "app/sessionsettings.h"

#include "app/programpaths.h"
#include "app/startupfile.h"

namespace orv {

SessionSettings CurrentSessionSettings() {
  const StartUpSettings& user = Settings();
  SessionSettings settings;
  settings.inOrder = user.InOrder;
  settings.wholeFile = user.WholeFile;
  settings.reshowWord = user.ReshowWord;
  settings.showWord = user.ShowWord;
  settings.speakWords = user.SpeakWords;
  settings.speakSums = user.SpeakSums;
  settings.voice = user.SpeakVoice;
  settings.flashPercent = user.FlashTime;
  settings.kindWord = user.KindWord;
  settings.rightSound = user.RightSound;
  settings.logAll = Paths().LogAll;
  settings.answerDefaults = Paths().answerDefaults;
  settings.currentDir = user.CurrentDir;
  settings.programDir = Paths().programDir;
  return settings;
}

}  // namespace orv
