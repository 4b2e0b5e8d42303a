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
#include "session/session_fixture.h"
#include "support/run_program.h"

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
    CreateScoreDatabase(host.path);
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

TEST_F(LostConnection, ServerRestartedBetweenTwoTests) {
  const std::string path = WriteList("two.orv", "cat\n");
  learner.Say("cat");
  Run(path);
  Server("halt");
  Server("start");
  learner.Say("cat");
  Run(path);
  EXPECT_EQ(Scores().size(), 2u);
  EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(LostConnection, ServerRestartedInTheMiddleOfATest) {
  struct Case {
    const char* what;
    bool backBeforeTheNextWrite;
  };
  for (const Case& c :
       {Case{"back before the next write", true}, Case{"still away at the next write", false}}) {
    dialogs.messages.clear();
    learner = ScriptedLearner();
    learner.Say("cat").Say("dgo").Say("dog").Say("emu");
    int reading = 0;
    learner.beforeAnswer = [&] {
      if (++reading != 2) return;
      Server("halt");
      if (c.backBeforeTheNextWrite) Server("start");
    };
    // The retry box comes while the server is away; it is back by the Yes.
    dialogs.onMessage = [&](const ShownMessage& m) {
      if (m.buttons == MsgButtons::YesNo) Server("start");
    };
    Run(WriteList("three.orv", "cat\ndog\nemu\n"));
    std::vector<std::string> retries;
    for (const ShownMessage& m : dialogs.messages) {
      if (m.buttons == MsgButtons::YesNo) retries.push_back(m.text);
    }
    EXPECT_EQ(retries.size(), c.backBeforeTheNextWrite ? 0u : 1u) << c.what;
    for (const std::string& text : retries) {
      EXPECT_NE(text.find("Cannot connect to the database engine"), std::string::npos) << text;
    }
  }
  EXPECT_EQ(Log(), (std::vector<Row>{{"dog", "dgo", "0"}, {"dog", "dgo", "0"}}));
  EXPECT_EQ(Scores().size(), 2u);
}

TEST_F(LostConnection, ClosingAfterALostConnectionClosesAtTheFirstTry) {
  learner.Say("cat");
  Run(WriteList("one.orv", "cat\n"));
  ASSERT_TRUE(database.Connected());
  Server("halt");
  MainFormO main(dialogs);
  main.SetDatabase(&database);
  Paths().QuitAllowed = true;
  EXPECT_TRUE(main.FormCloseQuery());
  EXPECT_FALSE(database.Connected());
}

}  // namespace
}  // namespace orv::test
