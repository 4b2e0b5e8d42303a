#pragma once
// The lists of one group as the open-file window shows them: file name and
// line count, in the window's order.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace orv {

struct ListFileEntry {
  std::string fileName;
  std::optional<std::string> words;  // the line count in decimal
};

// Every file (not folder) named "*.orv" in folder (which ends in a
// separator), in directory order, with
// its line count; a file that cannot be read counts 0 lines.
std::vector<ListFileEntry> ListFilesOf(std::string_view folder);

// The window's order: an entry without a word count first; then the word
// count texts compared as texts ("10" before "9"); then the file names.
bool ListEntryBefore(const ListFileEntry& a, const ListFileEntry& b);

}  // namespace orv
