// The first show of each database window (and of the progress window and
// the class overview) over the large score database
// that bench_database builds (1,000,000 log rows, 100,000 score rows of 200
// users; $ORV_BENCH_DIR, default the temporary folder's orv-bench): from the
// command that opens the window until the window is up and painted, with its
// query run and the rows it shows fetched. The time is real time; the
// counter cpu_ms is the CPU time of the whole process over the same span
// (the embedded engine works in the process), which other programs on the
// machine disturb less. The largest forms of the log and score windows are
// also timed from Update to the first screen, each beside the same form
// with every row fetched (as the windows read them before they fetched by
// blocks), and the score window's forms beside the same forms over the
// percentage and day computed per row, as before they were stored; the class overview also over a
// school of 2,000 learners and 1,000,000 tests (built once beside the large database), beside its
// tests read as they were before, through ReadTests, in the same run. The sound window is measured
// over a copy of that database holding 300 recorded words.
#include <benchmark/benchmark.h>
#include <time.h>

#include <QApplication>
#include <QCheckBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTableView>
#include <QTimer>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <iostream>
#include <map>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "app/programhost.h"
#include "app/programpaths.h"
#include "app/qtdialogs_window.h"
#include "app/registry.h"
#include "app/scorewindowhost.h"
#include "app/startupfile.h"
#include "bench_dirs.h"
#include "files/safesave.h"
#include "progress/classoverview.h"
#include "progress/classoverview_window.h"
#include "progress/overviewtests.h"
#include "progress/progress_window.h"
#include "scores/datagrid_window.h"
#include "scores/dataset.h"
#include "scores/firebird/engineroot.h"
#include "scores/firebird/fbclient.h"
#include "scores/logquery_window.h"
#include "scores/score_window.h"
#include "scores/scoredatabase.h"
#include "scores/scorequery.h"
#include "scores/sounds_window.h"
#include "scores/soundstore.h"
#include "scores/wrongword_window.h"
#include "users/crypt.h"
#include "users/password.h"
#include "widgets/datepicker_window.h"

namespace {

// The program's dialogs, with user17 answering the log-in.
struct BenchDialogs : orv::QtDialogs {
  orv::LoginEntry AskLogin() override { return {"user17", "pw"}; }
};

// Connected to its database once the program is set up; the sound window's
// database is a connection of its own.
struct Program {
  BenchDialogs dialogs;
  orv::ProgramPaths paths;
  orv::StartUpSettings settings;
  // Made once the password file is there, and the hosts over it.
  std::unique_ptr<orv::PasswordO> users;
  std::unique_ptr<orv::ProgramScoreDbHost> host;
  std::unique_ptr<orv::ProgramScoreWindowHost> windowHost;
  std::unique_ptr<orv::ScoreDatabase> database;
  std::unique_ptr<orv::ScoreDatabase> soundDatabase;
  std::unique_ptr<orv::ScoreDatabase> schoolDatabase;
  std::unique_ptr<orv::SoundStore> sounds;
  orv::DataSet dataSet;
};

std::unique_ptr<Program> program;

double ProcessCpuSeconds() {
  timespec t{};
  clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
  return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) * 1e-9;
}

// The process's CPU time over a benchmark's timed spans, set as its counter
// cpu_ms (per iteration) when the benchmark ends.
class CpuCounter {
 public:
  explicit CpuCounter(benchmark::State& state) : state_(state) {}
  ~CpuCounter() {
    state_.counters["cpu_ms"] =
        benchmark::Counter(seconds_ * 1000, benchmark::Counter::kAvgIterations);
  }
  CpuCounter(const CpuCounter&) = delete;
  CpuCounter& operator=(const CpuCounter&) = delete;
  void Add(double seconds) { seconds_ += seconds; }

 private:
  benchmark::State& state_;
  double seconds_ = 0;
};

