#pragma once
// Whole tests against a real score database: a program directory in a
// temporary folder, a score database made from the schema in it, a scripted
// learner, an instant clock, and a second connection that reads the rows
// the test left behind.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "base/clock.h"
#include "base/platform.h"
#include "scores/score_db_fixture.h"
#include "scores/scoredatabase.h"
#include "scores/soundstore.h"
#include "session/scripted_learner.h"
#include "session/session.h"
#include "session/sessiondatabase.h"

namespace orv::test {

// The sounds kept in the database, with every sound started noted down.
struct PlayRecorder : SessionSounds {
  explicit PlayRecorder(SessionSounds& stored) : stored_(stored) {}
  bool WavForWord(const std::string& name) override { return stored_.WavForWord(name); }
  void PlayWord(const std::string& name) override {
    played.push_back(name);
    stored_.PlayWord(name);
  }
  // Real speech: the database's own speaking, noted down as it succeeds.
  bool Speak(const std::string& text, const std::string& voice) override {
    const bool made = stored_.Speak(text, voice);
    if (made) spoken.push_back(text);
    return made;
  }
  void PlayRightSound() override { played.push_back("(right chime)"); }
  std::vector<std::string> played;
  std::vector<std::string> spoken;

 private:
  SessionSounds& stored_;
};

using Row = std::vector<std::string>;

class SessionTest : public ScoreDbTest {
 protected:
  void SetUp() override {
    ScoreDbTest::SetUp();
    NewDatabase();
    settings.programDir = dir.Str();
    SetBeepHandler([this] { ++beeps; });
  }
  void TearDown() override {
    SetBeepHandler({});
    ScoreDbTest::TearDown();
  }

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

  std::vector<Row> Rows(const std::string& sql) { return test::Rows(host.path, sql); }

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

  // The engine's root is in place before the database below is made.
  const std::string& engineRoot = TestEngineRoot();
  ScoreDatabase database{dialogs, host};
  SoundStore soundStore{database, dialogs};
  SessionDatabase store{database, soundStore};
  PlayRecorder sounds{store};
  ScriptedLearner learner;
  InstantClock clock;
  ScopedClock useClock{clock};
  CompileSettings compile;
  TestSession session{learner, sounds, store, dialogs, compile};
  SessionSettings settings;
  int beeps = 0;
};

}  // namespace orv::test
