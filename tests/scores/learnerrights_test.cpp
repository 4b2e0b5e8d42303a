// The learners' account on a real Firebird server (the one scripts/test
// starts): it adds answers, scores and sounds and reads what the windows
// show, and changes or removes nothing, also through the program's own code.
#include <gtest/gtest.h>

#include <cstdlib>

#include "score_db_fixture.h"
#include "scores/firebird/dbaccount.h"
#include "scores/firebird/engineerror.h"
#include "scores/schemaupgrade.h"
#include "scores/scoredatabase.h"
#include "scores/soundstore.h"
#include "scores/teachersonly.h"

namespace orv::test {
namespace {

constexpr char kLearnerPassword[] = "learns";
constexpr char kTeacherPassword[] = "teaches";

// Runs the statement as the account; the engine's error text, empty when it
// ran and committed.
std::string RunAs(const std::string& path, const DbAccount& account, const std::string& sql) {
  const QString name = QStringLiteral("orv-test-account");
  std::string error;
  {
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QIBASE"), name);
    db.setDatabaseName(QString::fromStdString(path));
    db.setUserName(QString::fromStdString(account.user));
    db.setPassword(QString::fromStdString(account.password));
    if (!db.open()) return db.lastError().text().toStdString();
    db.transaction();
    QSqlQuery query(db);
    if (!query.exec(QString::fromStdString(sql)))
      error = "refused: " + query.lastError().text().toStdString();
    query.finish();
    if (error.empty()) db.commit();
    db.close();
  }
  QSqlDatabase::removeDatabase(name);
  return error;
}

class LearnerRights : public ScoreDbTest {
 protected:
  void SetUp() override {
    if (TestServer().empty()) GTEST_SKIP() << kNoTestServer;
    ScoreDbTest::SetUp();
    host.path = TestServer() + ":" + dir.Str() + "school.gdb";
    CreateScoreDatabase(host.path, host.account);
    // The accounts live in the server's security database, whatever
    // database the statement is run on.
    Exec(host.path, std::string("CREATE OR ALTER USER ") + kLearnerAccount + " PASSWORD '" +
                        kLearnerPassword + "' USING PLUGIN Srp");
    Exec(host.path, std::string("CREATE OR ALTER USER ") + kTeacherAccount + " PASSWORD '" +
                        kTeacherPassword + "' USING PLUGIN Srp");
    // Another learner's rows, written as the program writes them.
    ScoreDatabase su(dialogs, host);
    const std::int32_t group = su.NextLogGroup();
    su.LogWord("BOB", "/x/WORDS0.ORV", "friend", "frend", group, 0);
    su.LogScore("/x/WORDS0.ORV", {"BOB", 0, 0, 0, 1}, group);
    Exec(host.path, "INSERT INTO sound (name, data) VALUES ('friend', 'RIFF')");
  }
  const DbAccount learner{kLearnerAccount, kLearnerPassword};
  const DbAccount teacher{kTeacherAccount, kTeacherPassword};
  DbAccount builtIn;
};

TEST_F(LearnerRights, ALearnerAddsAndReadsButChangesAndRemovesNothing) {
  struct Case {
    const char* sql;
    bool learnerMay;
  };
  const std::vector<Case> cases{
      {"INSERT INTO log (name, date1, time1, file1, word, log_group, help_count, answer) "
       "VALUES ('ANN', '05/03/2004', '09:07:03', 'WORDS0', 'house', 7, 0, 'hous')",
       true},
      {"INSERT INTO score (name, date1, time1, file1, max_help, help_total, word_count, score, "
       "log_group) VALUES ('ANN', '05/03/2004', '09:07:03', 'WORDS0.SCO', 0, 0, 1, 0, 7)",
       true},
      {"INSERT INTO sound (name, data) VALUES ('house', 'RIFF')", true},
      {"EXECUTE PROCEDURE GETNEXTLOGGROUPID", true},
      {"SELECT * FROM score_tab WHERE cdate(date1, '01/01/2000') = 1", true},
      {"SELECT w.word, SUM(t.n) FROM log_total t LEFT JOIN log_word w ON w.id = t.word_id "
       "GROUP BY w.word",
       true},
      {"SELECT COUNT(*) FROM log_count", true},
      {"SELECT version FROM schema_version", true},
      {"DELETE FROM log WHERE name = 'BOB'", false},
      {"UPDATE log SET answer = NULL WHERE name = 'BOB'", false},
      {"DELETE FROM score", false},
      {"UPDATE score SET score = word_count", false},
      {"DELETE FROM sound", false},
      {"UPDATE sound SET data = 'x'", false},
      // The counts follow the log through its triggers only.
      {"INSERT INTO log_total (word_id, wrong, n) VALUES (1, 1, -5)", false},
      {"DELETE FROM log_count", false},
      {"DELETE FROM log_word", false},
      {"DROP TABLE sound", false},
  };
  for (const Case& c : cases) {
    const std::string error = RunAs(host.path, learner, c.sql);
    if (c.learnerMay) {
      EXPECT_EQ(error, "") << c.sql;
    } else {
      EXPECT_NE(error, "") << c.sql;
    }
  }
  // The other learner's rows are all there; the teachers' account removes them.
  EXPECT_EQ(OneValue(host.path, "SELECT COUNT(*) FROM log WHERE name = 'BOB'"), "1");
  EXPECT_EQ(OneValue(host.path, "SELECT COUNT(*) FROM score WHERE name = 'BOB'"), "1");
  EXPECT_EQ(RunAs(host.path, teacher, "DELETE FROM log WHERE name = 'BOB'"), "");
  EXPECT_EQ(OneValue(host.path, "SELECT COUNT(*) FROM log WHERE name = 'BOB'"), "0");
}

TEST_F(LearnerRights, ALearnersTestLogsAndAReplacedSoundNeedsATeacher) {
  host.account = learner;
  ScoreDatabase su(dialogs, host);
  const std::int32_t group = su.NextLogGroup();
  su.LogWord("ANN", "/x/WORDS0.ORV", "house", "hous", group, 1);
  su.LogWord("ANN", "/x/WORDS0.ORV", "garden", "garden", group, 0);
  su.LogScore("/x/WORDS0.ORV", {"ANN", 1, 1, 1, 2}, group);
  EXPECT_EQ(Rows(host.path, "SELECT word FROM log WHERE name = 'ANN' ORDER BY word"),
            (std::vector<std::vector<std::string>>{{"garden"}, {"house"}}));
  EXPECT_EQ(OneValue(host.path, "SELECT ratio FROM score_tab WHERE name = 'ANN'"), "1/2");
  // Connecting found nothing to upgrade or complain about.
  EXPECT_TRUE(dialogs.messages.empty());

  SoundStore sounds(su, dialogs);
  const std::string wav = dir.Str() + "tone.wav";
  ASSERT_EQ(std::system(("sox -n -r 8000 -c 1 -b 16 '" + wav + "' synth 0.1 sine 440").c_str()), 0);
  const std::string bytes = dir.Read("tone.wav");
  EXPECT_TRUE(sounds.StoreWav("garden", bytes));
  dialogs.answers = {MsgAnswer::Yes};
  EXPECT_FALSE(sounds.StoreWav("friend", bytes));
  ASSERT_FALSE(dialogs.messages.empty());
  EXPECT_EQ(dialogs.messages.back().text, kTeachersOnly);
  try {
    sounds.DeleteWord("garden");
    ADD_FAILURE() << "a learner removed a sound";
  } catch (const E_DB_Error& e) {
    EXPECT_EQ(std::string(e.what()), kTeachersOnly);
  }
  EXPECT_EQ(OneValue(host.path, "SELECT COUNT(*) FROM sound"), "2");
}

TEST_F(LearnerRights, ResettingTakesWhatWasGrantedBeyondTheSchema) {
  Exec(host.path, std::string("GRANT DELETE ON log TO USER ") + kLearnerAccount);
  ASSERT_EQ(RunAs(host.path, learner, "DELETE FROM log WHERE 1 = 0"), "");
  {
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QIBASE"), "orv-test-reset");
    db.setDatabaseName(QString::fromStdString(host.path));
    db.setUserName(kDbUser);
    db.setPassword(kDbPassword);
    ASSERT_TRUE(db.open());
    ResetLearnerRights(db);
    db.close();
  }
  QSqlDatabase::removeDatabase("orv-test-reset");
  EXPECT_NE(RunAs(host.path, learner, "DELETE FROM log WHERE 1 = 0"), "");
  EXPECT_EQ(RunAs(host.path, learner, "EXECUTE PROCEDURE GETNEXTLOGGROUPID"), "");
}

}  // namespace
}  // namespace orv::test
