#include "app/registry.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <optional>
#include <tuple>

#include "app/dbaccountconfig.h"
#include "app/programpaths.h"
#include "files/pathwalk.h"
#include "support/temp_dir.h"

namespace orv {
namespace {

class RegistryTest : public ::testing::Test {
 protected:
  void SetUp() override { SetProgramDirectory(paths, home.Str()); }
  test::TempDir home;
  ProgramPaths paths;
};

TEST_F(RegistryTest, ReadsAHandWrittenFileByKeyPath) {
  home.Write("orv.ini",
             "[Software/Quenby/Orv/7.0/Data]\npasFile=OTHER.KVX\n"
             "[Software/Firebird Project/Firebird Server/Instances]\n"
             "DefaultInstance=/opt/firebird\n");
  EXPECT_EQ(RegistryFile(paths), home.Str() + "orv.ini");
  EXPECT_TRUE(RegValueExists(paths, kOrvKey, "pasFile"));
  EXPECT_EQ(RegReadString(paths, kOrvKey, "pasFile"), "OTHER.KVX");
  EXPECT_EQ(RegReadString(paths, kFirebirdKey, "DefaultInstance"), "/opt/firebird");
  EXPECT_FALSE(RegValueExists(paths, kOrvKey, "scoreDB"));
  EXPECT_FALSE(RegValueExists(paths, kInterBaseKey, "RootDirectory"));
  EXPECT_EQ(RegReadString(paths, kInterBaseKey, "RootDirectory"), "");
}

TEST_F(RegistryTest, AValueWithACommaIsReadWhole) {
  // as the line stands in the file, the value read
  const std::vector<std::pair<std::string, std::string>> cases{
      {"[Software/Quenby/Orv/7.0/Data]\nscoreDB=/srv/scores, 2024/s.gdb\n",
       "/srv/scores, 2024/s.gdb"},
      {"[Software]\nQuenby\\Orv\\7.0\\Data\\scoreDB=a,b,  c\n", "a,b,  c"},
      {"[Software/Quenby/Orv/7.0/Data]\nscoreDB=\"quoted, kept\"\n", "quoted, kept"},
  };
  int n = 0;
  for (const auto& [file, value] : cases) {
    // A folder of its own for each case: QSettings keeps what it read of a path.
    const std::string folder = "c" + std::to_string(++n) + "/";
    home.Write(folder + "orv.ini", file);
    SetProgramDirectory(paths, home.Str() + folder);
    EXPECT_EQ(RegReadString(paths, kOrvKey, "scoreDB"), value) << file;
  }
}

TEST_F(RegistryTest, TheDatabaseAccountComesFromTheTeachersThenTheProgramDirectoryThenTheMachine) {
  const std::string machine = home.Write("etc/orv.ini",
                                         "[Software/Quenby/Orv/7.0/Data]\ndbUser=ORV\n"
                                         "dbPassword=school, wide\n");
  const std::string teachers = home.Write("etc/teachers.ini",
                                          "[Software/Quenby/Orv/7.0/Data]\ndbUser=ORV_TEACHER\n"
                                          "dbPassword=staff\n");
  const std::string none = home.Str() + "missing.ini";
  // machine-wide file, program directory's file, teachers' file, the account in force
  const std::vector<std::tuple<std::string, std::string, std::string, std::string, std::string>>
      cases{
          {none, "", none, "sysdba", "quillwork"},
          {machine, "", none, "ORV", "school, wide"},
          {machine, "[Software/Quenby/Orv/7.0/Data]\ndbPassword=own\n", none, "ORV", "own"},
          {none, "[Software/Quenby/Orv/7.0/Data]\ndbUser=TEACHER\n", none, "TEACHER", "quillwork"},
          {machine, "[Software/Quenby/Orv/7.0/Data]\ndbPassword=own\n", teachers, "ORV_TEACHER",
           "staff"},
      };
  int n = 0;
  for (const auto& [machineIni, programText, teachersIni, user, password] : cases) {
    // A file of its own for each case: QSettings keeps what it read of a path.
    const std::string program = home.Write("p" + std::to_string(++n) + "/orv.ini", programText);
    const DbAccount account = ConfiguredDatabaseAccount(machineIni, program, teachersIni);
    EXPECT_EQ(account.user, user) << programText;
    EXPECT_EQ(account.password, password) << programText;
  }
}

TEST_F(RegistryTest, NoFileMeansNoValues) {
  EXPECT_FALSE(RegValueExists(paths, kOrvKey, "pasFile"));
  EXPECT_EQ(RegReadString(paths, kOrvKey, "pasFile"), "");
  EXPECT_TRUE(RegReadBool(paths, kOrvKey, "LogAll"));
}

TEST_F(RegistryTest, WrittenValuesReadBack) {
  RegWriteString(paths, kOrvKey, "scoreDB", "/data/scores, 2004.gdb");
  RegWriteBool(paths, kOrvKey, "LogMistakes", false);
  RegWriteBool(paths, kOrvKey, "LogAll", true);
  EXPECT_EQ(RegReadString(paths, kOrvKey, "scoreDB"), "/data/scores, 2004.gdb");
  EXPECT_FALSE(RegReadBool(paths, kOrvKey, "LogMistakes"));
  EXPECT_TRUE(RegReadBool(paths, kOrvKey, "LogAll"));
  // Other keys are kept.
  RegWriteBool(paths, kOrvKey, "LogMistakes", true);
  EXPECT_EQ(RegReadString(paths, kOrvKey, "scoreDB"), "/data/scores, 2004.gdb");
  EXPECT_TRUE(RegReadBool(paths, kOrvKey, "LogMistakes"));
  // The key path is a group path in the file.
  EXPECT_NE(home.Read("orv.ini").find("Quenby"), std::string::npos);
}

// orv.ini can hold the database account's password: a write leaves it as
// private as the password file beside it.
TEST_F(RegistryTest, AWrittenFileIsPrivate) {
  struct Case {
    std::filesystem::perms folder;
    std::optional<std::filesystem::perms> before;  // none: no orv.ini yet
    std::filesystem::perms after;
  };
  using P = std::filesystem::perms;
  const P rw = P::owner_read | P::owner_write;
  const P groupRw = P::group_read | P::group_write;
  const P shared = P::owner_all | P::group_all | P::set_gid | P::others_read | P::others_exec;
  const std::vector<Case> cases{
      {P(0755), std::nullopt, rw},
      {P(0755), P(0644), rw},
      {shared, std::nullopt, rw | groupRw},
      {shared, P(0664), rw | groupRw},
  };
  int n = 0;
  for (const Case& c : cases) {
    const std::string name = "w" + std::to_string(++n) + "/";
    const std::string folder = home.Str() + name;
    std::filesystem::create_directory(folder);
    if (c.before) std::filesystem::permissions(home.Write(name + "orv.ini", "[x]\n"), *c.before);
    std::filesystem::permissions(folder, c.folder);
    SetProgramDirectory(paths, folder);
    RegWriteString(paths, kOrvKey, "dbPassword", "secret");
    EXPECT_EQ(RegReadString(paths, kOrvKey, "dbPassword"), "secret") << n;
    EXPECT_EQ(std::filesystem::status(folder + "orv.ini").permissions(), c.after) << n;
  }
}

// In a folder a group shares, orv.ini put there as a link (to a file of
// whoever runs the program next) is neither read nor written through.
TEST_F(RegistryTest, ALinkInASharedFolderIsNotFollowed) {
  const std::string victim =
      home.Write("own/victim.ini", "[Software/Quenby/Orv/7.0/Data]\npasFile=x\n");
  const std::string folder = home.Str() + "shared/";
  std::filesystem::create_directory(folder);
  std::filesystem::permissions(folder, std::filesystem::perms(02775));
  std::filesystem::create_symlink(victim, folder + "orv.ini");
  SetProgramDirectory(paths, folder);
  EXPECT_FALSE(RegValueExists(paths, kOrvKey, "pasFile"));
  EXPECT_EQ(RegWriteString(paths, kOrvKey, "scoreDB", "/elsewhere.gdb"), kPlantedEntryCode);
  EXPECT_EQ(home.Read("own/victim.ini"), "[Software/Quenby/Orv/7.0/Data]\npasFile=x\n");
}

TEST_F(RegistryTest, OnlyAnIntegerValueCanBeFalse) {
  home.Write("orv.ini",
             "[Software/Quenby/Orv/7.0/Data]\nLogAll=false\nLogMistakes=0\nA=7\nB=\"no\"\nC= 0 \n");
  EXPECT_TRUE(RegReadBool(paths, kOrvKey, "LogAll"));  // a string counts as true
  EXPECT_FALSE(RegReadBool(paths, kOrvKey, "LogMistakes"));
  EXPECT_TRUE(RegReadBool(paths, kOrvKey, "A"));
  EXPECT_TRUE(RegReadBool(paths, kOrvKey, "B"));
  EXPECT_FALSE(RegReadBool(paths, kOrvKey, "C"));
  EXPECT_TRUE(RegReadBool(paths, kOrvKey, "Missing"));
}

}  // namespace
}  // namespace orv
