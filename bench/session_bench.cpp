// Starting a test on a list at the line buffer's limit: 65,535 lines loaded,
// cleaned (and saved back), compiled, sorted, a shuffled position file made
// and read, the first word asked; the learner then ends the test at once.
#include <benchmark/benchmark.h>

#include <string>

#include "session_fixtures.h"

namespace orv {
namespace {

void BM_StartTest(benchmark::State& state) {
  bench::TestBench bench;
  const std::string text = bench::ListText();
  for (auto _ : state) {
    state.PauseTiming();
    bench.WriteList(text);
    state.ResumeTiming();
    bench.RunTest();
  }
  if (bench.learner.words != 1) state.SkipWithError("the test did not reach its first word");
}
BENCHMARK(BM_StartTest)->Unit(benchmark::kMillisecond)->Iterations(10);

}  // namespace
}  // namespace orv

BENCHMARK_MAIN();
