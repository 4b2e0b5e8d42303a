// A school on one server: learner processes, each taking whole tests with a
// scripted learner against one Firebird server on 127.0.0.1 (a private one of
// scripts/firebird-server), which is stopped and started again half way. Every
// learner answers Yes in the retry box and goes on; at the end every answer
// and score a learner gave must be in the database, and every test's log
// group must be its own.
//   bench_school [--learners=N] [--seconds=S] [--check] [--district] [--answer-cost]
// --district is a district's server instead: 1,000 learners by default, for
// five minutes, each a thread with a connection of its own (1,000 learner
// processes would need some 25 GB), answering at a child's pace, one answer
// every 3 to 8 seconds, through the program's own logging of answers and
// scores. The log's times are also counted outside the halt,
// and the server's CPU seconds per 1,000 answers.
// --answer-cost is the server's CPU for one logged answer, as the program
// logs it and as it did before, with none or 1,000 other connections.
// --check (the short form that ctest runs) ends with exit code 1 when
// anything was lost, a log group came twice or a test ended in an error
// box, and 77 (skipped) when
// ORV_TEST_FB_SERVER names no server, that is when no server can be had.
// A learner is this program again, started with --learner=DIR.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QProcess>
#include <QSqlError>
#include <QSqlQuery>
#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iostream>
#include <latch>
#include <memory>
#include <optional>
#include <random>
#include <set>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "base/clock.h"
#include "base/dialogs.h"
#include "bench_dirs.h"
#include "files/dos.h"
#include "scores/firebird/engineroot.h"
#include "scores/firebird/fbclient.h"
#include "scores/firebird/sqlquote.h"
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
// A district's learner thinks as long as a child, drawn anew each time.
constexpr int kChildThinkMinMs = 3000;
constexpr int kChildThinkMaxMs = 8000;
// How long the learner takes to press Yes in the retry box.
constexpr auto kRetryPause = std::chrono::milliseconds(250);
// How long the server stays away.
constexpr auto kServerAway = std::chrono::seconds(3);

constexpr char kList[] = "cat\r\ndog\r\nemu\r\nfox\r\ngnu\r\nhen\r\nowl\r\npig\r\nram\r\nyak\r\n";

struct Settings {
  int learners = 0;  // 0: 40, or 1,000 in a district
  int seconds = 0;   // 0: 60, or 300 in a district
  bool check = false;
  bool district = false;
  bool answerCost = false;
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
  orv::DbAccount Account() override { return {}; }
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
    at.push_back(start.time_since_epoch().count());
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
  std::vector<Clock::rep> at;  // when each answer was sent (the same clock in every process)
  int answers = 0;
  int scores = 0;

 private:
  orv::ScoreDatabase& db_;
};

// What one learner reported, or all of them together.
struct Report {
  long answers = 0;
  long scores = 0;
  long failures = 0;
  long retries = 0;
  std::vector<long> groups;
  std::vector<double> ms;
  std::vector<Clock::rep> at;

  void Add(const Report& r) {
    answers += r.answers;
    scores += r.scores;
    failures += r.failures;
    retries += r.retries;
    groups.insert(groups.end(), r.groups.begin(), r.groups.end());
    ms.insert(ms.end(), r.ms.begin(), r.ms.end());
    at.insert(at.end(), r.at.begin(), r.at.end());
  }
};

// A learner process prints its report; the school reads it back.
void WriteReport(std::ostream& out, const Report& r) {
  out << "answers " << r.answers << "\nscores " << r.scores << "\nfailures " << r.failures
      << "\nretries " << r.retries << "\ngroups";
  for (long g : r.groups) out << ' ' << g;
  out << "\nms";
  for (double m : r.ms) out << ' ' << m;
  out << "\nat";
  for (Clock::rep a : r.at) out << ' ' << a;
  out << std::endl;
}

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
    for (Clock::rep a; key == "at" && words >> a;) r.at.push_back(a);
  }
  return r;
}

// Takes tests until the time is up; the failures among them.
int TestsFor(int seconds, const std::string& user, const std::function<void()>& test) {
  int failures = 0;
  const auto end = Clock::now() + std::chrono::seconds(seconds);
  while (Clock::now() < end) {
    try {
      test();
    } catch (const std::exception& e) {
      // The program would show it in an error box; the learner starts again.
      std::cerr << user << ": " << e.what() << "\n";
      ++failures;
    }
  }
  return failures;
}

