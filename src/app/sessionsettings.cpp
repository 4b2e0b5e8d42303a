#include "app/sessionsettings.h"

#include "app/language.h"
#include "app/programpaths.h"
#include "app/registry.h"
#include "app/screenreader.h"
#include "app/startupfile.h"

namespace orv {

SessionSettings CurrentSessionSettings(const StartUpSettings& user, const ProgramPaths& paths) {
  SessionSettings settings;
  settings.inOrder = user.InOrder;
  settings.wholeFile = user.WholeFile;
  settings.reshowWord = user.ReshowWord;
  settings.showWord = user.ShowWord;
  // A running screen reader reads the word shown instead: two voices at once
  // would drown each other.
  const bool ownVoice = !ScreenReaderRunning();
  settings.speakWords = user.SpeakWords && ownVoice;
  settings.speakSums = user.SpeakSums && ownVoice;
  settings.voice = user.SpeakVoice.empty() ? LoadedLanguage() : user.SpeakVoice;
  settings.flashPercent = user.FlashTime;
  settings.kindWord = user.KindWord;
  settings.rightSound = user.RightSound;
  settings.logAll = paths.LogAll;
  settings.answerDefaults = paths.answerDefaults;
  settings.currentDir = user.CurrentDir;
  settings.programDir = paths.programDir;
  settings.reviewDays = BoxDaysOf(RegReadString(paths, kOrvKey, "ReviewDays"));
  return settings;
}

}  // namespace orv
