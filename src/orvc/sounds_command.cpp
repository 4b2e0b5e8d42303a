// orvc sounds: the sound store of the score database, for teachers and
// scripts: list, add WAV files, export one, delete one, and give the words
// of word lists a spoken sound.
#include <algorithm>
#include <ostream>
#include <string>
#include <vector>

#include "base/strings.h"
#include "base/utf8.h"
#include "files/dos.h"
#include "files/errortext.h"
#include "files/filelayer.h"
#include "files/safesave.h"
#include "orvc/command.h"
#include "orvc/soundstoreuse.h"
#include "orvc/wordlistinput.h"
#include "scores/listwords.h"
#include "scores/sound/speech.h"
#include "scores/soundstore.h"

namespace orv::orvc {
namespace {

// The length of the sound table's names, in characters.
constexpr std::size_t kSoundNameChars = 255;

constexpr const char* kUsage =
    "orvc sounds list | add FILE... [--replace] | export WORD FILE | delete WORD | speak LIST... "
    "[--replace] [--voice LANG]";

[[noreturn]] void Usage() {
  throw CommandError{std::string("usage: ") + kUsage};
}

// The command's arguments after the action, with its options taken out.
struct Arguments {
  std::vector<std::string> plain;
  bool replace = false;
  std::string voice = kDefaultVoice;
};

Arguments Split(const Invocation& inv, bool options) {
  Arguments a;
  for (std::size_t i = 1; i < inv.args.size(); ++i) {
    const std::string& arg = inv.args[i];
    if (options && arg == "--replace") {
      a.replace = true;
    } else if (options && arg == "--voice" && i + 1 < inv.args.size()) {
      a.voice = inv.args[++i];
    } else if (arg.rfind("--", 0) == 0) {
      Usage();
    } else {
      a.plain.push_back(arg);
    }
  }
  return a;
}

int List(SoundStore& sounds, const Invocation& inv) {
  if (!Split(inv, false).plain.empty()) Usage();
  std::vector<std::string> words = sounds.Words();
  std::sort(words.begin(), words.end(),
            [](const std::string& a, const std::string& b) { return Upper(a) < Upper(b); });
  for (const std::string& word : words) *inv.out << word << '\n';
  return 0;
}

int Add(SoundStore& sounds, const Invocation& inv) {
  const Arguments a = Split(inv, true);
  if (a.plain.empty()) Usage();
  int result = 0;
  for (const std::string& file : a.plain) {
    const std::string word = BaseName(file);
    std::string bytes;
    if (const int code = ReadFileBytes(file, bytes, kSoundFileLimit); code != 0) {
      *inv.err << "orvc: could not read " << file << ": " << ErrorText(code) << "\n";
      result = 1;
    } else if (a.replace || !sounds.WavForWord(word)) {
      if (sounds.StoreWav(word, bytes, SoundStore::Replace::Always)) {
        *inv.out << word << '\n';
      } else {
        *inv.err << "orvc: " << file << " is not a WAV file that can be played; not stored\n";
        result = 1;
      }
    } else {
      *inv.err << "orvc: \"" << word << "\" has a sound already (--replace replaces it)\n";
      result = 1;
    }
  }
  return result;
}

int Export(SoundStore& sounds, const Invocation& inv) {
  const Arguments a = Split(inv, false);
  if (a.plain.size() != 2) Usage();
  const std::optional<std::string> wav = sounds.SoundOf(a.plain[0]);
  if (!wav) throw CommandError{"no sound for \"" + a.plain[0] + "\"", 1};
  if (const int code = WriteFileSafely(a.plain[1], *wav); code != 0) {
    throw CommandError{"could not write " + a.plain[1] + ": " + ErrorText(code), 1};
  }
  return 0;
}

int Delete(SoundStore& sounds, const Invocation& inv) {
  const Arguments a = Split(inv, false);
  if (a.plain.size() != 1) Usage();
  if (!sounds.DeleteWord(a.plain[0])) throw CommandError{"no sound for \"" + a.plain[0] + "\"", 1};
  return 0;
}

// The spelling words of the lists, each once.
std::vector<std::string> WordsOf(const std::vector<std::string>& lists, const Invocation& inv) {
  BufferO all;
  for (const std::string& path : lists) {
    const WordListInput input = ReadWordList(path);
    std::size_t failures = 0;
    const BufferO compiled = CompileReporting(path, input, *inv.err, failures);
    for (const LineNo i : LineNumbers(compiled.Count())) all.Add(compiled.Line(i));
  }
  return SpellingWords(all);
}

int Speak(SoundStore& sounds, const Invocation& inv) {
  const Arguments a = Split(inv, true);
  if (a.plain.empty()) Usage();
  if (!Speaker::Shared().Ready()) {
    throw CommandError{"espeak-ng could not start (is espeak-ng-data installed?)", 1};
  }
  int spoken = 0;
  int kept = 0;
  int result = 0;
  for (const std::string& word : WordsOf(a.plain, inv)) {
    if (!a.replace && sounds.WavForWord(word)) {
      ++kept;
      continue;
    }
    std::string why;
    if (CutToCharacters(word, kSoundNameChars) != word) {
      why = "it is longer than the " + std::to_string(kSoundNameChars) +
            " characters a sound's name may have";
    } else if (const std::optional<std::string> wav = SpokenWav(word, a.voice); !wav) {
      why = "espeak-ng's voice \"" + a.voice + "\" says nothing for it";
    } else if (sounds.StoreWav(word, *wav, SoundStore::Replace::Always, &why)) {
      ++spoken;
      continue;
    }
    *inv.err << "orvc: could not give \"" << ShownOnTerminal(word) << "\" a spoken sound: " << why
             << "\n";
    result = 1;
  }
  *inv.out << spoken << " words spoken, " << kept << " kept their sound\n";
  return result;
}

int Run(const Invocation& inv) {
  if (inv.args.empty()) Usage();
  return WithSoundStore(inv, [&inv](SoundStore& sounds) {
    const std::string& action = inv.args[0];
    if (action == "list") return List(sounds, inv);
    if (action == "add") return Add(sounds, inv);
    if (action == "export") return Export(sounds, inv);
    if (action == "delete") return Delete(sounds, inv);
    if (action == "speak") return Speak(sounds, inv);
    throw CommandError{"unknown sounds action \"" + action +
                       "\" (list, add, export, delete, speak)"};
  });
}

}  // namespace

ORVC_COMMAND("sounds", kUsage,
             "the words' sounds in the score database: list them, add WAV files (stored under "
             "their base names), export one byte for byte, delete one, or give every word of "
             "word lists that has none a spoken sound",
             Run);

}  // namespace orv::orvc
