#include "lists/owner.h"

#include "files/dos.h"
#include "lists/buffers.h"

namespace orv {

std::string OwnerFilePath(const std::string& listPath) {
  return FolderNoDrive(listPath) + BaseName(listPath) + ".USR";
}

std::string OwnerLine(std::string_view listPath) {
  const std::string ownerFile = OwnerFilePath(std::string(listPath));
  if (!FileFound(ownerFile)) return {};
  BufferO owner;
  LoadFromFile(owner, ownerFile);
  return owner.Count() > 0 ? owner.Get(1) : std::string();
}

std::string ListOwner(const std::string& listPath) {
  std::string owner = ReadLineN(OwnerFilePath(listPath), 1);
  return owner.empty() ? kNoOwner : owner;
}

}  // namespace orv
