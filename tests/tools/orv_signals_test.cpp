// SIGTERM, SIGINT and SIGHUP end the real program the way Quit ends it: it
// leaves through its own end, with exit code 0, instead of being killed or
// staying, and keeps the work in hand: the list editor's unsaved text, the
// log row of an answer whose wrong-answer window is up.
#include <gtest/gtest.h>
#include <signal.h>

#include <QProcess>
#include <QProcessEnvironment>
#include <algorithm>
#include <chrono>
#include <filesystem>
#include <functional>
#include <string>
#include <thread>

#include "scores/score_db_fixture.h"
#include "support/program_directory.h"
#include "support/run_program.h"
#include "support/temp_dir.h"
#include "support/virtual_screen.h"

namespace orv {
namespace {

// Starts the program on home and waits until it is under way.
void StartOrv(QProcess& orv, const test::TempDir& home, QProcessEnvironment env) {
  // The program removes this entry as it starts: then it is under way.
  const std::string entry = home.Write("config/autostart/orv-restart.desktop", "[Desktop Entry]\n");
  env.insert("XDG_CONFIG_HOME", QString::fromStdString(home.Str() + "config"));
  orv.setProcessEnvironment(env);
  orv.start(ORV_PATH, {"--home", QString::fromStdString(home.Str())});
  ASSERT_TRUE(orv.waitForStarted());
  for (int wait = 0; wait < 1200 && std::filesystem::exists(entry); ++wait) {
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
  }
  ASSERT_FALSE(std::filesystem::exists(entry)) << "the program did not start";
}

// Sends the signal; true when the program then ended by itself with code 0.
bool EndsCleanly(QProcess& orv, int signal) {
  kill(static_cast<pid_t>(orv.processId()), signal);
  const bool ended = orv.waitForFinished(60000);
  if (!ended) orv.kill();
  return ended && orv.exitStatus() == QProcess::NormalExit && orv.exitCode() == 0;
}

TEST(OrvSignals, EveryEndSignalEndsTheProgramCleanly) {
  for (const int signal : {SIGTERM, SIGINT, SIGHUP}) {
    test::TempDir home;
    ASSERT_EQ(test::RunProgram(ORVC_PATH, test::InitArguments(home.Str())).exitCode, 0);
    QProcess orv;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("QT_QPA_PLATFORM", "offscreen");
    StartOrv(orv, home, env);
    EXPECT_TRUE(EndsCleanly(orv, signal)) << "signal " << signal;
  }
}

// The real program on a screen of its own, driven with the keyboard to the
// moment the signal comes, over a real embedded database.
TEST(OrvSignals, AnEndSignalKeepsTheWorkInHand) {
  ASSERT_FALSE(test::TestEngineRoot().empty());
  struct Case {
    const char* what;
    int signal;
    // From the main window to the moment of the signal.
    std::function<void(const test::VirtualScreen&)> reach;
    std::function<void(const test::TempDir&)> kept;
  };
  const Case cases[] = {
      {"the list editor holds unsaved text", SIGHUP,
       [](const test::VirtualScreen& screen) {
         screen.Key("alt+w");
         screen.Key("e");
         ASSERT_TRUE(screen.Activate("Edit Orv file"));
         screen.Type("bird ");
       },
       [](const test::TempDir& home) {
         EXPECT_EQ(home.Read("orv.orv/words0.orv"), "cat\r\n");
         EXPECT_EQ(home.Read("orv.orv/words0.orv.unsaved"), "bird cat\r\n");
       }},
      {"the wrong-answer window is up", SIGTERM,
       [](const test::VirtualScreen& screen) {
         screen.Key("Return");
         ASSERT_TRUE(screen.Activate("Input"));
         screen.Type("dgo");
         screen.Key("Return");
         // Once the answer window has gone, the next window shown besides
         // the main window is the wrong-answer window.
         std::vector<std::string> titles;
         for (int wait = 0; wait < 600; ++wait) {
           titles = screen.Titles();
           std::erase(titles, "Orv 7.0");
           if (!titles.empty() && std::ranges::find(titles, "Input") == titles.end()) return;
           std::this_thread::sleep_for(std::chrono::milliseconds(100));
         }
         std::string shown;
         for (const std::string& t : titles) shown += " \"" + t + "\"";
         FAIL() << "no wrong-answer window; shown:" << shown;
       },
       [](const test::TempDir& home) {
         EXPECT_EQ(test::Rows(home.Str() + "scoredb.gdb", "select word, answer from log"),
                   (std::vector<std::vector<std::string>>{{"cat", "dgo"}}));
         EXPECT_EQ(test::OneValue(home.Str() + "scoredb.gdb", "select count(*) from score"), "0");
       }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    const test::VirtualScreen screen;
    ASSERT_EQ(screen.Problem(), "");
    test::TempDir home;
    ASSERT_EQ(test::RunProgram(ORVC_PATH, test::InitArguments(home.Str())).exitCode, 0);
    home.Write("orv.orv/words0.orv", "cat\r\n");
    QProcess orv;
    StartOrv(orv, home, screen.Environment());
    ASSERT_TRUE(screen.Activate("Login"));
    screen.Type("ADMIN");
    screen.Key("Return");
    screen.Type(std::string(test::kTestAdminPassword));
    screen.Key("Return");
    // ADMIN's first log-in makes a start-up file.
    ASSERT_TRUE(screen.Activate("Error"));
    screen.Key("Return");
    ASSERT_TRUE(screen.Activate("Orv 7.0"));
    c.reach(screen);
    EXPECT_TRUE(EndsCleanly(orv, c.signal));
    c.kept(home);
  }
}

}  // namespace
}  // namespace orv
