#pragma once
// The language of the windows: chosen on the command line (--lang), else in
// the options of the user who logged in last, else the desktop's. Loading it
// installs the program's translation and Qt's own for its dialogs; with
// English nothing is installed and every text shows as written.
#include <array>
#include <optional>
#include <string>

namespace orv {

struct ProgramLanguage {
  const char* code;  // as in translations/orv_<code>.ts and help/<code>/
  const char* name;  // the language's name in itself
};

inline constexpr std::array<ProgramLanguage, 4> kProgramLanguages{{
    {"en", "English"},
    {"de", "Deutsch"},
    {"fr", "Français"},
    {"es", "Español"},
}};

// The program's language for a locale name or code ("de_AT", "fr", "C"):
// its language part when the program has it, else English.
std::string SupportedLanguage(const std::string& locale);

// The desktop's language (LANGUAGE, LC_ALL, LC_MESSAGES, LANG, through
// QLocale), as SupportedLanguage gives it.
std::string DesktopLanguage();

// The command line's choice wins, then the user's; an empty choice is none.
std::string ChosenLanguage(const std::optional<std::string>& commandLine, const std::string& user);

// The folder of the compiled translations: $ORV_TRANSLATIONS, else beside
// the program in the build tree, else the installed share folder.
std::string FindTranslationsFolder(const std::string& programFolder);

// Installs the language's translations (replacing those of an earlier call)
// from folder; Qt's own come from Qt's translations folder. Returns false
// when the program's translation could not be loaded (the windows then stay
// English).
bool LoadLanguage(const std::string& language, const std::string& folder);

// The language last loaded; "en" before any.
const std::string& LoadedLanguage();

// At start-up, before the program directory is known: the command line's
// language, else the desktop's.
void StartLanguage(const std::optional<std::string>& commandLine, const std::string& folder);

// Once the program directory is known: the language the last user chose,
// unless the command line chose one.
void FollowUserLanguage(const std::string& user, const std::string& folder);

}  // namespace orv
