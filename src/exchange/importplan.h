#pragma once
// Where imported lists go and their writing: each list a file in the chosen
// group, nothing written before the teacher agrees, and a list that exists
// already replaced only when the teacher says so.
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "base/dialogs.h"
#include "exchange/imported.h"
#include "lists/buffers.h"

namespace orv {

struct ImportedSound {
  std::string word;
  std::string file;
};

struct PlannedList {
  std::string shown;  // the list's group path and file name: "ann.orv\birds.orv"
  std::string path;   // the file below the word-list root
  BufferO lines;
  std::vector<ImportedSound> sounds;
  bool exists = false;  // a list of that name is there already
};

// The group path (as CurrentDir: "ann.orv\sums.orv\") that a group typed
// as "ann", "ann.orv" or "ann/sums" names, "" for the root; std::nullopt for
// one that would leave the word-list root.
std::optional<std::string> GroupDirNamed(std::string_view typed);

// The files of the lists in group (a group path) below the word-list root:
// each list a file of its name in its groups. A list of more entries than a
// list holds becomes several ("words 1", "words 2", ...), a name two
// lists would share gets a number, and a list without entries is not made.
std::vector<PlannedList> PlanImport(std::string_view listRoot, std::string_view group,
                                    const std::vector<ImportedList>& lists);

struct ImportWritten {
  std::vector<std::string> made;      // shown names
  std::vector<std::string> kept;      // lists that existed and were not replaced
  std::vector<std::string> failures;  // "ann.orv\birds.orv: Error num 5, ..."
  std::vector<ImportedSound> sounds;  // the sounds of the lists made
};

// The question asked before an existing list is replaced.
std::string ReplaceListQuestion(std::string_view shown);

// Writes the planned lists, making their groups, each with the owner file
// that names owner (when not empty) as the list's maker, and tells progress
// how many are done; an existing list is replaced only when dialogs answers
// Yes to ReplaceListQuestion.
ImportWritten WriteImport(const std::vector<PlannedList>& plan, const std::string& owner,
                          Dialogs& dialogs, const std::function<void(std::size_t)>& progress = {});

}  // namespace orv
