// The private engine root that lets several processes share a database file.
#include "scores/firebird/engineroot.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

#include "score_db_fixture.h"

namespace orv::test {
namespace {

namespace fs = std::filesystem;

TEST(EngineRoot, SystemRootHoldsTheEngineFiles) {
  const std::string system = SystemFirebirdRoot();
  ASSERT_FALSE(system.empty());
  EXPECT_EQ(system.back(), '/');
  EXPECT_TRUE(fs::exists(fs::path(system) / "plugins"));
  EXPECT_TRUE(fs::exists(fs::path(system) / "firebird.msg"));
}

TEST(EngineRoot, PrivateRootLinksTheSystemFilesAndSharesDatabases) {
  TempDir home;
  const std::string system = SystemFirebirdRoot();
  ASSERT_TRUE(BuildEngineRoot(home.Str(), system));
  const fs::path root = home.Path() / kEngineRootFolder;
  for (const char* entry : {"plugins", "intl", "lib", "firebird.msg", "plugins.conf"}) {
    SCOPED_TRACE(entry);
    ASSERT_TRUE(fs::is_symlink(root / entry));
    EXPECT_EQ(fs::read_symlink(root / entry), fs::path(system) / entry);
  }
  EXPECT_FALSE(fs::is_symlink(root / "firebird.conf"));
  EXPECT_NE(home.Read(std::string(kEngineRootFolder) + "/firebird.conf")
                .find("\nServerMode = SuperClassic\n"),
            std::string::npos);
}

TEST(EngineRoot, RebuildingRepairsAWrongLinkAndAnEditedConfiguration) {
  TempDir home;
  const std::string system = SystemFirebirdRoot();
  ASSERT_TRUE(BuildEngineRoot(home.Str(), system));
  const fs::path root = home.Path() / kEngineRootFolder;
  fs::remove(root / "plugins");
  fs::create_symlink("/nonexistent", root / "plugins");
  fs::remove(root / "intl");
  home.Write(std::string(kEngineRootFolder) + "/firebird.conf", "ServerMode = Super\n");
  ASSERT_TRUE(BuildEngineRoot(home.Str(), system));
  EXPECT_EQ(fs::read_symlink(root / "plugins"), fs::path(system) / "plugins");
  EXPECT_EQ(fs::read_symlink(root / "intl"), fs::path(system) / "intl");
  EXPECT_EQ(home.Read(std::string(kEngineRootFolder) + "/firebird.conf").find("= Super\n"),
            std::string::npos);
}

TEST(EngineRoot, NoSystemRootOrAnUnwritableFolderBuildsNothing) {
  TempDir home;
  EXPECT_FALSE(BuildEngineRoot(home.Str(), ""));
  EXPECT_FALSE(fs::exists(home.Path() / kEngineRootFolder));
  home.Write("file", "x");
  EXPECT_FALSE(BuildEngineRoot(home.Str() + "file/", SystemFirebirdRoot()));
}

TEST(EngineRoot, FoldersSetAlreadyAreKept) {
  // The tests' own root and lock folder are in force; another program
  // directory changes neither.
  const std::string inForce = TestEngineRoot();
  ASSERT_FALSE(inForce.empty());
  const std::string lock = std::getenv("FIREBIRD_LOCK");
  TempDir other;
  const EngineFolders folders = PrepareEngine(other.Str(), other.Str() + "lock");
  EXPECT_EQ(folders.root, inForce);
  EXPECT_EQ(folders.lock, lock);
  EXPECT_EQ(std::string(std::getenv("FIREBIRD")), inForce);
  EXPECT_FALSE(fs::exists(other.Path() / kEngineRootFolder));
  EXPECT_FALSE(fs::exists(other.Path() / "lock"));
}

}  // namespace
}  // namespace orv::test
