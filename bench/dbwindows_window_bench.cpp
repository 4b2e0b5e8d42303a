// The first show of each database window (and of the progress window and
// the class overview) over the large score database
// that bench_database builds (1,000,000 log rows, 100,000 score rows of 200
// users; $ORV_BENCH_DIR, default the temporary folder's orv-bench): from the
// command that opens the window until the window is up and painted, with its
// query run and the rows it shows fetched. The time is real time; the
// counter cpu_ms is the CPU time of the whole process over the same span
// (the embedded engine works in the process), which other programs on the
// machine disturb less. The sound window is measured over a copy
// of that database holding 300 recorded words.
#include <benchmark/benchmark.h>
#include <time.h>

#include <QApplication>
#include <QTableView>
#include <QTimer>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <iostream>
#include <memory>

#include "app/getuser.h"
#include "app/programhost.h"
#include "app/programpaths.h"
#include "app/qtdialogs_window.h"
#include "app/registry.h"
#include "app/scorewindowhost.h"
#include "app/startupfile.h"
#include "bench_dirs.h"
#include "files/filelayer.h"
#include "progress/classoverview_window.h"
#include "progress/progress_window.h"
#include "scores/dataset.h"
#include "scores/firebird/engineroot.h"
#include "scores/logquery_window.h"
#include "scores/score_window.h"
#include "scores/scoredatabase.h"
#include "scores/sound/soundstore.h"
#include "scores/sounds_window.h"
#include "scores/wrongword_window.h"
#include "users/crypt.h"
#include "users/password.h"

namespace {

// The program's dialogs, with user17 answering the log-in.
struct BenchDialogs : orv::QtDialogs {
  orv::LoginEntry AskLogin() override { return {"user17", "pw"}; }
};

// Connected to its database once the program is set up; the sound window's
// database is a connection of its own.
struct Program {
  BenchDialogs dialogs;
  orv::ProgramScoreDbHost host;
  // Made once the program's users are there.
  std::unique_ptr<orv::ProgramScoreWindowHost> windowHost;
  std::unique_ptr<orv::ScoreDatabase> database;
  std::unique_ptr<orv::ScoreDatabase> soundDatabase;
  std::unique_ptr<orv::SoundStore> sounds;
  orv::DataSet dataSet;
};

std::unique_ptr<Program> program;

double ProcessCpuSeconds() {
  timespec t{};
  clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
  return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) * 1e-9;
}

// Times from opening the window to its being up and painted into the
// iteration (real) and the counter cpu_ms (the process's CPU time, averaged
// over the iterations); open must show the window modally.
void TimeFirstShow(benchmark::State& state, const std::function<void()>& open) {
  const auto start = std::chrono::steady_clock::now();
  const double cpuStart = ProcessCpuSeconds();
  double seconds = 0;
  double cpu = 0;
  QTimer::singleShot(0, qApp, [&] {
    QApplication::processEvents();
    seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    cpu = ProcessCpuSeconds() - cpuStart;
    if (auto* window = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
      window->done(QDialog::Accepted);
    }
  });
  open();
  state.SetIterationTime(seconds);
  state.counters["cpu_ms"] = benchmark::Counter(cpu * 1000, benchmark::Counter::kAvgIterations);
}

void BM_LogWindowFirstShow(benchmark::State& state) {
  for (auto _ : state) {
    orv::TSU window(*program->database, program->dataSet, *program->windowHost, program->dialogs);
    TimeFirstShow(state, [&] {
      orv::OpenLogWindow(window, orv::Settings().lookOtherUsersPasLev, program->dialogs);
    });
    state.counters["rows"] = program->dataSet.RowCount();
  }
}
BENCHMARK(BM_LogWindowFirstShow)->UseManualTime()->Iterations(5)->Unit(benchmark::kMillisecond);

void BM_WrongWordWindowFirstShow(benchmark::State& state) {
  for (auto _ : state) {
    orv::DataSet own;
    orv::TSU1 window(*program->database, own, *program->windowHost, program->dialogs);
    TimeFirstShow(state, [&] {
      orv::OpenLogWindow(window, orv::Settings().MakeWrongWordFileForOthers, program->dialogs);
    });
    state.counters["rows"] = own.RowCount();
  }
}
BENCHMARK(BM_WrongWordWindowFirstShow)
    ->UseManualTime()
    ->Iterations(5)
    ->Unit(benchmark::kMillisecond);

