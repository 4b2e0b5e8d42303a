#pragma once
// The directory search of the group and list windows: the entries of one
// folder whose names match "*.<ext>".
#include <string>
#include <string_view>
#include <vector>

namespace orv {

struct FoundEntry {
  std::string name;
  bool isFolder = false;  // a folder, or a link to one
  bool isLink = false;
};

// The entries of folder whose names end in "." + ext, letter case ignored as
// Windows matches a "*.ext" pattern, in the order the directory gives them.
// A folder that cannot be read has no entries.
std::vector<FoundEntry> FindEntries(std::string_view folder, std::string_view ext);

}  // namespace orv