// One learner, a process or a thread: connects as host says, makes its test
// with makeTest, calls ready and then waitGo, and takes tests until the time
// is up; what it gave is counted by its CountingLog. Nothing in its report
// when it could not connect.
template <typename MakeTest, typename Ready, typename WaitGo>
std::optional<Report> Learn(LearnerHost& host, const std::string& user, int seconds,
                            MakeTest makeTest, Ready ready, WaitGo waitGo) {
  LearnerDialogs dialogs;
  orv::ScoreDatabase db(dialogs, host);
  if (!db.ConectDB()) return std::nullopt;
  CountingLog log(db);
  const std::function<void()> test = makeTest(log, dialogs);
  ready();
  waitGo();
  Report r;
  r.failures = TestsFor(seconds, user, test);
  r.answers = log.answers;
  r.scores = log.scores;
  r.retries = dialogs.retryBoxes;
  r.groups.assign(log.groups.begin(), log.groups.end());
  r.ms = std::move(log.ms);
  r.at = std::move(log.at);
  return r;
}

// What a learner process keeps through its tests: whole test sessions.
struct SessionLearner {
  SessionLearner(CountingLog& log, orv::Dialogs& dialogs)
      : session(learner, learner, log, dialogs, compile) {}
  Learner learner;
  orv::CompileSettings compile;
  orv::TestSession session;
};

// A learner process: whole tests in its own folder dir, with the test
// session of the program.
template <typename Ready, typename WaitGo>
std::optional<Report> TakeTests(const std::string& dir, const std::string& user,
                                const std::string& database, int seconds, Ready ready,
                                WaitGo waitGo) {
  LearnerHost host;
  host.dir = dir;
  host.path = database;
  std::filesystem::create_directories(host.dir + "orv.orv");
  const std::string list = host.dir + "orv.orv/SCHOOL.ORV";
  std::ofstream(list, std::ios::binary) << kList;
  orv::SessionSettings settings;
  settings.inOrder = true;
  settings.logAll = true;
  settings.programDir = host.dir;
  const auto makeTest = [&](CountingLog& log, orv::Dialogs& dialogs) -> std::function<void()> {
    auto kept = std::make_shared<SessionLearner>(log, dialogs);
    return [kept, list, user, settings] { kept->session.RunTest(list, user, settings); };
  };
  return Learn(host, user, seconds, makeTest, ready, waitGo);
}

// A learner of the district, in a thread of its own: the database work of
// whole tests as a test session does it (a log group per test, every answer
// logged, the score saved and read back), at a child's pace. The session
// itself keeps its list in the process's own state, one test at a time.
template <typename Ready, typename WaitGo>
std::optional<Report> AnswerAtChildPace(const std::string& user, const std::string& database,
                                        int seconds, Ready ready, WaitGo waitGo) {
  LearnerHost host;
  host.path = database;
  const auto makeTest = [&](CountingLog& log, orv::Dialogs&) -> std::function<void()> {
    auto random =
        std::make_shared<std::mt19937>(static_cast<unsigned>(std::hash<std::string>{}(user)));
    auto asked = std::make_shared<int>(0);
    const auto answer = [&log, random, user](const std::string& word, const std::string& typed,
                                             std::int32_t group) {
      std::uniform_int_distribution<int> thinkMs(kChildThinkMinMs, kChildThinkMaxMs);
      std::this_thread::sleep_for(std::chrono::milliseconds(thinkMs(*random)));
      log.LogWord(user, "/district/SCHOOL.ORV", word, typed, group, 0);
    };
    return [&log, answer, asked, user] {
      const std::int32_t group = log.NextLogGroup();
      orv::scoreR result{user, 0, 0, 0, 0};
      std::istringstream words(kList);
      for (std::string word; std::getline(words, word);) {
        if (!word.empty() && word.back() == '\r') word.pop_back();
        // Wrongly every fourth time, then rightly.
        const bool wrong = ++*asked % 4 == 0;
        if (wrong) answer(word, word + "x", group);
        answer(word, word, group);
        ++result.word_count;
        if (!wrong) ++result.score;
      }
      log.LogScore("/district/SCHOOL.ORV", result, group, {});
      log.LastScore(user, "/district/SCHOOL.ORV");
    };
  };
  return Learn(host, user, seconds, makeTest, ready, waitGo);
}

