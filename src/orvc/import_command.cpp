// orvc import: lists from other programs' files (CSV, TSV, KVTML, Anki's text
// export, plain text) made in a group of word lists, with their sounds.
#include <ostream>
#include <string>
#include <vector>

#include "app/programpaths.h"
#include "base/strings.h"
#include "exchange/importfile.h"
#include "exchange/importplan.h"
#include "orvc/command.h"
#include "orvc/consoledialogs.h"
#include "orvc/programdirectory.h"
#include "orvc/soundstoreuse.h"
#include "orvc/wordlistinput.h"
#include "scores/importedsounds.h"

namespace orv::orvc {
namespace {

constexpr const char* kUsage = "orvc import FILE... [--group G] [--column N[,M]] [--dry-run]";

struct ImportOptions {
  std::vector<std::string> files;
  std::string group;
  ColumnChoice columns;
  bool dryRun = false;
};

ColumnChoice ColumnsNamed(const std::string& text) {
  ColumnChoice columns;
  std::string rest = text;
  while (!rest.empty()) {
    const std::string number = NextToken(rest, ",");
    if (!AllDigits(number) || number.size() > 4 || std::stoul(number) == 0) {
      throw CommandError{"--column takes a column number from 1, or two as N,M: not \"" + text +
                         "\""};
    }
    columns.push_back(std::stoul(number) - 1);
  }
  if (columns.empty() || columns.size() > 2) {
    throw CommandError{"--column takes one column (words) or two (questions,answers)"};
  }
  return columns;
}

ImportOptions Parse(const Invocation& inv) {
  ImportOptions o;
  for (std::size_t i = 0; i < inv.args.size(); ++i) {
    const std::string& arg = inv.args[i];
    const bool valued = i + 1 < inv.args.size();
    if (arg == "--dry-run") {
      o.dryRun = true;
    } else if (arg == "--group" && valued) {
      const std::optional<std::string> group = GroupDirNamed(inv.args[++i]);
      if (!group) throw CommandError{"the group \"" + inv.args[i] + "\" leaves the word lists"};
      o.group = *group;
    } else if (arg == "--column" && valued) {
      o.columns = ColumnsNamed(inv.args[++i]);
    } else if (arg.rfind("--", 0) == 0) {
      throw CommandError{std::string("usage: ") + kUsage};
    } else {
      o.files.push_back(arg);
    }
  }
  if (o.files.empty()) throw CommandError{std::string("usage: ") + kUsage};
  return o;
}

// Stores the sounds of the lists made; returns how many could not be.
std::size_t StoreSounds(const Invocation& inv, const std::vector<ImportedSound>& sounds) {
  std::size_t failed = 0;
  WithSoundStore(inv, [&](SoundStore& store) {
    const StoredImport done = StoreImportedSounds(store, sounds);
    for (const std::string& failure : done.failures) {
      *inv.err << "orvc: " << ShownOnTerminal(failure) << "\n";
    }
    *inv.out << done.stored << (done.stored == 1 ? " sound" : " sounds") << " stored";
    if (done.kept > 0) *inv.out << ", " << done.kept << " words kept the sound they had";
    *inv.out << '\n';
    failed = done.failures.size();
    return 0;
  });
  return failed;
}

int Run(const Invocation& inv) {
  const ImportOptions o = Parse(inv);
  const ProgramPaths& paths = PathsOf(inv);
  const ImportBatch batch = ReadImportFiles(o.files, o.columns);
  for (const std::string& failure : batch.failures) {
    *inv.err << "orvc: " << ShownOnTerminal(failure) << "\n";
  }
  if (!batch.failures.empty()) throw CommandError{"nothing was imported", 1};
  for (const std::string& problem : batch.problems) *inv.err << ShownOnTerminal(problem) << "\n";
  const std::vector<PlannedList> plan = PlanImport(paths.listRoot, o.group, batch.lists);
  for (const PlannedList& list : plan) {
    *inv.out << ShownOnTerminal(list.shown) << ": " << list.lines.Count()
             << (list.lines.Count() == 1 ? " line" : " lines");
    if (!list.sounds.empty()) {
      *inv.out << ", " << list.sounds.size() << (list.sounds.size() == 1 ? " sound" : " sounds");
    }
    if (list.exists) *inv.out << " (a list of this name is there already)";
    *inv.out << '\n';
  }
  if (o.dryRun) return 0;
  ConsoleDialogs dialogs(*inv.err);
  const ImportWritten written = WriteImport(plan, "", dialogs);
  for (const std::string& kept : written.kept) {
    *inv.err << "orvc: " << ShownOnTerminal(kept)
             << " is there already and was kept (import into another group with --group)\n";
  }
  for (const std::string& failure : written.failures) {
    *inv.err << "orvc: " << ShownOnTerminal(failure) << "\n";
  }
  *inv.out << written.made.size() << (written.made.size() == 1 ? " list" : " lists") << " made\n";
  const std::size_t unstored = written.sounds.empty() ? 0 : StoreSounds(inv, written.sounds);
  return written.failures.empty() && written.kept.empty() && unstored == 0 ? 0 : 1;
}

}  // namespace

ORVC_COMMAND("import", kUsage,
             "make word lists from CSV or TSV files, KVTML 2.0 files, Anki's text export or "
             "plain text, one word a line, in a group; shows what cannot be imported, keeps a "
             "list that is there already, and stores the sounds the files bring",
             Run);

}  // namespace orv::orvc
