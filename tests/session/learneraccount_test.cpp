// A learner's test on a Firebird server (the one scripts/test starts),
// through the learners' account of an installed machine, which may add rows
// and change none: every answer and the score are still logged.
#include <gtest/gtest.h>

#include <string>

#include "scores/firebird/dbaccount.h"
#include "session/session_fixture.h"

namespace orv::test {
namespace {

class LearnerAccount : public SessionTest {
 protected:
  void SetUp() override {
    if (TestServer().empty()) GTEST_SKIP() << kNoTestServer;
    SessionTest::SetUp();
    host.path = TestServer() + ":" + dir.Str() + "server.gdb";
    CreateScoreDatabase(host.path, host.account);
    Exec(host.path, std::string("CREATE OR ALTER USER ") + kLearnerAccount +
                        " PASSWORD 'learns' USING PLUGIN Srp");
    host.account = {kLearnerAccount, "learns"};
    settings.inOrder = true;
  }
};

TEST_F(LearnerAccount, AWholeTestIsLogged) {
  const std::string path = WriteList("three.orv", "cat\ndog\nemu\n");
  learner.Say("cat").Say("dgo").Say("dog").Say("emu");
  // A connection takes the host's account when it is made.
  ScoreDatabase learnerDb{dialogs, host};
  SoundStore learnerSounds{learnerDb, dialogs};
  SessionDatabase learnerStore{learnerDb, learnerSounds};
  PlayRecorder learnerPlays{learnerStore};
  TestSession learnerSession{learner, learnerPlays, learnerStore, dialogs, compile};
  learnerSession.RunTest(path, "ann", settings);
  EXPECT_EQ(Log(), (std::vector<Row>{{"dog", "dgo", "0"}}));
  EXPECT_EQ(Scores(), (std::vector<Row>{{"ann", "THREE.SCO", "2", "3", "0", "0"}}));
  // The review's boxes move through the procedures; the table itself is
  // not the learner's to change.
  EXPECT_EQ(Rows("select item, box from review_box order by item"),
            (std::vector<Row>{{"cat", "2"}, {"dog", "1"}, {"emu", "2"}}));
  QSqlQuery remove(learnerDb.Database());
  EXPECT_FALSE(remove.exec(QStringLiteral("DELETE FROM log")));
  EXPECT_FALSE(remove.exec(QStringLiteral("UPDATE review_box SET box = 5")));
  // Test days are the teachers' to set.
  EXPECT_FALSE(
      remove.exec(QStringLiteral("INSERT INTO review_test_day (name, file1, test_day) VALUES "
                                 "('ann', 'THREE', CURRENT_DATE)")));
  for (const ShownMessage& m : dialogs.messages) {
    EXPECT_EQ(m.text.find("permission"), std::string::npos) << m.text;
  }
}

}  // namespace
}  // namespace orv::test
