// Tests against a private Firebird server of their own, halted and started
// again on its port between two tests and in the middle of one: the next
// write to the score database makes the connection again, through the retry
// box while the server is still away. Skipped without a server to test
// against (scripts/test starts one and names it in ORV_TEST_FB_SERVER).
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/mainform.h"
#include "app/programpaths.h"
#include "app/startupfile.h"
#include "session/session_fixture.h"
#include "support/run_program.h"
#include "support/test_users.h"
#include "users/password.h"

namespace orv::test {
namespace {

class LostConnection : public SessionTest {
 protected:
  void SetUp() override {
    // The server of scripts/test is left alone: these tests start their own.
    if (TestServer().empty()) GTEST_SKIP() << kNoTestServer;
    SessionTest::SetUp();
    const std::string address = Server("start");
    ASSERT_FALSE(address.empty());
    host.path = address + ":" + dir.Str() + "server.gdb";
    CreateScoreDatabase(host.path, host.account);
    settings.inOrder = true;
  }
  void TearDown() override {
    Server("stop");
    SessionTest::TearDown();
  }

  // Runs scripts/firebird-server on this test's own server; its first line.
  std::string Server(const std::string& command) {
    const ProgramRun run = RunProgram(std::string(ORV_SOURCE_DIR) + "/scripts/firebird-server",
                                      {command, serverDir.Str() + "server"});
    EXPECT_EQ(run.exitCode, 0) << command << ": " << run.err;
    return run.out.substr(0, run.out.find('\n'));
  }

  TempDir serverDir;
};

// Halted and started again between two tests, then in the middle of one
// (back before the next write, or still away when it comes), then halted
// before the program closes.
TEST_F(LostConnection, TheNextWriteConnectsAgainAndTheCloseClosesAtOnce) {
  const std::string path = WriteList("three.orv", "cat\ndog\nemu\n");
  learner.Say("cat").Say("dog").Say("emu");
  Run(path);
  Server("halt");
  Server("start");
  // A test after the restart, then two tests the server leaves half way.
  int reading = 0;
  std::string away;  // when the server goes away in the second test
  learner.beforeAnswer = [&] {
    if (++reading != 2 || away.empty()) return;
    Server("halt");
    if (away == "back before the next write") Server("start");
  };
  // The retry box comes while the server is away; it is back by the Yes.
  dialogs.onMessage = [&](const ShownMessage& m) {
    if (m.buttons == MsgButtons::YesNo) Server("start");
  };
  for (const char* when : {"", "back before the next write", "still away at the next write"}) {
    away = when;
    reading = 0;
    learner.Say("cat").Say("dgo").Say("dog").Say("emu");
    Run(path);
  }
  std::vector<std::string> retries;
  for (const ShownMessage& m : dialogs.messages) {
    if (m.buttons == MsgButtons::YesNo) retries.push_back(m.text);
  }
  ASSERT_EQ(retries.size(), 1u);
  EXPECT_NE(retries[0].find("Cannot connect to the database engine"), std::string::npos);
  EXPECT_EQ(Log().size(), 3u);
  EXPECT_EQ(Scores().size(), 4u);

  Server("halt");
  StartUpSettings startUp;
  ProgramPaths paths;
  paths.QuitAllowed = true;
  test::WritePasswordFile(dir, {{"Boss", "", 255}});
  PasswordO users(dir.Str(), "KVXS1.KVX", dialogs);
  MainFormO main(dialogs, {startUp, paths, users});
  main.SetDatabase(&database);
  EXPECT_TRUE(main.FormCloseQuery());
}

}  // namespace
}  // namespace orv::test
