#pragma once
// Each user's start-up file, ORV.CON in the user's folder under the program's
// "User" folder, and the settings it feeds: the current word list, the test
// options and the access thresholds of some commands.
#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <utility>

#include "base/errors.h"

namespace orv {

class Dialogs;
struct ProgramPaths;

class E_LoadUser_Error : public E_Orv_Error {
 public:
  using E_Orv_Error::E_Orv_Error;
};

struct StartUpSettings {
  std::string CurrentFile = "words0.orv";
  std::string CurrentDir;  // empty or ending in "\"
  bool InOrder = false;
  bool WholeFile = true;
  bool ReshowWord = false;
  bool ShowWord = true;
  std::int32_t optionMenuPasLev = 10;
  std::int32_t soundMenuPasLev = 0;
  std::int32_t listSoundsPasLev = 0;
  std::int32_t soundDelPasLev = 250;
  std::int32_t ChangeDBPasLev = 250;
  std::int32_t delFilePasLev = 100;
  std::int32_t lookOtherUsersPasLev = 200;
  std::int32_t MakeWrongWordFileForOthers = 210;
  // Who may add users; a file without the key keeps the value in force.
  std::int32_t addUserPasLev = 0;
  // Speech, kept on key lines after the thresholds ("SpeakWords=1"), which
  // a reader that does not know them passes over. A file without them gives
  // a user the values below.
  bool SpeakWords = true;
  bool SpeakSums = false;
  std::string SpeakVoice;  // empty: the voice of the windows' language
  // How the windows read and what a test says, on key lines behind the
  // speech keys, which an older reader passes over in the same way.
  std::int32_t TextSize = 100;   // per cent of the desktop's text size, 100 to 300
  std::string ReadingFont;       // a font family's name; empty for the desktop's own
  bool HighContrast = false;     // white and yellow on black
  std::int32_t FlashTime = 100;  // per cent of the word's usual flash, 100 to 400
  bool KindWord = true;          // a line at the end of a test on what went well
  bool RightSound = false;       // a short chime after each right answer
  // The windows' language ("de"; empty for the desktop's), on a key line
  // behind the others, passed over by older readers as they are.
  std::string Language;
};

inline constexpr std::int32_t kSmallestTextSize = 100;
inline constexpr std::int32_t kLargestTextSize = 300;
inline constexpr std::int32_t kShortestFlash = 100;
inline constexpr std::int32_t kLongestFlash = 400;

// The teachers' level: the Option menu's at first, and adding users' in a
// program directory made by orvc init.
inline constexpr std::int32_t kTeacherLevel = 10;
// The orv.ini value (of the program's key) that holds the level adding users
// needs in new start-up files.
inline constexpr std::string_view kNewAddUserLevel = "addUserPasLev";

using Threshold = std::int32_t StartUpSettings::*;

// The access thresholds with their keys, in the order of the file's lines 8 to
// 16 and of the password-level window.
inline constexpr std::array<std::pair<std::string_view, Threshold>, 9> kThresholds{{
    {"optionMenuPasLev", &StartUpSettings::optionMenuPasLev},
    {"soundMenuPasLev", &StartUpSettings::soundMenuPasLev},
    {"listSoundsPasLev", &StartUpSettings::listSoundsPasLev},
    {"soundDelPasLev", &StartUpSettings::soundDelPasLev},
    {"ChangeDBPasLev", &StartUpSettings::ChangeDBPasLev},
    {"delFilePasLev", &StartUpSettings::delFilePasLev},
    {"lookOtherUsersPasLev", &StartUpSettings::lookOtherUsersPasLev},
    {"MakeWrongWordFileForOthers", &StartUpSettings::MakeWrongWordFileForOthers},
    {"addUserPasLev", &StartUpSettings::addUserPasLev},
}};

// A user's start-up file in the program directory.
std::string StartUpFilePathOf(const std::string& programDir, const std::string& user);

// Reads the user's start-up file in the paths' program directory into the
// settings, offering to create it when it is missing. Raises
// E_LoadUser_Error on failure; refusing the new file also asks the
// application to end.
void LoadStartUp(Dialogs& dialogs, StartUpSettings& settings, const ProgramPaths& paths,
                 const std::string& user);

// The language a start-up file chooses; empty when it chooses none or
// cannot be read.
std::string StartUpLanguage(const std::string& path);

// Writes the settings to the user's start-up file.
void SaveStartUp(Dialogs& dialogs, const StartUpSettings& settings, const ProgramPaths& paths,
                 const std::string& user);

}  // namespace orv
