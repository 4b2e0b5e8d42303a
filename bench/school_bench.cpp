// A school on one server: learner processes, each taking whole tests with a
// scripted learner against one Firebird server on 127.0.0.1 (a private one of
// scripts/firebird-server), which is stopped and started again half way. Every
// learner answers Yes in the retry box and goes on; at the end every answer
// and score a learner gave must be in the database, and every test's log
// group must be its own.
//   bench_school [--learners=N] [--seconds=S] [--check]
// --check (the short form that ctest runs) ends with exit code 1 when
// anything was lost, a log group came twice or a test ended in an error
// box, and 77 (skipped) when
// ORV_TEST_FB_SERVER names no server, that is when no server can be had.
// A learner is this program again, started with --learner=DIR.
#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QProcess>
#include <QSqlError>
#include <QSqlQuery>
#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <memory>
#include <optional>
#include <set>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "base/clock.h"
#include "base/dialogs.h"
#include "bench_dirs.h"
#include "scores/firebird/engineroot.h"
#include "scores/firebird/fbclient.h"
#include "scores/scoredatabase.h"
#include "scores/scoredbhost.h"
#include "session/ports.h"
#include "session/session.h"
#include "session_fixtures.h"

namespace {

using Clock = std::chrono::steady_clock;

// How long the learner thinks before each answer: much quicker than a child,
// so forty of them press the server harder than a class would.
constexpr auto kThinkTime = std::chrono::milliseconds(100);
// How long the learner takes to press Yes in the retry box.
constexpr auto kRetryPause = std::chrono::milliseconds(250);
// How long the server stays away.
constexpr auto kServerAway = std::chrono::seconds(3);

constexpr char kList[] = "cat\r\ndog\r\nemu\r\nfox\r\ngnu\r\nhen\r\nowl\r\npig\r\nram\r\nyak\r\n";

struct Settings {
  int learners = 40;
  int seconds = 60;
  bool check = false;
  std::string learnerDir;  // set in a learner process, with the two below
  std::string user;
  std::string database;
};

std::string Option(const std::string& arg, const std::string& name) {
  const std::string head = "--" + name + "=";
  return arg.compare(0, head.size(), head) == 0 ? arg.substr(head.size()) : std::string();
}

// ---- a learner process -------------------------------------------------

struct LearnerHost : orv::ScoreDbHost {
  std::string path;
  std::string dir;
  std::string ScoreDbPath() override { return path; }
  void SetScoreDbPath(const std::string& p) override { path = p; }
  std::string ProgramDir() override { return dir; }
  int CurrentLevel() override { return 0; }
  int ChangeDbLevel() override { return 250; }
  std::string CurrentDir() override { return ""; }
  bool QuitAllowed() override { return false; }
  void SetQuitAllowed() override {}
};

// Yes in every retry box after a moment; OK to the engine's message before it.
struct LearnerDialogs : orv::bench::SilentDialogs {
  orv::MsgAnswer Message(orv::MsgKind, const std::string&, orv::MsgButtons buttons) override {
    if (buttons != orv::MsgButtons::YesNo) return orv::MsgAnswer::Ok;
    ++retryBoxes;
    std::this_thread::sleep_for(kRetryPause);
    return orv::MsgAnswer::Yes;
  }
  int retryBoxes = 0;
};

// Types the word flashed, wrongly every fourth time (then rightly when it
// comes again); the rest of a test's windows and sounds it leaves alone.
class Learner : public orv::bench::QuittingLearner {
 public:
  void ShowTimedMessage(const std::string& caption, const std::string& text, orv::Rgb,
                        std::uint16_t, std::uint16_t) override {
    if (caption == "Word to enter") word_ = text;
  }
  std::optional<std::string> AskWord(const std::string&, const std::string&, bool,
                                     orv::AnswerButtons&) override {
    std::this_thread::sleep_for(kThinkTime);
    return ++asked_ % 4 == 0 ? word_ + "x" : word_;
  }

 private:
  std::string word_;
  int asked_ = 0;
};

// The score database, with every call the session makes counted and each
// logged answer timed.
class CountingLog : public orv::ScoreLog {
 public:
  explicit CountingLog(orv::ScoreDatabase& db) : db_(db) {}
  std::int32_t NextLogGroup() override {
    groups.push_back(db_.NextLogGroup());
    return groups.back();
  }
  void LogWord(const std::string& userName, const std::string& listPath, const std::string& wordKey,
               const std::string& answer, std::int32_t logGroup, std::uint16_t helpCount) override {
    ++answers;
    const auto start = Clock::now();
    db_.LogWord(userName, listPath, wordKey, answer, logGroup, helpCount);
    ms.push_back(std::chrono::duration<double, std::milli>(Clock::now() - start).count());
  }
  void LogScore(const std::string& listPath, const orv::scoreR& result, std::int32_t logGroup,
                const orv::ReviewAnswers&) override {
    ++scores;
    db_.LogScore(listPath, result, logGroup);
  }
  // What the end of a test reads back, as in the program.
  std::optional<orv::PastScore> LastScore(const std::string& userName,
                                          const std::string& listPath) override {
    return db_.LastScore(userName, listPath);
  }
  bool MissedBefore(const std::string& userName, const std::string& wordKey,
                    std::int32_t beforeGroup) override {
    return db_.MissedBefore(userName, wordKey, beforeGroup);
  }
  std::vector<std::int32_t> groups;
  std::vector<double> ms;
  int answers = 0;
  int scores = 0;

