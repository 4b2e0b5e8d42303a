#include "files/findentries.h"

#include <fcntl.h>
#include <sys/stat.h>

#include "base/strings.h"
#include "files/folderlisting.h"
#include "files/pathwalk.h"

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
  const WalkedPath walked(folder);
  if (walked.Code() != 0) return found;
  FolderListing listing(walked.Folder(), walked.Name().c_str());
  struct stat listed {};
  if (!listing || ::fstat(listing.Fd(), &listed) != 0) return found;
  // A link of a folder that others may write is not followed, so it is no folder here.
  const bool followLinks = !OthersMayWrite(listed);
  while (const char* entry = listing.Next()) {
    std::string name = entry;
    if (!HasExtension(name, ext)) continue;
    struct stat st {};
    if (::fstatat(listing.Fd(), name.c_str(), &st, AT_SYMLINK_NOFOLLOW) != 0) continue;
    const bool isLink = S_ISLNK(st.st_mode);
    if (isLink && followLinks && ::fstatat(listing.Fd(), name.c_str(), &st, 0) != 0) st = {};
    found.push_back({std::move(name), S_ISDIR(st.st_mode), isLink});
  }
  return found;
}

}  // namespace orv
