// orvc export: word lists (or groups of them) written for other programs as
// CSV, KVTML 2.0 or Anki's text format, their stored sounds beside the file.
#include <ostream>
#include <string>
#include <vector>

#include "app/programpaths.h"
#include "exchange/listexport.h"
#include "files/dos.h"
#include "files/listfiles.h"
#include "orvc/command.h"
#include "orvc/programdirectory.h"
#include "orvc/soundstoreuse.h"
#include "orvc/wordlistinput.h"

namespace orv::orvc {
namespace {

constexpr const char* kUsage = "orvc export LIST... --to csv|kvtml|anki FILE";

[[noreturn]] void Usage() {
  throw CommandError{std::string("usage: ") + kUsage};
}

// The list files a LIST argument names: a list, or every list of a group;
// as given, or below the word-list root.
std::vector<std::string> ListFilesNamed(const ProgramPaths& paths, const std::string& given) {
  std::string path = given;
  if (!FileFound(path) && !DirExists(path)) path = paths.listRoot + given;
  if (!DirExists(path)) return {path};
  const std::string folder = path.ends_with('/') || path.ends_with('\\') ? path : path + "/";
  std::vector<std::string> files;
  for (const ListFileEntry& entry : ListFilesOf(folder)) files.push_back(folder + entry.fileName);
  if (files.empty()) throw CommandError{"the group " + given + " holds no lists", 1};
  return files;
}

int Run(const Invocation& inv) {
  std::vector<std::string> named;
  std::optional<ExportFormat> format;
  std::string target;
  for (std::size_t i = 0; i < inv.args.size(); ++i) {
    if (inv.args[i] == "--to" && i + 2 < inv.args.size()) {
      format = ExportFormatNamed(inv.args[i + 1]);
      if (!format)
        throw CommandError{"--to takes csv, kvtml or anki, not \"" + inv.args[i + 1] + "\""};
      target = inv.args[i + 2];
      i += 2;
    } else if (inv.args[i].rfind("--", 0) == 0) {
      Usage();
    } else {
      named.push_back(inv.args[i]);
    }
  }
  if (named.empty() || !format) Usage();
  const ProgramPaths& paths = PathsOf(inv);
  std::vector<ExportedList> lists;
  for (const std::string& given : named) {
    for (const std::string& path : ListFilesNamed(paths, given)) {
      lists.push_back(ExportedListOf(BaseName(path), ReadWordList(path).lines));
      if (const std::string note = GeneratedNote(lists.back()); !note.empty()) {
        *inv.out << note << '\n';
      }
    }
  }
  const auto write = [&](const StoredSound& soundOf) {
    if (const std::string why = WriteExport(*format, lists, target, soundOf); !why.empty()) {
      throw CommandError{"could not write " + why, 1};
    }
    *inv.out << lists.size() << (lists.size() == 1 ? " list" : " lists") << " written to "
             << ShownOnTerminal(target) << '\n';
    return 0;
  };
  if (*format == ExportFormat::Csv) {
    return write([](const std::string&) { return std::optional<std::string>(); });
  }
  return WithSoundStore(inv, [&](SoundStore& sounds) {
    return write([&sounds](const std::string& word) { return sounds.SoundOf(word); });
  });
}

}  // namespace

ORVC_COMMAND("export", kUsage,
             "write word lists, or every list of a group, as CSV, KVTML 2.0 or Anki's text "
             "format; sums go out as the questions they make today, and with KVTML and Anki "
             "the words' stored sounds are written beside the file",
             Run);

}  // namespace orv::orvc
