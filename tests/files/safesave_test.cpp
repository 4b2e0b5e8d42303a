#include "files/safesave.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#include <csignal>
#include <filesystem>

#include "files/filelayer.h"
#include "support/temp_dir.h"

namespace orv {
namespace {

namespace fs = std::filesystem;

mode_t CurrentUmask() {
  const mode_t mask = ::umask(0);
  ::umask(mask);
  return mask;
}

std::vector<std::string> EntriesOf(const fs::path& folder) {
  std::vector<std::string> names;
  for (const auto& e : fs::directory_iterator(folder)) names.push_back(e.path().filename());
  std::sort(names.begin(), names.end());
  return names;
}

TEST(SafeSave, MissingComponentsKeepTheSpellingGiven) {
  test::TempDir dir;
  dir.Write("orv.orv/a.txt", "");
  EXPECT_EQ(NativePath(dir.Path().string() + "\\ORV.ORV\\NewDir\\X.Orv"),
            dir.Path().string() + "/orv.orv/NewDir/X.Orv");
  ASSERT_EQ(WriteFileSafely(dir.Path().string() + "\\ORV.ORV\\New.Orv", "x"), 0);
  EXPECT_EQ(EntriesOf(dir.Path() / "orv.orv"), (std::vector<std::string>{"New.Orv", "a.txt"}));
}

TEST(SafeSave, SafeWriteReplacesTheFileAndKeepsItsMode) {
  test::TempDir dir;
  std::string path = dir.Write("list.orv", "old");
  ::chmod(path.c_str(), 0640);
  ASSERT_EQ(WriteFileSafely(dir.Str() + "LIST.ORV", "new text"), 0);
  EXPECT_EQ(dir.Read("list.orv"), "new text");
  struct stat st {};
  ASSERT_EQ(::stat(path.c_str(), &st), 0);
  EXPECT_EQ(st.st_mode & 0777, 0640u);
  EXPECT_EQ(EntriesOf(dir.Path()), std::vector<std::string>{"list.orv"});
}

TEST(SafeSave, AWriteProtectedFileIsNotReplaced) {
  const std::vector<std::pair<mode_t, int>> cases{{0444, 5}, {0400, 5}, {0644, 0}, {0200, 0}};
  for (const auto& [mode, code] : cases) {
    test::TempDir dir;
    const std::string path = dir.Write("KVXS1.KVX", "old");
    ::chmod(path.c_str(), mode);
    EXPECT_EQ(WriteFileSafely(path, "new"), code) << std::oct << mode;
    EXPECT_EQ(dir.Read("KVXS1.KVX"), code == 0 ? "new" : "old") << std::oct << mode;
    EXPECT_EQ(EntriesOf(dir.Path()), std::vector<std::string>{"KVXS1.KVX"});
  }
}

mode_t ModeOf(const std::string& path) {
  struct stat st {};
  EXPECT_EQ(::stat(path.c_str(), &st), 0) << path;
  return st.st_mode & 0777;
}

TEST(SafeSave, PrivateFilesAreTheOwnersOrTheSharedFoldersGroups) {
  struct Case {
    mode_t folder;
    FileAccess access;
    mode_t created;  // a new file
    mode_t before;   // a file that exists ...
    mode_t saved;    // ... after a save or KeepFilePrivate
  };
  const std::vector<Case> cases{
      {0755, FileAccess::Private, 0600, 0644, 0600},
      {0755, FileAccess::Private, 0600, 0751, 0711},
      {02755, FileAccess::Private, 0660, 0644, 0640},
      {0775, FileAccess::Private, 0660, 0666, 0660},
      {0755, FileAccess::Shared, 0666 & ~CurrentUmask(), 0644, 0644},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(::testing::Message() << std::oct << c.folder << " " << c.before);
    test::TempDir dir;
    fs::create_directory(dir.Path() / "home");
    ::chmod((dir.Str() + "home").c_str(), c.folder);
    const std::string path = dir.Str() + "home/KVXS1.KVX";
    ASSERT_EQ(WriteFileSafely(path, "new", c.access), 0);
    EXPECT_EQ(ModeOf(path), c.created);
    ::chmod(path.c_str(), c.before);
    ASSERT_EQ(WriteFileSafely(path, "again", c.access), 0);
    EXPECT_EQ(ModeOf(path), c.saved);
    if (c.access == FileAccess::Private) {
      ::chmod(path.c_str(), c.before);
      ASSERT_EQ(KeepFilePrivate(path), 0);
      EXPECT_EQ(ModeOf(path), c.saved);
    }
    ASSERT_EQ(MakeFilePrivate(path), 0);
    EXPECT_EQ(ModeOf(path), c.folder == 0755 ? 0600u : 0660u);
  }
}

TEST(SafeSave, SafeWriteThroughALinkKeepsTheLink) {
  test::TempDir dir;
  dir.Write("real/list.orv", "old");
  fs::create_symlink(dir.Path() / "real/list.orv", dir.Path() / "link.orv");
  ASSERT_EQ(WriteFileSafely(dir.Str() + "link.orv", "new"), 0);
  EXPECT_TRUE(fs::is_symlink(dir.Path() / "link.orv"));
  EXPECT_EQ(dir.Read("real/list.orv"), "new");
}

TEST(SafeSave, SafeWriteRefusesFoldersAndMissingPaths) {
  test::TempDir dir;
  fs::create_directory(dir.Path() / "folder");
  EXPECT_EQ(WriteFileSafely(dir.Str() + "folder", "x"), 5);
  EXPECT_EQ(WriteFileSafely(dir.Str() + "missing/file.txt", "x"), 3);
  EXPECT_EQ(EntriesOf(dir.Path()), std::vector<std::string>{"folder"});
  EXPECT_TRUE(fs::is_empty(dir.Path() / "folder"));
}

TEST(SafeSave, AWriteThatFailsHalfWayLeavesTheOldFileWhole) {
  test::TempDir dir;
  const std::string old(100, 'o');
  dir.Write("list.orv", old);
  const std::string path = dir.Str() + "LIST.orv";
  pid_t child = ::fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    // The file system refuses every byte past the limit, as a full disk would.
    std::signal(SIGXFSZ, SIG_IGN);
    rlimit limit{4096, 4096};
    if (::setrlimit(RLIMIT_FSIZE, &limit) != 0) ::_exit(200);
    ::_exit(WriteFileSafely(path, std::string(1 << 20, 'n')));
  }
  int status = 0;
  ASSERT_EQ(::waitpid(child, &status, 0), child);
  ASSERT_TRUE(WIFEXITED(status));
  EXPECT_EQ(WEXITSTATUS(status), 101);
  EXPECT_EQ(dir.Read("list.orv"), old);
  EXPECT_EQ(EntriesOf(dir.Path()), std::vector<std::string>{"list.orv"});
}

TEST(SafeSave, ASaveRemovesTheTemporaryFilesThatKilledSavesLeft) {
  test::TempDir dir;
  for (const char* stale : {".list.orv.4242-1.tmp", ".a.b c.17-230.tmp"}) dir.Write(stale, "x");
  // Other names, and a temporary file whose save is still writing it (it holds the lock).
  std::vector<std::string> kept = {".list.orv.4242-1.tmp.bak",
                                   "list.orv.4242-1.tmp",
                                   ".list.orv.4242.tmp",
                                   ".list.orv.x-1.tmp",
                                   ".1-2.tmp",
                                   ".busy.orv.99-1.tmp",
                                   "list.orv"};
  for (const auto& name : kept) dir.Write(name, "keep");
  const int busy = ::open((dir.Str() + ".busy.orv.99-1.tmp").c_str(), O_RDONLY | O_CLOEXEC);
  ASSERT_EQ(::flock(busy, LOCK_EX), 0);
  ASSERT_EQ(WriteFileSafely(dir.Str() + "list.orv", "new"), 0);
  ::close(busy);
  std::sort(kept.begin(), kept.end());
  EXPECT_EQ(EntriesOf(dir.Path()), kept);
}

TEST(SafeSave, ProcessesSavingIntoOneFolderAtOnceNeverLoseASave) {
  test::TempDir dir;
  std::vector<pid_t> savers;
  for (int c = 0; c < 3; ++c) {
    savers.push_back(::fork());
    ASSERT_GE(savers.back(), 0);
    if (savers.back() != 0) continue;
    int failed = 0;
    const std::string path = dir.Str() + "file" + std::to_string(c % 2) + ".orv";
    for (int i = 0; i < 300; ++i) failed += WriteFileSafely(path, std::string(4000, 'a')) != 0;
    ::_exit(failed);
  }
  for (const pid_t saver : savers) {
    int status = 0;
    ASSERT_EQ(::waitpid(saver, &status, 0), saver);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "a save failed";
  }
  EXPECT_EQ(EntriesOf(dir.Path()), (std::vector<std::string>{"file0.orv", "file1.orv"}));
}

}  // namespace
}  // namespace orv
