#include "files/findentries.h"

#include <filesystem>
#include <system_error>

#include "base/strings.h"
#include "files/filelayer.h"

namespace orv {
namespace {

bool HasExtension(std::string_view name, std::string_view ext) {
  if (name.size() <= ext.size()) return false;
  const std::size_t dot = name.size() - ext.size() - 1;
  return name[dot] == '.' && UpperAZ(name.substr(dot + 1)) == UpperAZ(ext);
}

}  // namespace

std::vector<FoundEntry> FindEntries(std::string_view folder, std::string_view ext) {
  std::vector<FoundEntry> found;
  std::error_code ec;
  std::filesystem::directory_iterator it(NativePath(folder), ec);
  if (ec) return found;
  // Incrementing with an error code: an entry that vanishes mid-search ends
  // the search instead of raising.
  for (; !ec && it != std::filesystem::directory_iterator(); it.increment(ec)) {
    const std::filesystem::directory_entry& entry = *it;
    std::string name = entry.path().filename().string();
    if (!HasExtension(name, ext)) continue;
    std::error_code kindError;
    const bool isFolder = entry.is_directory(kindError) && !kindError;
    const bool isLink = entry.is_symlink(kindError) && !kindError;
    found.push_back({std::move(name), isFolder, isLink});
  }
  return found;
}

}  // namespace orv
