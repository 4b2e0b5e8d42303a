#include "app/startupfile.h"

#include <algorithm>
#include <array>
#include <optional>
#include <string_view>
#include <utility>

#include "app/programpaths.h"
#include "base/dialogs.h"
#include "base/numbertext.h"
#include "base/platform.h"
#include "base/strings.h"
#include "base/translate.h"
#include "files/dos.h"
#include "files/errortext.h"
#include "files/safesave.h"
#include "files/userfolder.h"
#include "lists/buffers.h"

namespace orv {
namespace {

// The file's lines 8 to 15, "key=level".
void AddThresholdLines(BufferO& buffer, const StartUpSettings& settings) {
  for (const auto& [key, field] : kThresholds) {
    buffer.Add(std::string(key) + "=" + IntText(settings.*field));
  }
}

std::string Flag(bool value) {
  return value ? "1" : "0";
}

constexpr std::string_view kSpeakWords = "SpeakWords";
constexpr std::string_view kSpeakSums = "SpeakSums";
constexpr std::string_view kSpeakVoice = "SpeakVoice";

void AddSpeechLines(BufferO& buffer, const StartUpSettings& settings) {
  buffer.Add(std::string(kSpeakWords) + "=" + Flag(settings.SpeakWords));
  buffer.Add(std::string(kSpeakSums) + "=" + Flag(settings.SpeakSums));
  buffer.Add(std::string(kSpeakVoice) + "=" + settings.SpeakVoice);
}

// The text after "key=" on the first line that begins so (letter case of the
// key ignored), or fallback when no line does.
std::string KeyText(const BufferO& buffer, std::string_view key, const std::string& fallback) {
  const std::string prefix = std::string(key) + "=";
  const LineNo at = buffer.Find(prefix, static_cast<std::uint32_t>(prefix.size()), false);
  return at == 0 ? fallback : buffer.Get(at).substr(prefix.size());
}

constexpr std::string_view kTextSize = "TextSize";
constexpr std::string_view kReadingFont = "ReadingFont";
constexpr std::string_view kHighContrast = "HighContrast";
constexpr std::string_view kFlashTime = "FlashTime";
constexpr std::string_view kKindWord = "KindWord";
constexpr std::string_view kRightSound = "RightSound";

void AddReadingLines(BufferO& buffer, const StartUpSettings& settings) {
  buffer.Add(std::string(kTextSize) + "=" + IntText(settings.TextSize));
  buffer.Add(std::string(kReadingFont) + "=" + settings.ReadingFont);
  buffer.Add(std::string(kHighContrast) + "=" + Flag(settings.HighContrast));
  buffer.Add(std::string(kFlashTime) + "=" + IntText(settings.FlashTime));
  buffer.Add(std::string(kKindWord) + "=" + Flag(settings.KindWord));
  buffer.Add(std::string(kRightSound) + "=" + Flag(settings.RightSound));
}

constexpr std::string_view kLanguage = "Language";

void AddLanguageLine(BufferO& buffer, const StartUpSettings& settings) {
  buffer.Add(std::string(kLanguage) + "=" + settings.Language);
}

// A per-cent key's value within its range; a value that is no number gives
// the fallback.
std::int32_t PerCent(const BufferO& buffer, std::string_view key, std::int32_t fallback,
                     std::int32_t least, std::int32_t most) {
  const std::optional<std::int32_t> value = DecimalValue(KeyText(buffer, key, IntText(fallback)));
  return std::clamp(value.value_or(fallback), least, most);
}

void ReadReadingLines(const BufferO& buffer, StartUpSettings& settings) {
  const StartUpSettings defaults;
  settings.TextSize =
      PerCent(buffer, kTextSize, defaults.TextSize, kSmallestTextSize, kLargestTextSize);
  settings.ReadingFont = KeyText(buffer, kReadingFont, defaults.ReadingFont);
  settings.HighContrast = KeyText(buffer, kHighContrast, Flag(defaults.HighContrast)) == "1";
  settings.FlashTime =
      PerCent(buffer, kFlashTime, defaults.FlashTime, kShortestFlash, kLongestFlash);
  settings.KindWord = KeyText(buffer, kKindWord, Flag(defaults.KindWord)) == "1";
  settings.RightSound = KeyText(buffer, kRightSound, Flag(defaults.RightSound)) == "1";
  settings.Language = KeyText(buffer, kLanguage, defaults.Language);
}

void ReadSpeechLines(const BufferO& buffer, StartUpSettings& settings) {
  const StartUpSettings defaults;
  settings.SpeakWords = KeyText(buffer, kSpeakWords, Flag(defaults.SpeakWords)) == "1";
  settings.SpeakSums = KeyText(buffer, kSpeakSums, Flag(defaults.SpeakSums)) == "1";
  settings.SpeakVoice = KeyText(buffer, kSpeakVoice, defaults.SpeakVoice);
}

E_LoadUser_Error StartUpFileError() {
  return E_LoadUser_Error("Error in _PasWord.Begin:" + ErrorText(700));
}

[[noreturn]] void GiveUp(Dialogs& dialogs) {
  dialogs.Error(TrText("startupfile", "Can not continue with out start up file"));
  RequestQuit();
  throw StartUpFileError();
}

bool AskToCreate(Dialogs& dialogs) {
  return dialogs.ConfirmYesNo(TrText("startupfile", "Can not fined the start up file create new?"),
                              MsgKind::Error);
}

void Save(Dialogs& dialogs, const BufferO& buffer, const std::string& path) {
  // The same user may log out on two computers that share the folder.
  if (const int code = SaveToFileLocked(buffer, path, FileAccess::Private); code != 0) {
    dialogs.Error(TrText("startupfile", " Error saveing start up file buffer ") +
                  ErrorTextAt(code, path));
    throw StartUpFileError();
  }
}

// An empty start-up file, with its folders; only its user may read it.
void MakeStartUpFile(const std::string& path, const std::string& programDir) {
  MakeUsersFolder(programDir);
  if (MakeFile(path) == 0) MakeFilePrivate(path);
}

// A new user's file: the settings as every new user starts with them.
BufferO CreationLines(std::int32_t addUserPasLev) {
  StartUpSettings fresh;
  fresh.addUserPasLev = addUserPasLev;
  BufferO buffer;
  for (const char* line : {"WORDS0.ORV", "Your name", "0", "1", "", "1", "1"}) buffer.Add(line);
  AddThresholdLines(buffer, fresh);
  AddSpeechLines(buffer, fresh);
  AddReadingLines(buffer, fresh);
  AddLanguageLine(buffer, fresh);
  return buffer;
}

bool IsOne(const BufferO& buffer, LineNo line) {
  return buffer.Count() >= line && buffer.Get(line) == "1";
}

}  // namespace

std::string StartUpFilePathOf(const std::string& programDir, const std::string& user) {
  return UserFolder(programDir, user) + "ORV.CON";
}

void LoadStartUp(Dialogs& dialogs, StartUpSettings& s, const ProgramPaths& paths,
                 const std::string& user) {
  const std::string path = StartUpFilePathOf(paths.programDir, user);
  if (!FileFound(path)) {
    if (!AskToCreate(dialogs)) GiveUp(dialogs);
    MakeStartUpFile(path, paths.programDir);
    Save(dialogs, CreationLines(paths.addUserPasLev), path);
  }
  BufferO buffer;
  if (const int code = LoadFromFile(buffer, path); code != 0) {
    dialogs.Error(TrText("startupfile", " Error loading start up file buffer ") +
                  ErrorTextAt(code, path));
    throw StartUpFileError();
  }
  if (buffer.Count() >= 1) s.CurrentFile = BaseName(buffer.Get(1)) + ".ORV";
  s.InOrder = IsOne(buffer, 3);
  s.WholeFile = IsOne(buffer, 4);
  if (buffer.Count() > 4) {
    s.CurrentDir = buffer.Get(5);
    // The current group is a folder of the word-list root, never one beside it.
    if (!StaysInside(s.CurrentDir)) {
      dialogs.Warning(Filled(TrText("startupfile",
                                    "Line 5 of the start-up file %1 names a group outside the "
                                    "word lists (%2). The word lists' own folder is used instead."),
                             path, s.CurrentDir));
      s.CurrentDir.clear();
    }
  }
  s.ReshowWord = IsOne(buffer, 6);
  s.ShowWord = IsOne(buffer, 7);
  const StartUpSettings defaults;
  for (const auto& [key, field] : kThresholds) {
    if (!buffer.HasKey(key)) continue;
    try {
      s.*field = buffer.KeyValue(key);
    } catch (const EConvertError&) {
      // A bad line must not lock the user out; the whole file is written
      // again at log-out.
      s.*field = defaults.*field;
      const std::string keyText = std::string(key) + "=";
      const LineNo line = buffer.Find(keyText, static_cast<std::uint32_t>(keyText.size()), false);
      dialogs.Warning(Filled(TrText("startupfile",
                                    "Line %1 of the start-up file %2 has no level number after "
                                    "\"%3\". The level %4 is used instead."),
                             std::to_string(line), path, keyText, std::to_string(defaults.*field)));
    }
  }
  ReadSpeechLines(buffer, s);
  ReadReadingLines(buffer, s);
}

void SaveStartUp(Dialogs& dialogs, const StartUpSettings& s, const ProgramPaths& paths,
                 const std::string& user) {
  const std::string path = StartUpFilePathOf(paths.programDir, user);
  if (!FileFound(path)) {
    if (!AskToCreate(dialogs)) GiveUp(dialogs);
    MakeStartUpFile(path, paths.programDir);
    if (!FileFound(path)) GiveUp(dialogs);
  }
  BufferO buffer;
  buffer.Add(s.CurrentFile);
  buffer.Add(user);
  buffer.Add(Flag(s.InOrder));
  buffer.Add(Flag(s.WholeFile));
  buffer.Add(s.CurrentDir);
  buffer.Add(Flag(s.ReshowWord));
  buffer.Add(Flag(s.ShowWord));
  AddThresholdLines(buffer, s);
  AddSpeechLines(buffer, s);
  AddReadingLines(buffer, s);
  AddLanguageLine(buffer, s);
  Save(dialogs, buffer, path);
}

std::string StartUpLanguage(const std::string& path) {
  BufferO buffer;
  if (LoadFromFile(buffer, path) != 0) return {};
  return KeyText(buffer, kLanguage, {});
}

}  // namespace orv
