// In a folder that other accounts may write, no operation of the file layer
// follows a link or reads or writes a pipe; in a folder only this account
// may write, links work as they always did.
#include "files/pathwalk.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <algorithm>
#include <filesystem>
#include <fstream>
#include <functional>
#include <sstream>

#include "files/dos.h"
#include "files/errortext.h"
#include "files/filelayer.h"
#include "files/filelock.h"
#include "files/safesave.h"
#include "files/userfolder.h"
#include "support/temp_dir.h"

namespace orv {
namespace {

namespace fs = std::filesystem;

// Every entry below folder with its kind, mode and bytes.
std::string Snapshot(const fs::path& folder) {
  std::vector<std::string> lines;
  for (const auto& entry : fs::recursive_directory_iterator(folder)) {
    struct stat st {};
    ::lstat(entry.path().c_str(), &st);
    std::ostringstream line;
    line << entry.path() << ' ' << std::oct << st.st_mode << ' ';
    if (S_ISREG(st.st_mode)) line << std::ifstream(entry.path()).rdbuf();
    lines.push_back(line.str());
  }
  std::sort(lines.begin(), lines.end());
  std::string all;
  for (const std::string& line : lines) all += line + "\n";
  return all;
}

// What another account plants in the folder, around B's file outside.
enum class Planted { FileLink, FileLinkOtherCase, FolderLink, LockFileLink, Pipe, Folder };

void Plant(Planted what, const fs::path& folder, const fs::path& outside) {
  switch (what) {
    case Planted::FileLink:
      return fs::create_symlink(outside / "b.txt", folder / "ORV.CON");
    case Planted::FileLinkOtherCase:
      return fs::create_symlink(outside / "b.txt", folder / "orv.con");
    case Planted::FolderLink:
      return fs::create_directory_symlink(outside, folder / "B.DIR");
    case Planted::LockFileLink:
      std::ofstream(folder / "ORV.CON") << "mine";
      return fs::create_symlink(outside / "b.txt", folder / ".ORV.CON.lock");
    case Planted::Pipe:
      ::mkfifo((folder / "ORV.CON").c_str(), 0600);
      return;
    case Planted::Folder:
      fs::create_directory(folder / "ORV.CON");
      return;
  }
}

// The program's operations, each giving its I/O code; one that raises
// E_Dos_Error gives the planted entry's code when its message holds it.
int Save(const std::string& path) {
  return WriteFileSafely(path, "x");
}
int SavePrivate(const std::string& path) {
  return WriteFileSafely(path, "x", FileAccess::Private);
}
int Read(const std::string& path) {
  std::string bytes;
  return ReadFileBytes(path, bytes);
}
int Permissions(const std::string& path) {
  return MakeFilePrivate(path) | KeepFilePrivate(path);
}
int Lock(const std::string& path) {
  return FileLock(path).Code();
}
int Erase(const std::string& path) {
  const FileLock lock(path);
  return lock.Code() != 0 ? lock.Code() : EraseFile(path);
}
int Raising(const std::function<int()>& use) {
  try {
    return use();
  } catch (const E_Dos_Error& e) {
    const bool planted =
        std::string(e.what()).find(ErrorText(kPlantedEntryCode)) != std::string::npos;
    return planted ? kPlantedEntryCode : -1;
  }
}
int MakeFolders(const std::string& path) {
  return Raising([&] { return MakePath(path); });
}
int Make(const std::string& path) {
  return Raising([&] { return MakeFile(path); });
}

struct Door {
  const char* what;
  Planted planted;
  int (*use)(const std::string& path);
  const char* path;     // below the folder
  int inPrivateFolder;  // the code where only this account may write the folder
};

constexpr Door kDoors[] = {
    {"a save through a file link", Planted::FileLink, Save, "ORV.CON", 0},
    {"a private save through a link spelt in other letters", Planted::FileLinkOtherCase,
     SavePrivate, "ORV.CON", 0},
    {"a save into a linked folder", Planted::FolderLink, Save, "B.DIR\\b.txt", 0},
    {"a read through a file link", Planted::FileLink, Read, "ORV.CON", 0},
    {"permissions through a file link", Planted::FileLink, Permissions, "ORV.CON", 0},
    {"the lock of a file link", Planted::FileLink, Lock, "ORV.CON", 0},
    {"a lock file planted as a link", Planted::LockFileLink, Lock, "ORV.CON", 3},
    {"an erase in a linked folder", Planted::FolderLink, Erase, "B.DIR\\b.txt", 0},
    {"folders made in a linked folder", Planted::FolderLink, MakeFolders, "B.DIR\\new\\x.POS", 0},
    {"a user's folder planted as a link", Planted::FolderLink, Make, "B.DIR\\ORV.CON", 0},
    {"a pipe in a file's place, erased", Planted::Pipe, Erase, "ORV.CON", 0},
    {"a pipe in a file's place, read", Planted::Pipe, Read, "ORV.CON", kNotAFileCode},
    {"a folder in a file's place, saved", Planted::Folder, Save, "ORV.CON", 5},
};

class SharedFolderDoors : public ::testing::Test {
 protected:
  void SetUp() override {
    fs::create_directory(outside());
    std::ofstream(outside() / "b.txt") << "B's own";
    fs::permissions(outside() / "b.txt", fs::perms(0640));
    fs::create_directory(folder());
  }
  fs::path outside() const { return dir.Path() / "outside"; }
  fs::path folder() const { return dir.Path() / "home"; }
  test::TempDir dir;
};

TEST_F(SharedFolderDoors, PlantedEntriesAreRefusedInASharedFolderAndWorkInAPrivateOne) {
  for (const mode_t mode : {02775, 0755}) {
    const bool shared = mode == 02775;
    for (const Door& door : kDoors) {
      SCOPED_TRACE(::testing::Message() << door.what << (shared ? ", shared" : ", private"));
      fs::remove_all(folder());
      fs::create_directory(folder());
      ASSERT_EQ(::chmod(folder().c_str(), mode), 0);
      Plant(door.planted, folder(), outside());
      const std::string before = Snapshot(outside());
      EXPECT_EQ(door.use(folder().string() + "/" + door.path),
                shared ? kPlantedEntryCode : door.inPrivateFolder);
      if (shared) {
        EXPECT_EQ(Snapshot(outside()), before);
      }
    }
  }
}

TEST_F(SharedFolderDoors, WhoMayWriteAFolderDecidesWhetherItsLinksAreFollowed) {
  const struct {
    mode_t mode;
    uid_t owner;
    bool followed;
  } cases[] = {
      {0755, ::geteuid(), true},  {0700, ::geteuid(), true},  {01755, ::geteuid(), true},
      {0775, ::geteuid(), false}, {0757, ::geteuid(), false}, {01777, ::geteuid(), false},
      {0755, 65534, false},
  };
  fs::create_symlink(outside() / "b.txt", folder() / "link.txt");
  for (const auto& c : cases) {
    if (c.owner != ::geteuid() && ::geteuid() != 0) continue;  // only root gives a folder away
    ASSERT_EQ(::chown(folder().c_str(), c.owner, static_cast<gid_t>(-1)), 0);
    ASSERT_EQ(::chmod(folder().c_str(), c.mode), 0);
    const WalkedPath walked(folder().string() + "/link.txt");
    EXPECT_EQ(walked.Code(), c.followed ? 0 : kPlantedEntryCode) << std::oct << c.mode;
  }
}

TEST_F(SharedFolderDoors, ALinkOfAPrivateFolderLeadsIntoTheSharedOneWithItsRules) {
  fs::permissions(folder(), fs::perms(02775));
  fs::create_directory_symlink(folder(), dir.Path() / "linked-home");
  EXPECT_EQ(WriteFileSafely(dir.Str() + "linked-home/LastUser.Kvx", "ann"), 0);
  EXPECT_EQ(dir.Read("home/LastUser.Kvx"), "ann");
  fs::create_symlink(outside() / "b.txt", folder() / "ORV.CON");
  const std::string before = Snapshot(outside());
  EXPECT_EQ(WriteFileSafely(dir.Str() + "linked-home/ORV.CON", "x"), kPlantedEntryCode);
  EXPECT_EQ(ErrorTextAt(kPlantedEntryCode, dir.Str() + "linked-home/ORV.CON"),
            ErrorText(kPlantedEntryCode) + ": " + (folder() / "ORV.CON").string());
  EXPECT_EQ(Snapshot(outside()), before);
}

TEST_F(SharedFolderDoors, AFolderReplacedByALinkAfterTheWalkIsNotFollowed) {
  fs::permissions(folder(), fs::perms(02775));
  fs::create_directory(folder() / "B.DIR");
  const WalkedPath walked(folder().string() + "/B.DIR/ORV.CON");
  ASSERT_EQ(walked.Code(), 0);
  fs::rename(folder() / "B.DIR", folder() / "moved");
  fs::create_directory_symlink(outside(), folder() / "B.DIR");
  const Descriptor made(::openat(walked.Folder(), walked.Name().c_str(),
                                 O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600));
  EXPECT_GE(made.Get(), 0);
  EXPECT_TRUE(fs::exists(folder() / "moved/ORV.CON"));
  EXPECT_FALSE(fs::exists(outside() / "ORV.CON"));
}

TEST(SharedFolderEntries, FoldersWhereSeveralAccountsMakeEntriesKeepThemApart) {
  const struct {
    mode_t home;
    const char* made;  // by MakePath, below User\ made first
    bool sticky;
  } cases[] = {
      {02770, "User\\", true},
      {02770, "User\\ann.DIR\\ann.orv\\", true},
      {02770, "orv.orv\\ann.orv\\", false},
      {0755, "User\\ann.DIR\\", false},
  };
  // The group may write what is made in a shared program directory (its umask).
  const mode_t mask = ::umask(007);
  for (const auto& c : cases) {
    SCOPED_TRACE(c.made);
    test::TempDir dir;
    ASSERT_EQ(::chmod(dir.Path().c_str(), c.home), 0);
    MakeUsersFolder(dir.Str());
    ASSERT_EQ(MakePath(dir.Str() + c.made + "x"), 0);
    struct stat st {};
    std::string made = dir.Str() + c.made;
    std::replace(made.begin(), made.end(), '\\', '/');
    ASSERT_EQ(::stat(made.c_str(), &st), 0);
    EXPECT_EQ((st.st_mode & S_ISVTX) != 0, c.sticky);
  }
  ::umask(mask);
}

}  // namespace
}  // namespace orv
