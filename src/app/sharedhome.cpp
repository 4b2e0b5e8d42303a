#include "app/sharedhome.h"

#include <dirent.h>
#include <fcntl.h>
#include <grp.h>
#include <pwd.h>
#include <sys/stat.h>
#include <sys/xattr.h>
#include <unistd.h>

#include <cstring>

#include <vector>

#include "base/errors.h"
#include "scores/firebird/engineroot.h"

namespace orv {
namespace {

bool InGroup(gid_t group) {
  if (::getegid() == group) return true;
  const int count = ::getgroups(0, nullptr);
  if (count <= 0) return false;
  std::vector<gid_t> groups(static_cast<std::size_t>(count));
  const int got = ::getgroups(count, groups.data());
  for (int i = 0; i < got; ++i) {
    if (groups[static_cast<std::size_t>(i)] == group) return true;
  }
  return false;
}

std::string GroupName(gid_t group) {
  const ::group* entry = ::getgrgid(group);
  return entry != nullptr ? entry->gr_name : std::to_string(group);
}

std::string UserName() {
  const ::passwd* entry = ::getpwuid(::geteuid());
  return entry != nullptr ? entry->pw_name : std::to_string(::geteuid());
}

// The folder's group when it is shared through one.
bool SharedGroup(const std::string& dir, gid_t& group) {
  struct stat info {};
  if (::stat(dir.c_str(), &info) != 0 || !S_ISDIR(info.st_mode)) return false;
  if ((info.st_mode & S_ISGID) == 0) return false;
  group = info.st_gid;
  return true;
}

// The group named in the folder's access list without the right to write,
// the learners' group of a folder the teachers' group owns (as the package
// shares it); else the folder's own group. The list is read as the kernel
// keeps it: a 4-byte version, then 8-byte entries of tag, permissions, id.
gid_t LearnersGroup(const std::string& dir, gid_t folderGroup) {
  constexpr std::uint16_t kNamedGroup = 0x08;
  constexpr std::uint16_t kWrite = 0x02;
  char list[512];
  const ssize_t size = ::getxattr(dir.c_str(), "system.posix_acl_access", list, sizeof list);
  for (ssize_t at = 4; at + 8 <= size; at += 8) {
    std::uint16_t tag = 0;
    std::uint16_t perm = 0;
    std::uint32_t id = 0;
    std::memcpy(&tag, list + at, 2);
    std::memcpy(&perm, list + at + 2, 2);
    std::memcpy(&id, list + at + 4, 4);
    if (tag == kNamedGroup && (perm & kWrite) == 0) return static_cast<gid_t>(id);
  }
  return folderGroup;
}

}  // namespace

std::string DefaultProgramDirectory(const std::string& exeFolder) {
  return exeFolder == kInstalledBinDir ? std::string(kMachineHome) : exeFolder;
}

std::string SharedHomeProblem(const std::string& programDir) {
  gid_t group = 0;
  // The super user may work anywhere; the package sets the folder up as such.
  if (!SharedGroup(programDir, group) || ::geteuid() == 0 || InGroup(group)) return {};
  // The learners' group, which its access list names, may enter it too.
  const gid_t learners = LearnersGroup(programDir, group);
  if (InGroup(learners)) return {};
  const std::string name = GroupName(learners);
  const std::string user = UserName();
  return "You (" + user + ") are not in the group \"" + name + "\" that shares Orv's folder " +
         programDir + " among the accounts of this computer. Ask the computer's administrator " +
         "to add you (sudo adduser " + user + " " + name +
         "); it counts from your next log-in to the computer.";
}

bool TeachersAccount(const std::string& programDir) {
  gid_t group = 0;
  if (::geteuid() == 0) return true;
  return SharedGroup(programDir, group) ? InGroup(group) : true;
}

void JoinSharedHome(const std::string& programDir) {
  if (std::string problem = SharedHomeProblem(programDir); !problem.empty()) {
    throw E_Orv_Error(problem);
  }
  gid_t group = 0;
  if (!SharedGroup(programDir, group)) return;
  const mode_t mask = ::umask(0);
  ::umask(mask & ~static_cast<mode_t>(S_IRWXG));
}

std::string SharedLockFolder(const std::string& programDir) {
  gid_t group = 0;
  if (!SharedGroup(programDir, group)) return {};
  return programDir + kEngineRootFolder + "/lock";
}

void HandLockFilesToFolder(const std::string& lockFolder) {
  const int dir = ::open(lockFolder.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
  if (dir < 0) return;
  struct stat folder {};
  DIR* entries = ::fstat(dir, &folder) == 0 ? ::fdopendir(dir) : nullptr;
  if (entries == nullptr) {
    ::close(dir);
    return;
  }
  const mode_t mode = S_IRUSR | S_IWUSR | S_IRGRP | S_IWGRP;
  while (const dirent* entry = ::readdir(entries)) {
    const int fd =
        ::openat(dir, entry->d_name, O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) continue;
    struct stat info {};
    if (::fstat(fd, &info) == 0 && S_ISREG(info.st_mode)) {
      if ((info.st_uid != folder.st_uid || info.st_gid != folder.st_gid) &&
          ::fchown(fd, folder.st_uid, folder.st_gid) != 0) {
        // A file that cannot be given away keeps its owner; its mode still helps the group.
      }
      if ((info.st_mode & 07777) != mode) ::fchmod(fd, mode);
    }
    ::close(fd);
  }
  ::closedir(entries);
}

}  // namespace orv
