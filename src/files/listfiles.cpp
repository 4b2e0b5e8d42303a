#include "files/listfiles.h"

#include "base/numbertext.h"
#include "base/strings.h"
#include "files/dos.h"
#include "files/findentries.h"

namespace orv {

std::vector<ListFileEntry> ListFilesOf(std::string_view folder) {
  std::vector<ListFileEntry> lists;
  for (FoundEntry& entry : FindEntries(folder, "orv")) {
    if (entry.isFolder) continue;
    std::string words = IntText(LineCount(std::string(folder) + entry.name));
    lists.push_back({std::move(entry.name), std::move(words)});
  }
  return lists;
}

bool ListEntryBefore(const ListFileEntry& a, const ListFileEntry& b) {
  if (a.words.has_value() != b.words.has_value()) return !a.words.has_value();
  if (a.words != b.words) return *a.words < *b.words;
  return a.fileName < b.fileName;
}

}  // namespace orv