// A learner process: says "ready", waits for "go", takes tests for the
// given time; then prints what it gave.
int RunLearner(const Settings& s) {
  std::filesystem::create_directories(s.learnerDir);
  orv::PrepareEngine(s.learnerDir, "");
  // The waits of a test (flashed words, the pause after a wrong answer) cost
  // nothing: the learner's own think time paces the answers.
  orv::InstantClock instant;
  orv::ScopedClock useClock(instant);
  const auto r = TakeTests(
      s.learnerDir, s.user, s.database, s.seconds, [] { std::cout << "ready" << std::endl; },
      [] {
        std::string line;
        std::getline(std::cin, line);
      });
  if (!r) return 1;
  WriteReport(std::cout, *r);
  return 0;
}

// ---- the school --------------------------------------------------------

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

// The CPU seconds the server's process (its pid in the server's folder) has
// used, and the most memory it held, in MB.
struct ServerUse {
  double cpuSeconds = 0;
  double peakMb = 0;
};

ServerUse UseOfServer(const std::string& serverDir) {
  std::ifstream pidFile(serverDir + "/pid");
  std::string pid;
  pidFile >> pid;
  ServerUse use;
  std::ifstream stat("/proc/" + pid + "/stat");
  std::string field;
  // utime and stime are the 14th and 15th fields; the command (2nd) has no blank here.
  for (int i = 1; i <= 15 && stat >> field; ++i) {
    if (i >= 14) use.cpuSeconds += std::stod(field) / static_cast<double>(sysconf(_SC_CLK_TCK));
  }
  std::ifstream status("/proc/" + pid + "/status");
  for (std::string line; std::getline(status, line);) {
    if (line.rfind("VmHWM:", 0) == 0) use.peakMb = std::stod(line.substr(6)) / 1024;
  }
  return use;
}

// The most memory this process held, in MB.
double OwnPeakMb() {
  std::ifstream status("/proc/self/status");
  for (std::string line; std::getline(status, line);) {
    if (line.rfind("VmHWM:", 0) == 0) return std::stod(line.substr(6)) / 1024;
  }
  return 0;
}

Settings settings;
bool failed = false;

// The learners of a school as processes of this program, or of a district
// as threads of this one; Start and Go return false when a learner could not
// connect.
class Learners {
 public:
  virtual ~Learners() = default;
  virtual bool Start(const std::string& dir, const std::string& database) = 0;
  virtual void Go() = 0;
  virtual std::vector<std::optional<Report>> Finish() = 0;
};

class LearnerProcesses : public Learners {
 public:
  bool Start(const std::string& dir, const std::string& database) override {
    for (int i = 0; i < settings.learners; ++i) {
      auto p = std::make_unique<QProcess>();
      p->setProcessChannelMode(QProcess::ForwardedErrorChannel);
      p->start(QStringLiteral("/proc/self/exe"),
               {QString::fromStdString("--learner=" + dir + std::to_string(i) + "/"),
                QString::fromStdString("--user=learner" + std::to_string(i)),
                QString::fromStdString("--database=" + database),
                QString::fromStdString("--seconds=" + std::to_string(settings.seconds))});
      processes_.push_back(std::move(p));
    }
    for (auto& p : processes_) {
      while (!p->canReadLine() && p->waitForReadyRead(60000)) {
      }
      if (p->readLine().trimmed() != "ready") return false;
    }
    return true;
  }
  void Go() override {
    for (auto& p : processes_) p->write("go\n");
    for (auto& p : processes_) p->waitForBytesWritten(10000);
  }
  std::vector<std::optional<Report>> Finish() override {
    std::vector<std::optional<Report>> reports;
    for (auto& p : processes_) {
      p->closeWriteChannel();
      p->waitForFinished((settings.seconds + 300) * 1000);
      reports.push_back(ParseReport(p->readAllStandardOutput().toStdString()));
      if (p->exitCode() != 0) reports.back().reset();
    }
    return reports;
  }

 private:
  std::vector<std::unique_ptr<QProcess>> processes_;
};

