// SIGTERM and SIGINT end the real program the way Quit ends it: it leaves
// through its own end, with exit code 0, instead of being killed or staying.
#include <gtest/gtest.h>
#include <signal.h>

#include <QProcess>
#include <QProcessEnvironment>
#include <chrono>
#include <filesystem>
#include <string>
#include <thread>

#include "support/program_directory.h"
#include "support/run_program.h"
#include "support/temp_dir.h"

namespace orv {
namespace {

TEST(OrvSignals, SigtermAndSigintEndTheProgramCleanly) {
  for (const int signal : {SIGTERM, SIGINT}) {
    test::TempDir home;
    ASSERT_EQ(test::RunProgram(ORVC_PATH, test::InitArguments(home.Str())).exitCode, 0);
    // The program removes this entry as it starts: then it is under way.
    const std::string entry =
        home.Write("config/autostart/orv-restart.desktop", "[Desktop Entry]\n");
    QProcess orv;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("QT_QPA_PLATFORM", "offscreen");
    env.insert("XDG_CONFIG_HOME", QString::fromStdString(home.Str() + "config"));
    orv.setProcessEnvironment(env);
    orv.start(ORV_PATH, {"--home", QString::fromStdString(home.Str())});
    ASSERT_TRUE(orv.waitForStarted()) << signal;
    for (int wait = 0; wait < 1200 && std::filesystem::exists(entry); ++wait) {
      std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    ASSERT_FALSE(std::filesystem::exists(entry)) << "the program did not start";
    kill(static_cast<pid_t>(orv.processId()), signal);
    const bool ended = orv.waitForFinished(60000);
    if (!ended) orv.kill();
    EXPECT_TRUE(ended) << "signal " << signal << " left the program running";
    EXPECT_EQ(orv.exitStatus(), QProcess::NormalExit) << signal;
    EXPECT_EQ(orv.exitCode(), 0) << signal;
  }
}

}  // namespace
}  // namespace orv
