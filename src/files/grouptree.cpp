#include "files/grouptree.h"

#include "base/strings.h"
#include "files/findentries.h"

namespace orv {

std::vector<std::string> GroupFolderNames(std::string_view folder) {
  std::vector<std::string> names;
  for (FoundEntry& entry : FindEntries(folder, "orv")) {
    // Linked folders are left out: a link back up would lead the tree search
    // round in a circle.
    if (entry.isFolder && !entry.isLink) names.push_back(std::move(entry.name));
  }
  return names;
}

std::string TrimTrailingSeparators(std::string_view text) {
  std::size_t end = text.size();
  while (end > 0 && (text[end - 1] == '\\' || text[end - 1] == '/')) --end;
  return std::string(text.substr(0, end));
}

std::vector<std::string> GroupPathParts(std::string_view path) {
  std::vector<std::string> parts;
  std::string rest = TrimTrailingSeparators(path);
  while (!rest.empty()) {
    const std::size_t sep = rest.find('\\');
    std::string part = rest.substr(0, sep);
    if (part.empty()) break;
    parts.push_back(std::move(part));
    rest = sep == std::string::npos ? std::string() : rest.substr(sep + 1);
  }
  return parts;
}

bool SameGroupName(std::string_view nodeText, std::string_view part) {
  return Upper(nodeText) == Upper(part);
}

std::string GroupDirOf(const std::vector<std::string>& names) {
  std::string dir;
  for (const std::string& name : names) dir += name + "\\";
  return dir;
}

std::string GroupPathOf(const std::vector<std::string>& names) {
  std::string path;
  for (const std::string& name : names) path += (path.empty() ? "" : "\\") + name;
  return path;
}

std::string NormalisedGroupDir(std::string_view dir) {
  std::size_t end = dir.size();
  while (end > 0 && dir[end - 1] == '\\') --end;
  return std::string(dir.substr(0, end)) + "\\";
}

}  // namespace orv
