#pragma once
// The database windows over a real score database: a program directory with
// a password file of five users, the host the windows are given, and whole
// tests taken by scripted learners through the real test session, so the
// windows show the rows a test really writes.
#include <gtest/gtest.h>

#include <QApplication>
#include <QImage>
#include <QPlainTextEdit>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "base/clock.h"
#include "base/platform.h"
#include "score_db_fixture.h"
#include "scores/dataset.h"
#include "scores/logquery_window.h"
#include "scores/scoredatabase.h"
#include "scores/scorewindowhost.h"
#include "scores/soundstore.h"
#include "session/scripted_learner.h"
#include "session/session.h"
#include "session/sessiondatabase.h"
#include "support/children.h"
#include "support/test_users.h"
#include "support/window_driver.h"
#include "users/password.h"

namespace orv::test {

// The program as the database windows see it, with settable answers; the
// levels are those of a new start-up file.
struct TestWindowHost : ScoreWindowHost {
  const PasswordO* users = nullptr;
  ScoreWindowLevels levels{200, 0, 250};
  std::string currentDir;
  std::string currentFile = "words0.orv";
  std::string listRoot;

  const PasswordO& PasswordFile() const override { return *users; }
  ScoreWindowLevels Levels() const override { return levels; }
  std::string CurrentDir() const override { return currentDir; }
  std::string CurrentFile() const override { return currentFile; }
  std::string ListRoot() const override { return listRoot; }
};

// A scripted learner whose test ends with a score window of the caller's.
struct Learner : ScriptedLearner {
  void ShowScores(std::int32_t markedGroup, const std::string& kindWord) override {
    ScriptedLearner::ShowScores(markedGroup, kindWord);
    if (showScores) showScores(markedGroup);
  }
  std::function<void(std::int32_t)> showScores;
};

class DbWindowTest : public ScoreDbTest {
 protected:
  void SetUp() override {
    ScoreDbTest::SetUp();
    NewDatabase();
    windowHost.listRoot = dir.Str() + "orv.orv\\";
    SetBeepHandler([] {});
    // Levels: ann, bob, O'Neil and j.smith are learners, teacher may look at others
    // (200) and make files for them (210), Boss is the super user. Each
    // password is the name followed by "-pw".
    std::vector<TestUser> users;
    for (const auto& [name, level] : std::vector<std::pair<std::string, int>>{{"Boss", 255},
                                                                              {"ann", 10},
                                                                              {"bob", 10},
                                                                              {"O'Neil", 10},
                                                                              {"teacher", 220},
                                                                              {"j.smith", 10}}) {
      users.push_back({name, name + "-pw", level});
    }
    WritePasswordFile(dir, users);
    UsePasswordFile(std::make_unique<PasswordO>(dir.Str(), "KVXS1.KVX", dialogs));
    database = std::make_unique<ScoreDatabase>(dialogs, host);
    sounds = std::make_unique<SoundStore>(*database, dialogs);
    store = std::make_unique<SessionDatabase>(*database, *sounds);
  }
  void TearDown() override {
    store.reset();
    sounds.reset();
    database.reset();
    ownPasswords.reset();
    SetBeepHandler({});
    ScoreDbTest::TearDown();
  }

  // The password file the windows are given and LogIn logs in to.
  void UsePasswordFile(std::unique_ptr<PasswordO> file) {
    ownPasswords = std::move(file);
    passwords = ownPasswords.get();
    windowHost.users = passwords;
  }

  void LogIn(const std::string& name) {
    passwords->Logout();
    dialogs.logins.push_back({name, name + "-pw"});
    ASSERT_GE(passwords->Login(), 0) << name;
    host.level = passwords->CurrentLevel();
  }

  // Writes a word list under the word-list root (path relative to it).
  void WriteList(const std::string& relative, const std::string& text) {
    dir.Write("orv.orv/" + relative, text);
  }

  // One whole test of the current list taken by the user, answering as
  // scripted (the list's words are asked in sorted order); showScores is
  // what the test's end does with its score window. Returns the test's log
  // group, the one the score window marks.
  std::int32_t TakeTest(const std::string& user, const std::vector<std::string>& answers,
                        std::function<void(std::int32_t)> showScores = {}) {
    Learner learner;
    learner.showScores = std::move(showScores);
    for (const std::string& a : answers) learner.Say(a);
    SessionSettings settings;
    settings.inOrder = true;
    settings.programDir = dir.Str();
    settings.currentDir = windowHost.currentDir;
    settings.logAll = logAll;
    host.currentDir = settings.currentDir;
    CompileSettings compile;
    TestSession session(learner, *store, *store, dialogs, compile);
    session.RunTest(windowHost.listRoot + windowHost.currentDir + windowHost.currentFile, user,
                    settings);
    EXPECT_TRUE(learner.answers.empty()) << "the test ended before every answer was given";
    EXPECT_FALSE(learner.scoreWindows.empty()) << "the test did not end with its score window";
    return learner.scoreWindows.empty() ? -1 : learner.scoreWindows.back();
  }

  // A log row written straight into the table, for days no test ran on.
  void LogRow(const std::string& name, const std::string& date, const std::string& word,
              const std::string& answer) {
    std::string sql =
        "INSERT INTO log (name, date1, time1, file1, word, log_group, help_count, answer) "
        "VALUES ('" +
        name + "', '" + date + "', '12:00:00', 'WORDS0', '" + word + "', 0, 0, " +
        (answer.empty() ? std::string("NULL") : "'" + answer + "'") + ")";
    Exec(host.path, sql);
  }

  // The texts of a grid column, top to bottom.
  static std::vector<std::string> Column(const DataSet& data, const std::string& field) {
    std::vector<std::string> values;
    for (int row = 0; row < data.RowCount(); ++row) {
      values.push_back(data.Value(row, field).toString().toStdString());
    }
    return values;
  }

  // Shows a window modally through open (as its command does), runs check
  // while it is up, then closes it.
  static void WhileOpen(QDialog& window, const std::function<void()>& open,
                        const std::function<void()>& check) {
    WindowDriver driver;
    driver.Then(window.metaObject()->className(), "is checked, then closed", [&](QWidget&) {
      check();
      window.reject();
    });
    open();
    EXPECT_TRUE(driver.Done());
    EXPECT_FALSE(driver.Stuck());
  }
  // Shows a log window as its command does for a user of the level.
  void Open(TSU& window, std::int32_t level, const std::function<void()>& check) {
    WhileOpen(
        window, [&] { OpenLogWindow(window, level, dialogs); }, check);
  }
  static std::string Sql(const TSU& window) {
    return Child<QPlainTextEdit>(window, "SQL")->toPlainText().toStdString();
  }

  // Whether the image has a clearly red pixel inside the rectangle.
  static bool HasRed(const QImage& image, const QRect& area) {
    for (int y = area.top(); y <= area.bottom(); ++y) {
      for (int x = area.left(); x <= area.right(); ++x) {
        const QColor c = image.pixelColor(x, y);
        if (c.red() > 200 && c.green() < 60 && c.blue() < 60) return true;
      }
    }
    return false;
  }

  InstantClock clock;
  ScopedClock useClock{clock};
  TestWindowHost windowHost;
  // The password file in use; ownPasswords is empty once it is handed on.
  std::unique_ptr<PasswordO> ownPasswords;
  PasswordO* passwords = nullptr;
  std::unique_ptr<ScoreDatabase> database;
  std::unique_ptr<SoundStore> sounds;
  std::unique_ptr<SessionDatabase> store;
  DataSet dataSet;
  bool logAll = true;
};

}  // namespace orv::test
