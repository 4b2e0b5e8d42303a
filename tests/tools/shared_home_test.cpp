// A program directory that several accounts share through a group (its
// set-group-ID bit): every command that opens its database gives the engine
// the folder's one lock folder, processes writing at once keep every row and
// leave the database whole, and what the super user's commands leave there
// the group's members can use.
#include <grp.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QProcess>
#include <QProcessEnvironment>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "app/databaseuse.h"
#include "app/programhost.h"
#include "app/programpaths.h"
#include "app/startupfile.h"
#include "scores/scoredatabase.h"
#include "scores/sound/beeptone.h"
#include "support/fake_dialogs.h"
#include "support/program_directory.h"
#include "support/run_program.h"
#include "support/temp_dir.h"

namespace orv {
namespace {

namespace fs = std::filesystem;

// What the test process may have set for its own engine stays out of the
// programs it starts: they choose their folders themselves.
const std::vector<std::string> kOwnSettings = {"ORV_HOME", "FIREBIRD", "FIREBIRD_LOCK"};

QProcessEnvironment CleanEnvironment() {
  QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
  for (const std::string& name : kOwnSettings) env.remove(QString::fromStdString(name));
  return env;
}

test::ProgramRun Orvc(const std::string& home, std::vector<std::string> args) {
  args.insert(args.begin(), {"--home", home});
  return test::RunProgram(ORVC_PATH, args, kOwnSettings);
}

QStringList Arguments(const std::string& home, const std::vector<std::string>& args) {
  QStringList list{"--home", QString::fromStdString(home)};
  for (const std::string& a : args) list << QString::fromStdString(a);
  return list;
}

class SharedHome : public ::testing::Test {
 protected:
  void SetUp() override {
    // Shared through the test account's own group, which it is in.
    fs::create_directory(home());
    ASSERT_EQ(::chmod(home().c_str(), 02775), 0);
    const test::ProgramRun init =
        test::RunProgram(ORVC_PATH, test::InitArguments(home()), kOwnSettings);
    ASSERT_EQ(init.exitCode, 0) << init.err;
  }
  std::string home() const { return dir.Str() + "orv/"; }
  std::string lock() const { return home() + "firebird/lock/"; }
  std::string Wav(const std::string& word) const {
    return dir.Write("sounds/" + word + ".wav", BeepToneWav());
  }
  test::TempDir dir;
};

TEST_F(SharedHome, EveryCommandThatOpensTheDatabaseUsesTheFoldersLockFolder) {
  // The engine opens fb_init in its lock folder at every start.
  EXPECT_TRUE(fs::exists(lock() + "fb_init")) << "orvc init";
  const std::string backup = dir.Str() + "scores.fbk";
  const std::vector<std::vector<std::string>> commands = {
      {"db", "check"},
      {"db", "backup", backup},
      {"db", "restore", backup, dir.Str() + "restored.gdb"},
      {"db", "create", dir.Str() + "new.gdb"},
      {"sounds", "add", Wav("house")},
      {"sounds", "list"},
      {"report", "scores"},
      {"report", "log", "--csv"},
      {"report", "class"},
  };
  for (const std::vector<std::string>& command : commands) {
    const std::string name = command[0] + " " + command[1];
    for (const auto& entry : fs::directory_iterator(lock())) fs::remove(entry.path());
    const test::ProgramRun run = Orvc(home(), command);
    EXPECT_EQ(run.exitCode, 0) << name << ": " << run.err;
    EXPECT_TRUE(fs::exists(lock() + "fb_init")) << name;
  }
}

// The database's rows as orvc db check counts them.
std::string RowCounts(const std::string& home) {
  const test::ProgramRun run = Orvc(home, {"db", "check"});
  EXPECT_EQ(run.exitCode, 0) << run.err;
  const std::size_t at = run.out.find("rows:");
  return at == std::string::npos ? run.out : run.out.substr(at, run.out.find('\n', at) - at);
}

constexpr int kLoggers = 2;
constexpr int kRowsEach = 300;
constexpr int kSoundAdders = 3;
constexpr int kSoundsEach = 20;
constexpr int kCheckers = 2;

TEST_F(SharedHome, WritersInSeveralProcessesAtOnceKeepEveryRowAndTheDatabaseWhole) {
  std::vector<std::unique_ptr<QProcess>> processes;
  auto start = [&](const QString& program, const QStringList& arguments,
                   const QProcessEnvironment& env) {
    auto& p = processes.emplace_back(std::make_unique<QProcess>());
    p->setProcessEnvironment(env);
    p->setStandardInputFile(QProcess::nullDevice());
    p->start(program, arguments);
  };
  // Learners' sessions logging answers, as the program does.
  QProcessEnvironment logger = CleanEnvironment();
  logger.insert("ORV_HELPER_HOME", QString::fromStdString(home()));
  for (int i = 0; i < kLoggers; ++i) {
    start("/proc/self/exe",
          {"--gtest_also_run_disabled_tests",
           "--gtest_filter=SharedHomeHelper.DISABLED_LogsAnswersAsTheProgramDoes"},
          logger);
  }
  // A teacher's sounds and checks at the same time.
  for (int i = 0; i < kSoundAdders; ++i) {
    std::vector<std::string> add = {"sounds", "add"};
    for (int w = 0; w < kSoundsEach; ++w) add.push_back(Wav("w" + std::to_string(i * 100 + w)));
    start(ORVC_PATH, Arguments(home(), add), CleanEnvironment());
  }
  for (int i = 0; i < kCheckers; ++i) {
    start(ORVC_PATH, Arguments(home(), {"db", "check"}), CleanEnvironment());
  }
  // Each is reaped as soon as it ends: the engine takes a process that ended
  // unreaped for a live one, and the others would wait for its locks.
  for (int turn = 0; turn < 30000; ++turn) {
    bool running = false;
    for (const auto& p : processes) {
      if (p->state() != QProcess::NotRunning) running = !p->waitForFinished(10) || running;
    }
    if (!running) break;
  }
  for (const auto& p : processes) {
    ASSERT_EQ(p->state(), QProcess::NotRunning) << p->program().toStdString();
    EXPECT_EQ(p->exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(p->exitCode(), 0) << p->readAllStandardError().toStdString()
                                << p->readAllStandardOutput().toStdString();
  }
  EXPECT_EQ(RowCounts(home()), "rows:       log " + std::to_string(kLoggers * kRowsEach) +
                                   ", score 0, sound " +
                                   std::to_string(kSoundAdders * kSoundsEach));

  QProcess gfix;
  QProcessEnvironment engine = CleanEnvironment();
  engine.insert("FIREBIRD", QString::fromStdString(home() + "firebird/"));
  engine.insert("FIREBIRD_LOCK", QString::fromStdString(lock()));
  gfix.setProcessEnvironment(engine);
  gfix.setProcessChannelMode(QProcess::MergedChannels);
  gfix.start("gfix", {"-v", "-full", "-user", "SYSDBA", "-password", "any",
                      QString::fromStdString(home() + "scoredb.gdb")});
  ASSERT_TRUE(gfix.waitForFinished(120000));
  EXPECT_EQ(gfix.exitCode(), 0);
  EXPECT_EQ(gfix.readAll().toStdString(), "");
}

// The helper of the test above, run only by it in processes of their own.
TEST(SharedHomeHelper, DISABLED_LogsAnswersAsTheProgramDoes) {
  const char* home = std::getenv("ORV_HELPER_HOME");
  ASSERT_NE(home, nullptr);
  ProgramPaths paths;
  SetProgramDirectory(paths, home);
  const DatabaseUse databases(paths);
  test::FakeDialogs dialogs;
  const StartUpSettings settings;
  ProgramScoreDbHost host(databases.Account(), paths, settings, nullptr);
  ScoreDatabase database(dialogs, host);
  const std::string learner = "L" + std::to_string(::getpid());
  for (int i = 0; i < kRowsEach; ++i) {
    database.LogWord(learner, "WORDS0.ORV", "word" + std::to_string(i), "wrod", 1, 0);
  }
  EXPECT_TRUE(dialogs.messages.empty()) << dialogs.messages.front().text;
}

constexpr uid_t kNobody = 65534;
constexpr gid_t kNoGroup = 65534;

// Runs orvc as the account nobody, a member of nogroup only.
int OrvcAsNobody(const std::string& home, const std::vector<std::string>& args) {
  const pid_t child = ::fork();
  if (child == 0) {
    for (const std::string& name : kOwnSettings) ::unsetenv(name.c_str());
    if (::setgroups(0, nullptr) != 0 || ::setgid(kNoGroup) != 0 || ::setuid(kNobody) != 0) {
      ::_exit(120);
    }
    std::vector<std::string> all = {ORVC_PATH, "--home", home};
    all.insert(all.end(), args.begin(), args.end());
    std::vector<char*> argv;
    for (std::string& a : all) argv.push_back(a.data());
    argv.push_back(nullptr);
    ::execv(ORVC_PATH, argv.data());
    ::_exit(121);
  }
  int status = 0;
  ::waitpid(child, &status, 0);
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

TEST(SharedHomeOfTheMachine, AfterTheSuperUsersCommandsTheGroupsMembersCanOpenTheDatabase) {
  if (::geteuid() != 0) GTEST_SKIP() << "the super user's commands need the super user";
  test::TempDir dir;
  fs::permissions(dir.Path(), fs::perms(0755));
  const std::string home = dir.Str() + "orv/";
  // As the package sets up /var/lib/orv: the super user's, shared with the group.
  fs::create_directory(home);
  ASSERT_EQ(::chown(home.c_str(), 0, kNoGroup), 0);
  ASSERT_EQ(::chmod(home.c_str(), 02770), 0);
  test::ProgramRun run = test::RunProgram(ORVC_PATH, test::InitArguments(home), kOwnSettings);
  ASSERT_EQ(run.exitCode, 0) << run.err;
  EXPECT_EQ(OrvcAsNobody(home, {"db", "check"}), 0) << "after orvc init";
  run = Orvc(home, {"sounds", "add", dir.Write("house.wav", BeepToneWav())});
  ASSERT_EQ(run.exitCode, 0) << run.err;
  EXPECT_EQ(OrvcAsNobody(home, {"sounds", "list"}), 0) << "after orvc sounds";
  for (const auto& entry : fs::directory_iterator(home + "firebird/lock")) {
    struct stat info {};
    ASSERT_EQ(::stat(entry.path().c_str(), &info), 0);
    EXPECT_EQ(info.st_gid, kNoGroup) << entry.path();
    EXPECT_EQ(info.st_mode & 0660, 0660u) << entry.path();
  }
}

}  // namespace
}  // namespace orv
