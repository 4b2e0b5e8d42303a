// Tests that need a process of their own: two processes writing to one
// embedded database at once, and a client with no engine to open a file.
// The second process is this test program again, running a helper test that
// is disabled unless asked for by name.
#include <gtest/gtest.h>

#include <QProcess>
#include <QProcessEnvironment>
#include <cstdlib>
#include <fstream>
#include <functional>
#include <iostream>
#include <utility>
#include <vector>

#include "score_db_fixture.h"
#include "scores/backupservice.h"
#include "scores/firebird/engineroot.h"
#include "scores/scoredatabase.h"

namespace orv::test {
namespace {

constexpr int kRowsEach = 200;

std::string Env(const char* name) {
  const char* value = std::getenv(name);
  return value == nullptr ? std::string() : value;
}

// Starts this program running only the named helper test.
void StartHelper(QProcess& process, const std::string& test, const QProcessEnvironment& env) {
  process.setProcessEnvironment(env);
  process.start(QStringLiteral("/proc/self/exe"),
                {QStringLiteral("--gtest_also_run_disabled_tests"),
                 QString::fromStdString("--gtest_filter=" + test)});
  ASSERT_TRUE(process.waitForStarted(10000));
}

// Reads the helper's output until a line equal to want, or the end.
bool WaitForLine(QProcess& process, const QString& want) {
  while (process.state() != QProcess::NotRunning || process.canReadLine()) {
    if (process.canReadLine()) {
      if (QString::fromUtf8(process.readLine()).trimmed() == want) return true;
    } else if (!process.waitForReadyRead(30000)) {
      return false;
    }
  }
  return false;
}

class Processes : public ScoreDbTest {};

TEST_F(Processes, TwoProcessesWriteToOneEmbeddedDatabaseAtOnce) {
  const std::string path = NewDatabase();
  QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
  env.insert("ORV_HELPER_DB", QString::fromStdString(path));
  QProcess helper;
  StartHelper(helper, "ProcessHelper.DISABLED_LogsRowsWhileAnotherProcessDoes", env);
  ASSERT_TRUE(WaitForLine(helper, "connected")) << helper.readAllStandardError().toStdString();

  // The helper holds the database open; this process opens it too.
  ScoreDatabase su(dialogs, host);
  for (int i = 0; i < kRowsEach; ++i) su.LogWord("parent", "W.ORV", std::to_string(i), "x", 1, 0);
  helper.write("bye\n");
  helper.closeWriteChannel();
  ASSERT_TRUE(helper.waitForFinished(120000));
  const std::string output = helper.readAllStandardOutput().toStdString();
  EXPECT_EQ(helper.exitStatus(), QProcess::NormalExit);
  EXPECT_EQ(helper.exitCode(), 0) << output;
  EXPECT_NE(output.find("[  PASSED  ] 1 test"), std::string::npos) << output;
  EXPECT_TRUE(dialogs.messages.empty());
  EXPECT_EQ(Rows(path, "select name, count(*) from log group by name order by name"),
            (std::vector<std::vector<std::string>>{{"child", std::to_string(kRowsEach + 1)},
                                                   {"parent", std::to_string(kRowsEach)}}));
}

TEST_F(Processes, ClientWithoutAnEngineReportsTheDatabaseUnavailable) {
  const std::string path = NewDatabase();
  // A client that may only reach servers: a local file has no engine to open it.
  TempDir remoteOnly;
  ASSERT_TRUE(BuildEngineRoot(remoteOnly.Str(), SystemFirebirdRoot()));
  const std::string root = remoteOnly.Str() + kEngineRootFolder + "/";
  std::filesystem::remove(root + "firebird.conf");
  std::ofstream(root + "firebird.conf") << "Providers = Remote\n";

  QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
  env.insert("FIREBIRD", QString::fromStdString(root));
  env.insert("ORV_HELPER_DB", QString::fromStdString(path));
  QProcess helper;
  StartHelper(helper, "ProcessHelper.DISABLED_ConnectsAndGivesUp", env);
  ASSERT_TRUE(helper.waitForFinished(60000));
  const std::string output = helper.readAllStandardOutput().toStdString();
  EXPECT_EQ(helper.exitCode(), 0) << output;
  EXPECT_NE(output.find("message: 335544375-904unavailable database\n"), std::string::npos)
      << output;
  EXPECT_NE(output.find("message: Database file:" + path +
                        "\nCannot connect to the database engine. Are you sure firebird or "
                        "another interbase compatible database is running? \ndo you whant to try "
                        "again click No to exit Orv6?\n"),
            std::string::npos)
      << output;
  EXPECT_NE(output.find("file dialogs: 0"), std::string::npos) << output;
}

TEST(ProcessesUnprepared, NoPathOpensADatabaseBeforeTheEnginesFoldersAreSet) {
  QProcess helper;
  StartHelper(helper, "UnpreparedHelper.DISABLED_TriesEveryWayIn",
              QProcessEnvironment::systemEnvironment());
  ASSERT_TRUE(helper.waitForFinished(60000));
  const std::string output = helper.readAllStandardOutput().toStdString();
  EXPECT_EQ(helper.exitCode(), 0) << output;
  EXPECT_NE(output.find("[  PASSED  ] 1 test"), std::string::npos) << output;
}

// The helpers, run only by the tests above.

class ProcessHelper : public ScoreDbTest {
 protected:
  void SetUp() override {
    if (Env("ORV_HELPER_DB").empty()) GTEST_SKIP() << "runs only as a helper process";
    ScoreDbTest::SetUp();
    host.path = Env("ORV_HELPER_DB");
  }
};

TEST_F(ProcessHelper, DISABLED_LogsRowsWhileAnotherProcessDoes) {
  ScoreDatabase su(dialogs, host);
  su.LogWord("child", "W.ORV", "first", "x", 2, 0);
  std::cout << "connected" << std::endl;
  for (int i = 0; i < kRowsEach; ++i) su.LogWord("child", "W.ORV", std::to_string(i), "x", 2, 0);
  std::string line;
  std::getline(std::cin, line);
  EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(ProcessHelper, DISABLED_ConnectsAndGivesUp) {
  dialogs.answers = {MsgAnswer::Ok, MsgAnswer::No};
  ScoreDatabase su(dialogs, host);
  EXPECT_FALSE(su.ConectDB());
  for (const std::string& text : dialogs.Texts()) std::cout << "message: " << text << "\n";
  std::cout << "file dialogs: " << dialogs.fileDialogs.size() << std::endl;
}

// A process that never prepared the engine: every way to a database is
// refused before the client library starts.
TEST(UnpreparedHelper, DISABLED_TriesEveryWayIn) {
  TempDir dir;
  const std::string db = dir.Str() + "scoredb.gdb";
  FakeDialogs dialogs;
  TestHost host;
  host.path = db;
  const std::vector<std::pair<const char*, std::function<void()>>> ways = {
      {"ScoreDatabase", [&] { ScoreDatabase database(dialogs, host); }},
      {"ProbeAttach", [&] { ProbeAttach(db, DbAccount{}); }},
      {"CreateScoreDatabase", [&] { CreateScoreDatabase(dir.Str() + "new.gdb", DbAccount{}); }},
      {"BackupDatabase", [&] { BackupDatabase(db, dir.Str() + "b.fbk", DbAccount{}); }},
      {"RestoreDatabase",
       [&] { RestoreDatabase(dir.Str() + "b.fbk", dir.Str() + "r.gdb", DbAccount{}); }},
  };
  for (const auto& [name, way] : ways) {
    try {
      way();
      ADD_FAILURE() << name << " went on";
    } catch (const E_DB_Error& e) {
      EXPECT_NE(std::string(e.what()).find("before its folders were set"), std::string::npos)
          << name << ": " << e.what();
    }
  }
  EXPECT_TRUE(std::filesystem::is_empty(dir.Path()));
}

}  // namespace
}  // namespace orv::test