void BM_ScoreWindowFirstShow(benchmark::State& state) {
  for (auto _ : state) {
    orv::TSF2 window(*program->database, program->dataSet, *program->windowHost, program->dialogs);
    window.SetMarkedGroup(4007);
    TimeFirstShow(state, [&] { window.exec(); });
    state.counters["rows"] = program->dataSet.RowCount();
  }
}
BENCHMARK(BM_ScoreWindowFirstShow)->UseManualTime()->Iterations(5)->Unit(benchmark::kMillisecond);

void BM_SoundWindowFirstShow(benchmark::State& state) {
  for (auto _ : state) {
    orv::TSoundsForm window(*program->soundDatabase, program->dataSet, *program->sounds,
                            *program->windowHost, program->dialogs);
    TimeFirstShow(state, [&] { window.ShowModal(); });
    state.counters["rows"] = program->dataSet.RowCount();
  }
}
BENCHMARK(BM_SoundWindowFirstShow)->UseManualTime()->Iterations(5)->Unit(benchmark::kMillisecond);

void BM_ProgressWindowFirstShow(benchmark::State& state) {
  for (auto _ : state) {
    orv::TProgressForm window(*program->database, program->dialogs);
    TimeFirstShow(state, [&] {
      window.ShowFor({"user17", false});
      window.exec();
    });
    state.counters["rows"] = window.TestsGrid->model()->rowCount();
  }
}
BENCHMARK(BM_ProgressWindowFirstShow)
    ->UseManualTime()
    ->Iterations(5)
    ->Unit(benchmark::kMillisecond);

void BM_ClassOverviewFirstShow(benchmark::State& state) {
  for (auto _ : state) {
    orv::TProgressForm progress(*program->database, program->dialogs);
    orv::TClassOverviewForm window(*program->database, progress, program->dialogs);
    TimeFirstShow(state, [&] {
      window.ShowFor({"user17", true}, {});
      window.exec();
    });
    state.counters["rows"] = window.Model().rowCount();
  }
}
BENCHMARK(BM_ClassOverviewFirstShow)->UseManualTime()->Iterations(5)->Unit(benchmark::kMillisecond);

// A copy of the large database with 300 short recordings, made once.
std::string SoundDatabase(const std::string& large, const std::string& home) {
  const std::string copy = orv::bench::KeptDir() + "large-sounds.gdb";
  if (std::filesystem::exists(copy)) return copy;
  const std::string building = orv::bench::KeptDir() + "large-sounds-building.gdb";
  std::filesystem::copy_file(large, building, std::filesystem::copy_options::overwrite_existing);
  orv::RegWriteString(orv::kOrvKey, "scoreDB", building);
  {
    orv::ScoreDatabase db(program->dialogs, program->host);
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
  orv::SetProgramDirectory(home);
  program = std::make_unique<Program>();
  // user17 is one of the 200 users who answered on every day of the last year.
  orv::WriteFileSafely(home + "KVXS1.KVX",
                       "user17:" + orv::CryptPassword("pw", "Us") + ":1:255\r\n");
  orv::SetUsers(std::make_unique<orv::PasswordO>(home, "KVXS1.KVX", program->dialogs));
  if (orv::Users().Login() != 255) return 1;
  program->windowHost = std::make_unique<orv::ProgramScoreWindowHost>(orv::Users());
  orv::Settings().CurrentDir = "bench.orv\\";
  orv::Settings().CurrentFile = "WORDS7.orv";

  const std::string sounds = SoundDatabase(large, home);
  orv::RegWriteString(orv::kOrvKey, "scoreDB", large);
  program->database = std::make_unique<orv::ScoreDatabase>(program->dialogs, program->host);
  orv::RegWriteString(orv::kOrvKey, "scoreDB", sounds);
  program->soundDatabase = std::make_unique<orv::ScoreDatabase>(program->dialogs, program->host);
  program->sounds = std::make_unique<orv::SoundStore>(*program->soundDatabase, program->dialogs);
  if (!program->database->ConectDB() || !program->soundDatabase->ConectDB()) return 1;

  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  program.reset();
  orv::SetUsers(nullptr);
  return 0;
}