class LearnerThreads : public Learners {
 public:
  LearnerThreads() : ready_(settings.learners), reports_(settings.learners) {}
  bool Start(const std::string&, const std::string& database) override {
    for (int i = 0; i < settings.learners; ++i) {
      threads_.emplace_back([this, i, database] {
        bool counted = false;
        const auto ready = [&] {
          counted = true;
          ready_.count_down();
        };
        reports_[i] = AnswerAtChildPace("learner" + std::to_string(i), database, settings.seconds,
                                        ready, [this] { go_.wait(); });
        if (!counted) {
          notConnected_ = true;
          ready_.count_down();
        }
      });
    }
    ready_.wait();
    return !notConnected_;
  }
  void Go() override { go_.count_down(); }
  std::vector<std::optional<Report>> Finish() override {
    for (std::thread& t : threads_) t.join();
    return std::move(reports_);
  }

 private:
  std::latch ready_;
  std::latch go_{1};
  std::atomic<bool> notConnected_{false};
  std::vector<std::optional<Report>> reports_;
  std::vector<std::thread> threads_;
};

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
    orv::CreateScoreDatabase(host.path, host.Account());

    std::unique_ptr<Learners> learners;
    if (settings.district) {
      learners = std::make_unique<LearnerThreads>();
    } else {
      learners = std::make_unique<LearnerProcesses>();
    }
    if (!learners->Start(dir.Str(), host.path)) {
      state.SkipWithError("a learner did not connect");
      failed = true;
      learners->Go();
      learners->Finish();
      return;
    }
    const auto start = Clock::now();
    learners->Go();

    // Half way the server goes away for a moment, with every learner at work.
    std::this_thread::sleep_for(std::chrono::seconds(settings.seconds) / 2);
    ServerUse server = UseOfServer(serverDir);
    const auto haltStart = Clock::now();
    Server("halt", serverDir);
    std::this_thread::sleep_for(kServerAway);
    if (Server("start", serverDir) != address) failed = true;
    const auto back = Clock::now();

    Report all;
    for (const std::optional<Report>& r : learners->Finish()) {
      if (!r || r->groups.empty()) {
        failed = true;
        continue;
      }
      all.Add(*r);
    }
    const double seconds = std::chrono::duration<double>(Clock::now() - start).count();
    // The answers that were under way neither while the server was away nor
    // while it started again.
    std::vector<double> outsideHalt;
    for (std::size_t i = 0; i < all.ms.size() && i < all.at.size(); ++i) {
      const Clock::time_point sent{Clock::duration(all.at[i])};
      const auto done = sent + std::chrono::duration_cast<Clock::duration>(
                                   std::chrono::duration<double, std::milli>(all.ms[i]));
      if (done < haltStart || sent > back) outsideHalt.push_back(all.ms[i]);
    }

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
    const ServerUse again = UseOfServer(serverDir);
    server.cpuSeconds += again.cpuSeconds;
    server.peakMb = std::max(server.peakMb, again.peakMb);
    Server("stop", serverDir);

    state.counters["learners"] = settings.learners;
    state.counters["answers"] = static_cast<double>(all.answers);
    state.counters["answers_per_s"] = static_cast<double>(all.answers) / seconds;
    state.counters["logword_median_ms"] = Quantile(outsideHalt, 0.5);
    state.counters["logword_p99_ms"] = Quantile(outsideHalt, 0.99);
    state.counters["logword_p99_all_ms"] = Quantile(all.ms, 0.99);
    state.counters["logword_max_ms"] = Quantile(outsideHalt, 1);
    state.counters["lost"] = static_cast<double>(lost);
    state.counters["groups_twice"] = static_cast<double>(groupsTwice);
    state.counters["retry_boxes"] = static_cast<double>(all.retries);
    state.counters["errors"] = static_cast<double>(all.failures);
    state.counters["server_cpu_s_per_1000_answers"] =
        all.answers > 0 ? server.cpuSeconds * 1000 / static_cast<double>(all.answers) : 0;
    state.counters["server_peak_mb"] = server.peakMb;
    state.counters["bench_peak_mb"] = OwnPeakMb();
    if (lost != 0 || groupsTwice != 0 || all.failures != 0 || all.answers == 0) failed = true;
  }
}