// Times from opening the window to its being up and painted into the
// iteration (real) and cpu (the process's CPU time); open must show the
// window modally. With then, the window once up is changed by then, and
// that is what is timed instead.
void TimeFirstShow(benchmark::State& state, CpuCounter& cpu, const std::function<void()>& open,
                   const std::function<void()>& then = {}) {
  auto start = std::chrono::steady_clock::now();
  double cpuStart = ProcessCpuSeconds();
  QTimer::singleShot(0, qApp, [&] {
    QApplication::processEvents();
    if (then) {
      start = std::chrono::steady_clock::now();
      cpuStart = ProcessCpuSeconds();
      then();
      QApplication::processEvents();
    }
    state.SetIterationTime(
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
    cpu.Add(ProcessCpuSeconds() - cpuStart);
    if (auto* window = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
      window->done(QDialog::Accepted);
    }
  });
  open();
}

void BM_LogWindowFirstShow(benchmark::State& state) {
  CpuCounter cpu(state);
  for (auto _ : state) {
    orv::TSU window(*program->database, program->dataSet, *program->windowHost, program->dialogs);
    TimeFirstShow(state, cpu, [&] {
      orv::OpenLogWindow(window, program->settings.lookOtherUsersPasLev, program->dialogs);
    });
    state.counters["rows"] = program->dataSet.RowCount();
  }
}
BENCHMARK(BM_LogWindowFirstShow)->UseManualTime()->Iterations(5)->Unit(benchmark::kMillisecond);

// A teacher's largest form, every user's rows of any day (1,000,000), from
// Update to the first screen; with argument 1 every row is fetched as well,
// as the window did before it fetched by blocks.
void BM_LogWindowAllUsersAnyDay(benchmark::State& state) {
  CpuCounter cpu(state);
  for (auto _ : state) {
    orv::TSU window(*program->database, program->dataSet, *program->windowHost, program->dialogs);
    TimeFirstShow(
        state, cpu,
        [&] {
          orv::OpenLogWindow(window, program->settings.lookOtherUsersPasLev, program->dialogs);
        },
        [&] {
          window.findChild<QRadioButton*>("ShowAllUser")->setChecked(true);
          window.findChild<QCheckBox*>("ShowRightWords")->setChecked(true);
          window.findChild<orv::TDateTimePicker*>("FromDate")->SetChecked(false);
          window.ShowSql();
          window.findChild<QPushButton*>("updateBtn")->click();
          if (state.range(0) == 1) window.findChild<orv::TDBGrid*>("DBGrid1")->Last();
        });
    state.counters["rows"] = program->dataSet.RowCount();
  }
}
BENCHMARK(BM_LogWindowAllUsersAnyDay)
    ->Arg(0)
    ->Arg(1)
    ->UseManualTime()
    ->Iterations(3)
    ->Unit(benchmark::kMillisecond);

void BM_WrongWordWindowFirstShow(benchmark::State& state) {
  CpuCounter cpu(state);
  for (auto _ : state) {
    orv::DataSet own;
    orv::TSU1 window(*program->database, own, *program->windowHost, program->dialogs);
    TimeFirstShow(state, cpu, [&] {
      orv::OpenLogWindow(window, program->settings.MakeWrongWordFileForOthers, program->dialogs);
    });
    state.counters["rows"] = own.RowCount();
  }
}
BENCHMARK(BM_WrongWordWindowFirstShow)
    ->UseManualTime()
    ->Iterations(5)
    ->Unit(benchmark::kMillisecond);

void BM_ScoreWindowFirstShow(benchmark::State& state) {
  CpuCounter cpu(state);
  for (auto _ : state) {
    orv::TSF2 window(*program->database, program->dataSet, *program->windowHost, program->dialogs);
    window.SetMarkedGroup(4007);
    TimeFirstShow(state, cpu, [&] { window.exec(); });
    state.counters["rows"] = program->dataSet.RowCount();
  }
}
BENCHMARK(BM_ScoreWindowFirstShow)->UseManualTime()->Iterations(5)->Unit(benchmark::kMillisecond);

// Every list's scores (100,000), from unchecking "Current file only" to the
// first screen; with argument 1 every row is fetched as well, as before.
void BM_ScoreWindowAllLists(benchmark::State& state) {
  CpuCounter cpu(state);
  for (auto _ : state) {
    orv::TSF2 window(*program->database, program->dataSet, *program->windowHost, program->dialogs);
    TimeFirstShow(
        state, cpu, [&] { window.exec(); },
        [&] {
          window.findChild<QCheckBox*>("CheckBox1")->click();
          if (state.range(0) == 1) program->dataSet.FetchAll();
        });
    state.counters["rows"] = program->dataSet.RowCount();
  }
}
BENCHMARK(BM_ScoreWindowAllLists)
    ->Arg(0)
    ->Arg(1)
    ->UseManualTime()
    ->Iterations(3)
    ->Unit(benchmark::kMillisecond);

// Every list's scores (100,000) in each of the window's orders, from the
// statement to its first block of rows, no window: argument 0 the order,
// argument 1 what the rows are read from, 0 the score view (its day and
// percentage stored, ordered by their indexes), 1 (the reference) the same
// statement over the view's expressions as they were before the columns
// were stored, computed per row.
void BM_ScoreFormFirstScreen(benchmark::State& state) {
  const auto order = static_cast<std::uint16_t>(state.range(0));
  std::string sql = orv::BuildScoreSql(order, "", "", {false, false});
  if (state.range(1) == 1) {
    const std::string view = "from score_tab";
    sql.replace(sql.find(view), view.size(),
                "from (select name, case when word_count = 0 then 0 else score * 100 / "
                "word_count end percent1, score || '/' || word_count ratio, date1, time1, "
                "max_help, help_total, log_group, file1, dmy_date(date1) sort_date from score) "
                "score_tab");
  }
  const QSqlDatabase db = program->database->Database();
  for (auto _ : state) {
    orv::DataSet rows;
    rows.Open(db, sql);
    state.counters["rows"] = rows.RowCount();
  }
}
BENCHMARK(BM_ScoreFormFirstScreen)
    ->ArgsProduct({{orv::kByPercent, orv::kByDate, orv::kByName}, {0, 1}})
    ->MeasureProcessCPUTime()
    ->UseRealTime()
    ->Iterations(5)
    ->Unit(benchmark::kMillisecond);

void BM_SoundWindowFirstShow(benchmark::State& state) {
  CpuCounter cpu(state);
  for (auto _ : state) {
    orv::TSoundsForm window(*program->soundDatabase, program->dataSet, *program->sounds,
                            *program->windowHost, program->dialogs);
    TimeFirstShow(state, cpu, [&] { window.ShowModal(); });
    state.counters["rows"] = program->dataSet.RowCount();
  }
}
BENCHMARK(BM_SoundWindowFirstShow)->UseManualTime()->Iterations(5)->Unit(benchmark::kMillisecond);

void BM_ProgressWindowFirstShow(benchmark::State& state) {
  CpuCounter cpu(state);
  for (auto _ : state) {
    orv::TProgressForm window(*program->database, program->dialogs);
    TimeFirstShow(state, cpu, [&] {
      window.ShowFor({"user17", false});
      window.exec();
    });
    state.counters["rows"] = window.findChild<QTableView*>("TestsGrid")->model()->rowCount();
  }
}
BENCHMARK(BM_ProgressWindowFirstShow)
    ->UseManualTime()
    ->Iterations(5)
    ->Unit(benchmark::kMillisecond);

// Argument 0: the large database's 200 learners and 100,000 tests; 1: the
// school's 2,000 learners and 1,000,000 tests.
orv::ScoreDatabase& OverviewDatabase(const benchmark::State& state) {
  return state.range(0) == 0 ? *program->database : *program->schoolDatabase;
}

void BM_ClassOverviewFirstShow(benchmark::State& state) {
  CpuCounter cpu(state);
  for (auto _ : state) {
    orv::TProgressForm progress(OverviewDatabase(state), program->dialogs);
    orv::TClassOverviewForm window(OverviewDatabase(state), progress, program->dialogs);
    TimeFirstShow(state, cpu, [&] {
      window.ShowFor({"user17", true}, {});
      window.exec();
    });
    state.counters["rows"] = window.Model().rowCount();
  }
}
BENCHMARK(BM_ClassOverviewFirstShow)
    ->Arg(0)
    ->Arg(1)
    ->UseManualTime()
    ->Iterations(5)
    ->Unit(benchmark::kMillisecond);

// The overview's rows from its own reading of the tests, and (the
// reference) from ReadTests as the overview read them before, in the same
// run; CPU time of the process, no window.
void BM_ClassOverviewRows(benchmark::State& state) {
  const QSqlDatabase db = OverviewDatabase(state).Database();
  std::size_t rows = 0;
  for (auto _ : state) rows = orv::ClassOverview(orv::ReadOverviewTests(db, "", {})).size();
  state.counters["rows"] = static_cast<double>(rows);
}
BENCHMARK(BM_ClassOverviewRows)
    ->Arg(0)
    ->Arg(1)
    ->MeasureProcessCPUTime()
    ->Iterations(3)
    ->Unit(benchmark::kMillisecond);

void BM_ClassOverviewRowsThroughReadTests(benchmark::State& state) {
  const QSqlDatabase db = OverviewDatabase(state).Database();
  std::size_t rows = 0;
  for (auto _ : state) {
    std::map<std::pair<std::string, std::string>, std::vector<int>> lists;
    for (const orv::TestResult& t : orv::ReadTests(db, "", {})) {
      lists[{t.name, t.list}].push_back(t.percent);
    }
    std::vector<orv::ListTests> tests;
    for (auto& [key, percents] : lists) tests.push_back({key.first, key.second, percents});
    rows = orv::ClassOverview(std::move(tests)).size();
  }
  state.counters["rows"] = static_cast<double>(rows);
}
BENCHMARK(BM_ClassOverviewRowsThroughReadTests)
    ->Arg(0)
    ->Arg(1)
    ->MeasureProcessCPUTime()
    ->Iterations(3)
    ->Unit(benchmark::kMillisecond);

// A school of 2,000 learners, 1,000,000 tests over the last year and 200
// review items each, made once; its page writes left to the system, as the
// large database's.
std::string SchoolDatabase() {
  const std::string school = orv::bench::KeptDir() + "large-school.gdb";
  if (std::filesystem::exists(school)) return school;
  const std::string building = orv::bench::KeptDir() + "large-school-building.gdb";
  std::filesystem::remove(building);
  orv::CreateScoreDatabase(building, orv::DbAccount{});
  const std::string async =
      "gfix -write async -user " + std::string(orv::kDbUser) + " '" + building + "'";
  if (std::system(async.c_str()) != 0) std::cerr << "could not run " << async << "\n";
  orv::RegWriteString(program->paths, orv::kOrvKey, "scoreDB", building);
  {
    orv::ScoreDatabase db(program->dialogs, *program->host);
    std::cerr << "building the school's database in " << building << " ...\n";
    db.RunAndCommit(
        "execute block as declare i integer = 0; declare d date; begin while (i < 1000000) do "
        "begin d = current_date - mod(i / 2000, 365); insert into score (name, date1, time1, "
        "file1, max_help, help_total, word_count, score, log_group) values ('user' || mod(:i, "
        "2000), lpad(extract(day from :d), 2, '0') || '/' || lpad(extract(month from :d), 2, "
        "'0') || '/' || extract(year from :d), lpad(mod(:i, 24), 2, '0') || ':30:00', "
        "'bench.orv\\WORDS' || mod(:i, 50) || '.SCO', mod(:i, 4), mod(:i, 9), 10, mod(:i, 11), "
        ":i); i = i + 1; end end");
    db.RunAndCommit(
        "execute block as declare i integer = 0; declare d date; begin while (i < 400000) do "
        "begin d = current_date - 30 + mod(i / 2000, 60); insert into review_box (name, file1, "
        "item, box, due_day, last_day, asked, missed) values ('user' || mod(:i, 2000), "
        "'bench.orv\\WORDS' || mod(:i, 50), 'word' || (:i / 2000), mod(:i, 5) + 1, :d, :d - 1, "
        "3, 1); i = i + 1; end end");
  }
  std::filesystem::rename(building, school);
  return school;
}

// A copy of the large database with 300 short recordings, made once.
std::string SoundDatabase(const std::string& large, const std::string& home) {
  const std::string copy = orv::bench::KeptDir() + "large-sounds.gdb";
  if (std::filesystem::exists(copy)) return copy;
  const std::string building = orv::bench::KeptDir() + "large-sounds-building.gdb";
  std::filesystem::copy_file(large, building, std::filesystem::copy_options::overwrite_existing);
  orv::RegWriteString(program->paths, orv::kOrvKey, "scoreDB", building);
  {
    orv::ScoreDatabase db(program->dialogs, *program->host);
    orv::SoundStore store(db, program->dialogs);
    const std::string wav = home + "tone.wav";
    const std::string make = "sox -n -r 8000 -c 1 -b 16 '" + wav + "' synth 0.5 sine 440";
    if (std::system(make.c_str()) != 0) {
      std::cerr << "sox failed\n";
      std::exit(1);
    }
    for (int i = 0; i < 300; ++i) {
      const std::string word = home + "word" + std::to_string(i) + ".wav";
      std::filesystem::copy_file(wav, word, std::filesystem::copy_options::overwrite_existing);
      if (!store.WriteWord(word)) {
        std::cerr << "storing " << word << " failed\n";
        std::exit(1);
      }
    }
  }
  std::filesystem::rename(building, copy);
  return copy;
}

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;

  // The engine root bench_database uses, so both programs share its locks.
  orv::PrepareEngine(orv::bench::KeptDir(), "");
  const std::string large = orv::bench::KeptDir() + "large-scores.gdb";
  if (!std::filesystem::exists(large)) {
    std::cerr << large << " is missing: run bench_database first, which builds it\n";
    return 1;
  }
  const std::string home = orv::bench::KeptDir() + "windows/";
  std::filesystem::create_directories(home);
  program = std::make_unique<Program>();
  orv::SetProgramDirectory(program->paths, home);
  // user17 is one of the 200 users who answered on every day of the last year.
  orv::WriteFileSafely(home + "KVXS1.KVX",
                       "user17:" + orv::CryptPassword("pw", "Us") + ":1:255\r\n");
  program->users = std::make_unique<orv::PasswordO>(home, "KVXS1.KVX", program->dialogs);
  if (program->users->Login() != 255) return 1;
  program->host = std::make_unique<orv::ProgramScoreDbHost>(
      orv::DbAccount{}, program->paths, program->settings, program->users.get());
  program->windowHost = std::make_unique<orv::ProgramScoreWindowHost>(
      orv::ProgramState{program->settings, program->paths, *program->users});
  program->settings.CurrentDir = "bench.orv\\";
  program->settings.CurrentFile = "WORDS7.orv";

  const std::string sounds = SoundDatabase(large, home);
  const std::string school = SchoolDatabase();
  // Each connection is made while the program's setting names its file: a
  // database connects to the file named when it first connects.
  auto connect = [](const std::string& path) {
    orv::RegWriteString(program->paths, orv::kOrvKey, "scoreDB", path);
    auto db = std::make_unique<orv::ScoreDatabase>(program->dialogs, *program->host);
    if (!db->ConectDB()) std::exit(1);
    return db;
  };
  program->database = connect(large);
  program->schoolDatabase = connect(school);
  program->soundDatabase = connect(sounds);
  program->sounds = std::make_unique<orv::SoundStore>(*program->soundDatabase, program->dialogs);

  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  program.reset();
  return 0;
}
