#pragma once
// Whole tests against a real score database: a program directory in a
// temporary folder, a score database made from the schema in it, a scripted
// learner, an instant clock, and a second connection that reads the rows
// the test left behind.
#include <gtest/gtest.h>

#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QVariant>
#include <cstdlib>
#include <string>
#include <vector>

#include "app/clock.h"
#include "app/platform.h"
#include "scores/engine_root.h"
#include "scores/fbclient.h"
#include "scores/score_db_host.h"
#include "scores/scoredatabase.h"
#include "scores/sound_store.h"
#include "session/scripted_learner.h"
#include "session/session.h"
#include "session/sessiondatabase.h"
#include "support/fake_dialogs.h"
#include "support/temp_dir.h"

namespace orv::test {

// The embedded engine reads its files from this root while the process runs,
// so it outlives every test's own folder.
inline const std::string& SessionEngineRoot() {
  static TempDir folder;
  static const std::string root = UseEmbeddedEngineRoot(folder.Str());
  return root;
}

struct SessionDbHost : ScoreDbHost {
  std::string path;
  std::string programDir;
  std::string currentDir;
  bool quitAllowed = false;

  std::string ScoreDbPath() override { return path; }
  void SetScoreDbPath(const std::string& p) override { path = p; }
  std::string ProgramDir() override { return programDir; }
  int CurrentLevel() override { return 255; }
  int ChangeDbLevel() override { return 250; }
  std::string CurrentDir() override { return currentDir; }
  bool QuitAllowed() override { return quitAllowed; }
  void SetQuitAllowed() override { quitAllowed = true; }
};

// The sounds kept in the database, with every sound started noted down.
struct PlayRecorder : SessionSounds {
  explicit PlayRecorder(SessionSounds& stored) : stored_(stored) {}
  bool WavForWord(const std::string& name) override { return stored_.WavForWord(name); }
  void PlayWord(const std::string& name) override {
    played.push_back(name);
    stored_.PlayWord(name);
  }
  std::vector<std::string> played;

 private:
  SessionSounds& stored_;
};

using Row = std::vector<std::string>;
inline const char kNull[] = "<null>";

class SessionTest : public ::testing::Test {
 protected:
  static SessionDbHost WithProgramDir(const std::string& programDir) {
    SessionDbHost h;
    h.programDir = programDir;
    return h;
  }

  void SetUp() override {
    ASSERT_FALSE(engineRoot.empty());
    host.path = dir.Str() + "scoredb.gdb";
    CreateScoreDatabase(host.path);
    settings.programDir = dir.Str();
    SetBeepHandler([this] { ++beeps; });
  }
  void TearDown() override { SetBeepHandler({}); }

  // Writes a list under the word-list root and returns its path as the main
  // window builds it.
  std::string WriteList(const std::string& name, const std::string& text) {
    dir.Write("orv.orv/" + name, text);
    return dir.Str() + "orv.orv/" + name;
  }

  // Records a short tone as the sound of the name.
  void StoreSound(const std::string& name) {
    std::string file = dir.Str() + name + ".wav";
    std::string command = "sox -n -r 8000 -c 1 -b 8 '" + file + "' synth 0.05 sine 440 2>&1";
    ASSERT_EQ(std::system(command.c_str()), 0) << command;
    ASSERT_TRUE(soundStore.WriteWord(file)) << name;
  }

  void Run(const std::string& listPath, const std::string& user = "ann") {
    host.currentDir = settings.currentDir;
    session.RunTest(listPath, user, settings);
  }

  // The rows of a query, read on a connection of its own; NULL as kNull.
  std::vector<Row> Rows(const std::string& sql) {
    const QString name = QStringLiteral("orv-session-test-reader");
    std::vector<Row> rows;
    {
      QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QIBASE"), name);
      db.setDatabaseName(QString::fromStdString(host.path));
      db.setUserName(kDbUser);
      db.setPassword(kDbPassword);
      EXPECT_TRUE(db.open()) << db.lastError().text().toStdString();
      QSqlQuery query(db);
      EXPECT_TRUE(query.exec(QString::fromStdString(sql)))
          << query.lastError().text().toStdString();
      while (query.next()) {
        Row row;
        for (int i = 0; i < query.record().count(); ++i) {
          QVariant v = query.value(i);
          row.push_back(v.isNull() ? kNull : v.toString().trimmed().toStdString());
        }
        rows.push_back(row);
      }
      query.finish();
      db.close();
    }
    QSqlDatabase::removeDatabase(name);
    return rows;
  }

  // name, file1, score, word_count, max_help, help_total of every score row.
  std::vector<Row> Scores() {
    return Rows(
        "select name, file1, score, word_count, max_help, help_total from score order by "
        "log_group");
  }
  // word, answer, help_count of every log row, in the order written.
  std::vector<Row> Log() {
    return Rows("select word, answer, help_count from log order by log_group, rdb$db_key");
  }

  const std::string& engineRoot = SessionEngineRoot();
  TempDir dir;
  SessionDbHost host = WithProgramDir(dir.Str());
  FakeDialogs dialogs;
  ScoreDatabase database{dialogs, host};
  SoundStore soundStore{database, dialogs};
  SessionDatabase store{database, soundStore};
  PlayRecorder sounds{store};
  ScriptedLearner learner;
  InstantClock clock;
  ScopedClock useClock{clock};
  TestSession session{learner, sounds, store, dialogs};
  SessionSettings settings;
  int beeps = 0;
};

}  // namespace orv::test