// What one answer costs the server: the log row written as the program
// writes it, beside the same row as the program wrote it before (the
// statement text prepared for each answer, committed, and the next
// transaction begun, each an exchange of its own with the server), with
// range(0) other computers connected and idle. range(1): 0 the way before,
// 1 the program's. The server's CPU per answer is the figure to compare: the
// time the others' connections add to each exchange shows in it whatever
// else the machine runs.
void BM_AnswerCost(benchmark::State& state) {
  orv::bench::ScratchDir dir;
  const std::string serverDir = dir.Str() + "server";
  LearnerHost host;
  host.dir = dir.Str();
  orv::PrepareEngine(host.dir, "");
  const std::string address = Server("start", serverDir);
  if (address.empty()) {
    state.SkipWithError("no Firebird server");
    failed = true;
    return;
  }
  host.path = address + ":" + dir.Str() + "answers.gdb";
  orv::CreateScoreDatabase(host.path, host.Account());
  LearnerDialogs dialogs;
  std::vector<std::unique_ptr<orv::ScoreDatabase>> idle;
  for (int i = 0; i < state.range(0); ++i) {
    idle.push_back(std::make_unique<orv::ScoreDatabase>(dialogs, host));
    if (!idle.back()->ConectDB()) failed = true;
  }
  orv::ScoreDatabase db(dialogs, host);
  const bool before = state.range(1) == 0;
  // The first answer prepares what the program keeps.
  db.LogWord("ann", "/district/SCHOOL.ORV", "cat", "kat", 1, 0);
  const double startCpu = UseOfServer(serverDir).cpuSeconds;
  long answers = 0;
  for (auto _ : state) {
    const std::string word = "word" + std::to_string(answers % 10);
    const std::string typed = answers % 4 == 0 ? word + "x" : word;
    if (before) {
      const bool wrong = typed != word;
      std::string values;
      for (const std::string& text : {std::string("ann"), orv::TodayText(), orv::NowTimeText(),
                                      std::string("SCHOOL"), word}) {
        orv::SqlQuoteList(values, text);
      }
      values += ", 1, 0";
      if (wrong) orv::SqlQuoteList(values, typed);
      db.RunAndCommit(std::string("INSERT INTO log (name, date1, time1, file1, word, log_Group, "
                                  "help_count") +
                      (wrong ? ", answer" : "") + ") VALUES (" + values + ")");
    } else {
      db.LogWord("ann", "/district/SCHOOL.ORV", word, typed, 1, 0);
    }
    ++answers;
  }
  const double cpu = UseOfServer(serverDir).cpuSeconds - startCpu;
  state.counters["connections"] = static_cast<double>(state.range(0) + 1);
  state.counters["server_cpu_ms_per_answer"] =
      answers > 0 ? cpu * 1000 / static_cast<double>(answers) : 0;
  db.Disconnect();
  idle.clear();
  Server("stop", serverDir);
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
    } else if (arg == "--district") {
      settings.district = true;
    } else if (arg == "--answer-cost") {
      settings.answerCost = true;
    } else {
      rest.push_back(argv[i]);
    }
  }
  if (!settings.learnerDir.empty()) return RunLearner(settings);
  if (settings.learners == 0) settings.learners = settings.district ? 1000 : 40;
  if (settings.seconds == 0) settings.seconds = settings.district ? 300 : 60;
  if (settings.check && std::getenv("ORV_TEST_FB_SERVER") == nullptr) {
    std::cerr << "ORV_TEST_FB_SERVER is not set: no Firebird server to be had; skipped\n";
    return 77;
  }
  int restCount = static_cast<int>(rest.size());
  if (settings.answerCost) {
    benchmark::RegisterBenchmark("BM_AnswerCost", BM_AnswerCost)
        ->ArgsProduct({{0, 1000}, {0, 1}})
        ->ArgNames({"idle", "atonce"})
        ->Iterations(2000)
        ->Unit(benchmark::kMillisecond)
        ->UseRealTime();
  } else {
    benchmark::RegisterBenchmark(settings.district ? "BM_District" : "BM_School", BM_School)
        ->Iterations(1)
        ->Unit(benchmark::kSecond)
        ->MeasureProcessCPUTime()
        ->UseRealTime();
  }
  benchmark::Initialize(&restCount, rest.data());
  if (benchmark::ReportUnrecognizedArguments(restCount, rest.data())) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return settings.check && failed ? 1 : 0;
}
