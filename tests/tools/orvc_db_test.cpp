// Drives the built orvc's db command as a school's administrator would: on
// the embedded engine and on a Firebird server (the one scripts/test starts).
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <set>
#include <string>
#include <vector>

#include "scores/schemaupgrade.h"
#include "support/run_program.h"
#include "support/temp_dir.h"

namespace orv {
namespace {

test::ProgramRun Db(const test::TempDir& home, std::vector<std::string> args) {
  args.insert(args.begin(), {"--home", home.Str(), "db"});
  return test::RunProgram(ORVC_PATH, args, {"ORV_HOME", "FIREBIRD"});
}

std::string Server() {
  const char* server = std::getenv("ORV_TEST_FB_SERVER");
  return server == nullptr ? std::string() : server;
}

// Makes a database, checks it, backs it up, restores the backup as a second
// database and checks that, all through paths of the given prefix ("" for
// this machine's files, "host/port:" for the server).
void CreateCheckBackUpRestore(const test::TempDir& home, const std::string& prefix) {
  const std::string db = prefix + home.Str() + "school.gdb";
  const std::string copy = prefix + home.Str() + "copy.gdb";
  const std::string backup = home.Str() + "school.fbk";
  test::ProgramRun r = Db(home, {"create", db});
  ASSERT_EQ(r.exitCode, 0) << r.err;
  r = Db(home, {"check", db});
  ASSERT_EQ(r.exitCode, 0) << r.err;
  EXPECT_NE(r.out.find("database:   " + home.Str() + "school.gdb\n"), std::string::npos) << r.out;
  EXPECT_NE(r.out.find("engine:     Firebird 3."), std::string::npos) << r.out;
  EXPECT_NE(r.out.find("schema:     " + std::to_string(kScoreSchemaVersion) + "\n"),
            std::string::npos)
      << r.out;
  // The probe row is gone again.
  EXPECT_NE(r.out.find("rows:       log 0, score 0, sound 0\n"), std::string::npos) << r.out;
  EXPECT_NE(r.out.find("round trip: "), std::string::npos) << r.out;

  r = Db(home, {"backup", backup, db});
  ASSERT_EQ(r.exitCode, 0) << r.err;
  EXPECT_GT(std::filesystem::file_size(backup), 0u);
  // The backup holds the scores: no more accounts may read it than the database.
  // A server's backup is written here, for this account only.
  EXPECT_EQ(std::filesystem::status(backup).permissions(),
            prefix.empty()
                ? std::filesystem::status(home.Str() + "school.gdb").permissions()
                : std::filesystem::perms::owner_read | std::filesystem::perms::owner_write);
  r = Db(home, {"restore", backup, copy});
  ASSERT_EQ(r.exitCode, 0) << r.err;
  r = Db(home, {"check", copy});
  ASSERT_EQ(r.exitCode, 0) << r.err;
  EXPECT_NE(r.out.find("schema:     " + std::to_string(kScoreSchemaVersion) + "\n"),
            std::string::npos)
      << r.out;
  // A restore never replaces a database.
  r = Db(home, {"restore", backup, copy});
  EXPECT_EQ(r.exitCode, 1);
  EXPECT_NE(r.err.find("Cannot restore"), std::string::npos) << r.err;
}

TEST(OrvcDb, CreatesChecksBacksUpAndRestoresOnTheEmbeddedEngine) {
  test::TempDir home;
  CreateCheckBackUpRestore(home, "");
}

TEST(OrvcDb, CreatesChecksBacksUpAndRestoresOnAServer) {
  if (Server().empty()) GTEST_SKIP() << "ORV_TEST_FB_SERVER is not set: no server to test against";
  test::TempDir home;
  CreateCheckBackUpRestore(home, Server() + ":");
}

TEST(OrvcDb, TheConfiguredDatabaseIsTheDefault) {
  test::TempDir home;
  const std::string db = home.Str() + "configured.gdb";
  home.Write("orv.ini", "[Software/Quenby/Orv/7.0/Data]\nscoreDB=" + db + "\n");
  test::ProgramRun r = Db(home, {"create"});
  ASSERT_EQ(r.exitCode, 0) << r.err;
  EXPECT_TRUE(std::filesystem::exists(db));
  r = Db(home, {"check"});
  EXPECT_EQ(r.exitCode, 0) << r.err;
}

// The teachers' tools as the accounts of an installed machine's server
// use them: the teachers' account checks, backs up and reports; the
// learners' account cannot remove the check's probe row.
TEST(OrvcDb, TheTeachersToolsWorkForTheTeachersAccountOnly) {
  if (Server().empty()) GTEST_SKIP() << "ORV_TEST_FB_SERVER is not set: no server to test against";
  test::TempDir home;
  // Made on the file as the teachers' account, which so owns it, as the
  // package's set-up makes it; then reached through the server.
  const std::string db = Server() + ":" + home.Str() + "school.gdb";
  ASSERT_EQ(Db(home, {"create", db + "-accounts"}).exitCode, 0);
  const std::string users =
      home.Write("users.sql",
                 "CREATE OR ALTER USER ORV_LEARNER PASSWORD 'learns' USING PLUGIN Srp;\n"
                 "CREATE OR ALTER USER ORV_TEACHER PASSWORD 'teaches' USING PLUGIN Srp;\n"
                 "COMMIT;\n");
  ASSERT_EQ(test::RunProgram("/usr/bin/isql-fb", {"-q", "-b", "-user", "sysdba", "-password",
                                                  "quillwork", "-i", users, db + "-accounts"})
                .exitCode,
            0);
  const auto as = [&](const std::string& user, const std::string& password) {
    home.Write("orv.ini", "[Software/Quenby/Orv/7.0/Data]\nscoreDB=" + db + "\ndbUser=" + user +
                              "\ndbPassword=" + password + "\n");
  };
  as("ORV_TEACHER", "teaches");
  ASSERT_EQ(Db(home, {"create", home.Str() + "school.gdb"}).exitCode, 0);
  for (const std::vector<std::string>& args :
       {std::vector<std::string>{"check"}, {"backup", home.Str() + "teacher.fbk"}, {"learner"}}) {
    const test::ProgramRun r = Db(home, args);
    EXPECT_EQ(r.exitCode, 0) << args[0] << ": " << r.err;
  }
  const test::ProgramRun report = test::RunProgram(
      ORVC_PATH, {"--home", home.Str(), "report", "scores", "--csv"}, {"ORV_HOME", "FIREBIRD"});
  EXPECT_EQ(report.exitCode, 0) << report.err;
  as("ORV_LEARNER", "learns");
  const test::ProgramRun r = Db(home, {"check"});
  EXPECT_EQ(r.exitCode, 1);
  EXPECT_NE(r.err.find("no permission for DELETE"), std::string::npos) << r.err;
}

std::set<std::string> EntriesOf(const std::filesystem::path& folder) {
  std::set<std::string> names;
  for (const auto& entry : std::filesystem::directory_iterator(folder)) {
    names.insert(entry.path().filename());
  }
  return names;
}

// Restores damaged backups, as a new database and over an existing one,
// through paths of the given prefix (as above).
void RestoreDamagedBackups(const test::TempDir& home, const std::string& prefix) {
  const std::string db = prefix + home.Str() + "school.gdb";
  ASSERT_EQ(Db(home, {"create", db}).exitCode, 0);
  ASSERT_EQ(Db(home, {"backup", home.Str() + "whole.fbk", db}).exitCode, 0);
  const std::string whole = home.Read("whole.fbk");
  // The engine reports nothing when the backup ends early; a name in the
  // metadata that is not text fails once the new file is half made.
  std::string badName = whole;
  const std::size_t name = badName.find("GETNEXTLOGGROUPID");
  ASSERT_NE(name, std::string::npos);
  badName.replace(name, 17, 17, '\xff');
  const struct {
    const char* damage;
    std::string bytes;
  } backups[] = {{"cut short", whole.substr(0, whole.size() / 2)}, {"a name not text", badName}};
  const std::string before = home.Read("school.gdb");
  for (const auto& b : backups) {
    SCOPED_TRACE(b.damage);
    const std::string backup = home.Write("damaged.fbk", b.bytes);
    const std::set<std::string> entries = EntriesOf(home.Path());
    for (const std::string& target : {prefix + home.Str() + "new.gdb", db}) {
      const test::ProgramRun r = Db(home, {"restore", backup, target});
      EXPECT_EQ(r.exitCode, 1) << target;
      EXPECT_NE(r.err.find("Cannot restore " + backup + " to " + target), std::string::npos)
          << r.err;
      EXPECT_EQ(EntriesOf(home.Path()), entries) << target;
    }
  }
  // A server writes a database's header when it is attached to, as the
  // restore does to find out whether it exists.
  if (prefix.empty()) {
    EXPECT_TRUE(home.Read("school.gdb") == before) << "the existing database changed";
  }
  EXPECT_EQ(Db(home, {"check", db}).exitCode, 0);
}

TEST(OrvcDb, AFailedRestoreLeavesNoDatabaseAndKeepsAnExistingOneWhole) {
  test::TempDir home;
  RestoreDamagedBackups(home, "");
}

TEST(OrvcDb, AFailedRestoreOnAServerLeavesNoDatabaseThere) {
  if (Server().empty()) GTEST_SKIP() << "ORV_TEST_FB_SERVER is not set: no server to test against";
  test::TempDir home;
  RestoreDamagedBackups(home, Server() + ":");
}

TEST(OrvcDb, FailuresGiveTheEnginesMessageAndANonZeroExit) {
  test::TempDir home;
  struct Case {
    std::vector<std::string> args;
    std::string message;
  };
  const std::vector<Case> cases{
      {{"check", home.Str() + "missing.gdb"}, "cannot connect to " + home.Str() + "missing.gdb"},
      {{"backup", home.Str() + "b.fbk", home.Str() + "missing.gdb"}, "Cannot back up"},
      {{"restore", home.Str() + "missing.fbk", home.Str() + "new.gdb"}, "Cannot restore"},
      {{"check", "127.0.0.1/1:/nowhere.gdb"}, "cannot connect to 127.0.0.1/1:/nowhere.gdb"},
  };
  for (const Case& c : cases) {
    const test::ProgramRun r = Db(home, c.args);
    EXPECT_EQ(r.exitCode, 1) << c.args[0];
    EXPECT_NE(r.err.find(c.message), std::string::npos) << r.err;
  }
  EXPECT_FALSE(std::filesystem::exists(home.Str() + "new.gdb"));
}

}  // namespace
}  // namespace orv
