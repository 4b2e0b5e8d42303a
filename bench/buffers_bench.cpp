// The line buffer at its largest: 65,535 lines of word-list-like text read from
// a file, walked in order and at random, sorted both ways and written back.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <filesystem>
#include <numeric>
#include <random>
#include <stdexcept>
#include <string>
#include <vector>

#include "bench_dirs.h"
#include "lists/buffers.h"

namespace orv {
namespace {

const bench::ScratchDir& Dir() {
  static const bench::ScratchDir dir;
  return dir;
}

// Lines such as "kqzwe 4821|-317" in a fixed pseudo-random order.
const BufferO& FullBuffer() {
  static const BufferO buffer = [] {
    std::mt19937 rng(20240607);
    std::uniform_int_distribution<int> letter('a', 'z');
    std::uniform_int_distribution<int> length(3, 12);
    std::uniform_int_distribution<int> number(-100000, 100000);
    BufferO b;
    for (std::uint32_t i = 0; i < BufferO::kMaxLines; ++i) {
      std::string line;
      for (int n = length(rng); n > 0; --n) line += static_cast<char>(letter(rng));
      line += ' ' + std::to_string(number(rng)) + '|' + std::to_string(number(rng));
      b.Add(line);
    }
    return b;
  }();
  return buffer;
}

const std::string& SavedFile() {
  static const std::string path = [] {
    std::string p = Dir().Str() + "full.orv";
    if (SaveToFile(FullBuffer(), p) != 0) throw std::runtime_error("cannot write " + p);
    return p;
  }();
  return path;
}

void BM_LoadFromFile(benchmark::State& state) {
  const std::string& path = SavedFile();
  for (auto _ : state) {
    BufferO b;
    if (LoadFromFile(b, path) != 0 || b.Count() != BufferO::kMaxLines) {
      state.SkipWithError("load failed");
      break;
    }
    benchmark::DoNotOptimize(b);
  }
}

void BM_GetInOrder(benchmark::State& state) {
  const BufferO& b = FullBuffer();
  for (auto _ : state) {
    std::size_t total = 0;
    for (LineNo i : LineNumbers(b.Count())) total += b.Get(i).size();
    benchmark::DoNotOptimize(total);
  }
}

void BM_GetRandomOrder(benchmark::State& state) {
  const BufferO& b = FullBuffer();
  std::vector<LineNo> order(b.Count());
  std::iota(order.begin(), order.end(), LineNo{1});
  std::shuffle(order.begin(), order.end(), std::mt19937(7));
  for (auto _ : state) {
    std::size_t total = 0;
    for (LineNo i : order) total += b.Get(i).size();
    benchmark::DoNotOptimize(total);
  }
}

template <void (BufferO::*sort)()>
void BM_SortFull(benchmark::State& state) {
  for (auto _ : state) {
    state.PauseTiming();
    BufferO b = FullBuffer();
    state.ResumeTiming();
    (b.*sort)();
    benchmark::DoNotOptimize(b);
  }
}

void BM_SaveToFile(benchmark::State& state) {
  const BufferO& b = FullBuffer();
  const std::string path = Dir().Str() + "saved.orv";
  for (auto _ : state) {
    if (SaveToFile(b, path) != 0) {
      state.SkipWithError("save failed");
      break;
    }
  }
}

BENCHMARK(BM_LoadFromFile)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_GetInOrder)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_GetRandomOrder)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SortFull<&BufferO::Sort>)->Name("BM_Sort")->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SortFull<&BufferO::SortByNumber>)
    ->Name("BM_SortByNumber")
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SaveToFile)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace orv

BENCHMARK_MAIN();
