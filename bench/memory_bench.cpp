// The memory a test takes on a list at the line buffer's limit: the peak
// resident size while the test starts and ends, above the size of the
// program idle with the list written (getrusage). The peak of a process only
// rises, so run one benchmark per process:
//   bench_memory --benchmark_filter=Words   (65,535 different words)
//   bench_memory --benchmark_filter=Sums    (one line making 65,535 questions)
#include <benchmark/benchmark.h>
#include <sys/resource.h>

#include <string>

#include "session_fixtures.h"

namespace orv {
namespace {

long PeakKilobytes() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  return usage.ru_maxrss;
}

void PeakOfOneTest(benchmark::State& state, const std::string& text) {
  bench::TestBench bench;
  bench.WriteList(text);
  const long idle = PeakKilobytes();
  for (auto _ : state) bench.RunTest();
  if (bench.learner.words != 1) state.SkipWithError("the test did not reach its first word");
  state.counters["peak_MB_above_idle"] = static_cast<double>(PeakKilobytes() - idle) / 1024.0;
  state.counters["idle_MB"] = static_cast<double>(idle) / 1024.0;
}

void BM_PeakOfTestWords(benchmark::State& state) {
  PeakOfOneTest(state, bench::ListText());
}
BENCHMARK(BM_PeakOfTestWords)->Iterations(1)->Unit(benchmark::kMillisecond);

void BM_PeakOfTestSums(benchmark::State& state) {
  PeakOfOneTest(state, "$script\r\n$#1to255x#1to257\r\n");
}
BENCHMARK(BM_PeakOfTestSums)->Iterations(1)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace orv

BENCHMARK_MAIN();
