// The score database on a real Firebird server (scripts/firebird-server
// starts one and names it in ORV_TEST_FB_SERVER as HOST/PORT).
#include <gtest/gtest.h>

#include <cstdlib>

#include "score_db_fixture.h"
#include "scores/firebird/dbaccount.h"
#include "scores/scoredatabase.h"
#include "scores/soundstore.h"

namespace orv::test {
namespace {

class Server : public ScoreDbTest {
 protected:
  void SetUp() override {
    if (TestServer().empty()) GTEST_SKIP() << kNoTestServer;
    ScoreDbTest::SetUp();
    address = TestServer() + ":";
  }
  std::string address;
};

TEST_F(Server, TheAccountGivenIsTheOneTheServerChecks) {
  host.path = address + dir.Str() + "account.gdb";
  CreateScoreDatabase(host.path, host.account);
  EXPECT_TRUE(ProbeAttach(host.path, {kDbUser, "not-the-password"}).has_value());
  EXPECT_FALSE(ProbeAttach(host.path, host.account).has_value());
}

TEST_F(Server, DatabaseMadeOnTheServerTakesLogsAndScores) {
  host.path = address + dir.Str() + "server.gdb";
  ASSERT_FALSE(IsLocalDatabasePath(host.path));
  CreateScoreDatabase(host.path, host.account);
  // Reached over the network, not by an engine in this process.
  EXPECT_EQ(
      OneValue(host.path, "select rdb$get_context('SYSTEM', 'NETWORK_PROTOCOL') from rdb$database"),
      "TCPv4");
  {
    ScoreDatabase su(dialogs, host);
    const std::int32_t group = su.NextLogGroup();
    EXPECT_GT(su.NextLogGroup(), group);
    su.LogWord("O'Neil", "/x/WORDS0.ORV", "house", "hous", group, 1);
    su.LogWord("O'Neil", "/x/WORDS0.ORV", "garden", "garden", group, 0);
    su.LogScore("/x/WORDS0.ORV", {"O'Neil", 1, 1, 1, 2}, group);
    // A second client of the server at the same time.
    ScoreDatabase other(dialogs, host);
    other.LogWord("bob", "/x/WORDS0.ORV", "friend", "frend", other.NextLogGroup(), 0);
  }
  EXPECT_EQ(
      Rows(host.path, "select name, word, answer from log order by word"),
      (std::vector<std::vector<std::string>>{
          {"bob", "friend", "frend"}, {"O'Neil", "garden", kNull}, {"O'Neil", "house", "hous"}}));
  EXPECT_EQ(Rows(host.path, "select file1, percent1, ratio from score_tab"),
            (std::vector<std::vector<std::string>>{{"WORDS0.SCO", "50", "1/2"}}));
  EXPECT_EQ(OneValue(host.path, "select cdate('01/01/2005', '31/12/2004') from rdb$database"), "1");
  EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(Server, SoundsTravelWholeThroughTheServer) {
  host.path = address + dir.Str() + "sounds.gdb";
  CreateScoreDatabase(host.path, host.account);
  const std::string file = dir.Str() + "House.wav";
  ASSERT_EQ(std::system(("sox -n -r 22050 -c 1 -b 16 '" + file + "' synth 0.5 sine 440").c_str()),
            0);
  ScoreDatabase su(dialogs, host);
  SoundStore sounds(su, dialogs);
  ASSERT_TRUE(sounds.WriteWord(file));
  EXPECT_TRUE(sounds.WavForWord("house"));
  EXPECT_EQ(sounds.SoundOf("HOUSE"), dir.Read("House.wav"));
}

TEST_F(Server, MissingFileOnTheServerIsNotOfferedForCreation) {
  host.path = address + dir.Str() + "missing.gdb";
  dialogs.answers = {MsgAnswer::Ok, MsgAnswer::No};
  ScoreDatabase su(dialogs, host);
  EXPECT_FALSE(su.ConectDB());
  auto texts = dialogs.Texts();
  ASSERT_EQ(texts.size(), 2u);
  EXPECT_EQ(texts[0].rfind("335544344-902I/O error during \"open\" operation for file", 0), 0u)
      << texts[0];
  EXPECT_EQ(texts[1], "Database file:" + host.path + "\nCan not open the database file for orv" +
                          "\ndo you whant to try again click No to exit Orv6?");
}

}  // namespace
}  // namespace orv::test
