#include "files/userfolder.h"

#include "base/strings.h"
#include "files/dos.h"

namespace orv {

std::string UsersFolder(const std::string& programDir) {
  return programDir + "User\\";
}

std::string UserFolder(const std::string& programDir, const std::string& userName) {
  const std::string users = UsersFolder(programDir);
  const std::string own = users + FolderNameOf(userName) + ".DIR\\";
  if (DirExists(own)) return own;
  // Folders used to be named after the part of the name before a ".": such
  // a folder is still its owner's, the user whose name its start-up file holds.
  const std::string old = users + BaseName(userName) + ".DIR\\";
  if (old != own && DirExists(old) && Upper(ReadLineN(old + "ORV.CON", 2)) == Upper(userName)) {
    return old;
  }
  return own;
}

void MakeUsersFolder(const std::string& programDir) {
  const std::string users = UsersFolder(programDir);
  if (!DirExists(users)) MDir(users, Entries::OwnersOnly);
}

}  // namespace orv