 private:
  orv::ScoreDatabase& db_;
};

// Connects, says "ready", waits for "go" and takes tests for the given time;
// then prints what it gave.
int RunLearner(const Settings& s) {
  LearnerHost host;
  host.dir = s.learnerDir;
  host.path = s.database;
  std::filesystem::create_directories(host.dir + "orv.orv");
  const std::string list = host.dir + "orv.orv/SCHOOL.ORV";
  std::ofstream(list, std::ios::binary) << kList;
  LearnerDialogs dialogs;
  orv::PrepareEngine(host.dir, "");
  orv::ScoreDatabase db(dialogs, host);
  if (!db.ConectDB()) return 1;
  // The waits of a test (flashed words, the pause after a wrong answer) cost
  // nothing: the learner's own think time paces the answers.
  orv::InstantClock instant;
  orv::ScopedClock useClock(instant);
  Learner learner;
  CountingLog log(db);
  orv::TestSession session(learner, learner, log, dialogs);
  orv::SessionSettings settings;
  settings.inOrder = true;
  settings.logAll = true;
  settings.programDir = host.dir;
  std::cout << "ready" << std::endl;
  std::string line;
  std::getline(std::cin, line);
  int failures = 0;
  const auto end = Clock::now() + std::chrono::seconds(s.seconds);
  while (Clock::now() < end) {
    try {
      session.RunTest(list, s.user, settings);
    } catch (const std::exception& e) {
      // The program would show it in an error box; the learner starts again.
      std::cerr << s.user << ": " << e.what() << "\n";
      ++failures;
    }
  }
  std::cout << "answers " << log.answers << "\nscores " << log.scores << "\nfailures " << failures
            << "\nretries " << dialogs.retryBoxes << "\ngroups";
  for (std::int32_t g : log.groups) std::cout << ' ' << g;
  std::cout << "\nms";
  for (double m : log.ms) std::cout << ' ' << m;
  std::cout << std::endl;
  return 0;
}

// ---- the school --------------------------------------------------------

// What one learner reported.
struct Report {
  long answers = 0;
  long scores = 0;
  long failures = 0;
  long retries = 0;
  std::vector<long> groups;
  std::vector<double> ms;
};

Report ParseReport(const std::string& text) {
  Report r;
  std::istringstream in(text);
  std::string line;
  while (std::getline(in, line)) {
    std::istringstream words(line);
    std::string key;
    words >> key;
    if (key == "answers") words >> r.answers;
    if (key == "scores") words >> r.scores;
    if (key == "failures") words >> r.failures;
    if (key == "retries") words >> r.retries;
    for (long g; key == "groups" && words >> g;) r.groups.push_back(g);
    for (double m; key == "ms" && words >> m;) r.ms.push_back(m);
  }
  return r;
}

// scripts/firebird-server on the benchmark's own server; its first line.
std::string Server(const std::string& command, const std::string& dir) {
  QProcess p;
  p.start(QStringLiteral(ORV_SOURCE_DIR "/scripts/firebird-server"),
          {QString::fromStdString(command), QString::fromStdString(dir)});
  p.waitForFinished(120000);
  const std::string out = p.readAllStandardOutput().toStdString();
  if (p.exitCode() != 0) {
    std::cerr << "firebird-server " << command << ": " << p.readAllStandardError().toStdString();
    return {};
  }
  return out.substr(0, out.find('\n'));
}

long OneNumber(orv::ScoreDatabase& db, const char* sql) {
  QSqlQuery q(db.Database());
  if (!q.exec(sql) || !q.next()) {
    std::cerr << sql << ": " << q.lastError().text().toStdString() << "\n";
    return -1;
  }
  return q.value(0).toLongLong();
}

double Quantile(std::vector<double> v, double q) {
  if (v.empty()) return 0;
  std::sort(v.begin(), v.end());
  return v[std::min(v.size() - 1, static_cast<std::size_t>(q * static_cast<double>(v.size())))];
}

Settings settings;
bool failed = false;

void BM_School(benchmark::State& state) {
  orv::bench::ScratchDir dir;
  const std::string serverDir = dir.Str() + "server";
  LearnerHost host;
  host.dir = dir.Str();
  // Before the client library is first used.
  orv::PrepareEngine(host.dir, "");
  for (auto _ : state) {
    const std::string address = Server("start", serverDir);
    if (address.empty()) {
      state.SkipWithError("no Firebird server");
      failed = true;
      return;
    }
    host.path = address + ":" + dir.Str() + "school.gdb";
    orv::CreateScoreDatabase(host.path);

    std::vector<std::unique_ptr<QProcess>> learners;
    for (int i = 0; i < settings.learners; ++i) {
      auto p = std::make_unique<QProcess>();
      p->setProcessChannelMode(QProcess::ForwardedErrorChannel);
      p->start(QStringLiteral("/proc/self/exe"),
               {QString::fromStdString("--learner=" + dir.Str() + std::to_string(i) + "/"),
                QString::fromStdString("--user=learner" + std::to_string(i)),
                QString::fromStdString("--database=" + host.path),
                QString::fromStdString("--seconds=" + std::to_string(settings.seconds))});
      learners.push_back(std::move(p));
    }
    for (auto& p : learners) {
      while (!p->canReadLine() && p->waitForReadyRead(60000)) {
      }
      if (p->readLine().trimmed() != "ready") {
        state.SkipWithError("a learner did not connect");
        failed = true;
        return;
      }
    }
    const auto start = Clock::now();
    for (auto& p : learners) p->write("go\n");
    for (auto& p : learners) p->waitForBytesWritten(10000);

    // Half way the server goes away for a moment, with every learner at work.
    std::this_thread::sleep_for(std::chrono::seconds(settings.seconds) / 2);
    Server("halt", serverDir);
    std::this_thread::sleep_for(kServerAway);
    if (Server("start", serverDir) != address) failed = true;

    Report all;
    for (auto& p : learners) {
      p->closeWriteChannel();
      p->waitForFinished((settings.seconds + 300) * 1000);
      const Report r = ParseReport(p->readAllStandardOutput().toStdString());
      if (p->exitCode() != 0 || r.groups.empty()) failed = true;
      all.answers += r.answers;
      all.scores += r.scores;
      all.failures += r.failures;
      all.retries += r.retries;
      all.groups.insert(all.groups.end(), r.groups.begin(), r.groups.end());
      all.ms.insert(all.ms.end(), r.ms.begin(), r.ms.end());
    }
    const double seconds = std::chrono::duration<double>(Clock::now() - start).count();

    LearnerDialogs dialogs;
    orv::ScoreDatabase db(dialogs, host);
    if (!db.ConectDB()) failed = true;
    const long logRows = OneNumber(db, "select count(*) from log");
    const long scoreRows = OneNumber(db, "select count(*) from score");
    // A log group of one test only: never handed out twice, its rows all of one learner.
    const long sharedGroups =
        OneNumber(db,
                  "select count(*) from (select log_group from log group by log_group having "
                  "count(distinct name) > 1)");
    const long scoreGroupsTwice =
        OneNumber(db, "select count(*) - count(distinct log_group) from score");
    const std::set<long> distinct(all.groups.begin(), all.groups.end());
    const long groupsTwice =
        static_cast<long>(all.groups.size() - distinct.size()) + sharedGroups + scoreGroupsTwice;
    const long lost = all.answers + all.scores - logRows - scoreRows;
    db.Disconnect();
    Server("stop", serverDir);

    state.counters["learners"] = settings.learners;
    state.counters["answers"] = static_cast<double>(all.answers);
    state.counters["answers_per_s"] = static_cast<double>(all.answers) / seconds;
    state.counters["logword_median_ms"] = Quantile(all.ms, 0.5);
    state.counters["logword_p99_ms"] = Quantile(all.ms, 0.99);
    state.counters["lost"] = static_cast<double>(lost);
    state.counters["groups_twice"] = static_cast<double>(groupsTwice);
    state.counters["retry_boxes"] = static_cast<double>(all.retries);
    state.counters["errors"] = static_cast<double>(all.failures);
    if (lost != 0 || groupsTwice != 0 || all.failures != 0 || all.answers == 0) failed = true;
  }
}

}  // namespace

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  std::vector<char*> rest{argv[0]};
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    if (std::string v = Option(arg, "learners"); !v.empty()) {
      settings.learners = std::stoi(v);
    } else if (std::string v = Option(arg, "seconds"); !v.empty()) {
      settings.seconds = std::stoi(v);
    } else if (std::string v = Option(arg, "learner"); !v.empty()) {
      settings.learnerDir = v;
    } else if (std::string v = Option(arg, "user"); !v.empty()) {
      settings.user = v;
    } else if (std::string v = Option(arg, "database"); !v.empty()) {
      settings.database = v;
    } else if (arg == "--check") {
      settings.check = true;
    } else {
      rest.push_back(argv[i]);
    }
  }
  if (!settings.learnerDir.empty()) return RunLearner(settings);
  if (settings.check && std::getenv("ORV_TEST_FB_SERVER") == nullptr) {
    std::cerr << "ORV_TEST_FB_SERVER is not set: no Firebird server to be had; skipped\n";
    return 77;
  }
  int restCount = static_cast<int>(rest.size());
  benchmark::RegisterBenchmark("BM_School", BM_School)
      ->Iterations(1)
      ->Unit(benchmark::kSecond)
      ->UseRealTime();
  benchmark::Initialize(&restCount, rest.data());
  if (benchmark::ReportUnrecognizedArguments(restCount, rest.data())) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return settings.check && failed ? 1 : 0;
}
