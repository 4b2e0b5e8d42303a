// Speed of the list compiler at the line buffer's limit: a list whose one
// expression line makes 65,535 questions, compiled and sorted as a test does,
// and the cleaning of a 65,535-line list of which half the lines are repeats.
#include <benchmark/benchmark.h>

#include <string>

#include "base/dialogs.h"
#include "lists/buffers.h"
#include "lists/cleanlist.h"
#include "lists/compile.h"
#include "lists/random.h"

namespace {

// Dialogs that answer without showing anything; the lists below compile
// without errors, so nothing is shown anyway.
class SilentDialogs : public orv::Dialogs {
 public:
  orv::MsgAnswer Message(orv::MsgKind, const std::string&, orv::MsgButtons) override {
    return orv::MsgAnswer::Ok;
  }
  std::optional<std::string> Input(const std::string&, const std::string&,
                                   const std::string&) override {
    return std::nullopt;
  }
  orv::LoginEntry AskLogin() override { return {}; }
  std::optional<std::pair<std::string, std::string>> AskNewPasswordTwice() override { return {}; }
  orv::FileDialogResult OpenFile(const orv::FileDialogRequest&) override { return {}; }
};

void BM_CompileAndSortFullRange(benchmark::State& state) {
  SilentDialogs dialogs;
  for (auto _ : state) {
    orv::BufferO list;
    list.Add("$script");
    list.Add("$#1to255x#1to257");
    if (orv::CompileList(list, dialogs) != 0 || list.Count() != 65535) {
      state.SkipWithError("the list did not compile to 65,535 questions");
      break;
    }
    list.Sort();
    benchmark::DoNotOptimize(list);
  }
}
BENCHMARK(BM_CompileAndSortFullRange)->Unit(benchmark::kMillisecond);

void BM_CompileRandomQuestions(benchmark::State& state) {
  SilentDialogs dialogs;
  orv::SeedRandom(1);
  for (auto _ : state) {
    orv::BufferO list;
    list.Add("$script");
    list.Add("$[rand(1:9)]+rand(10:99)x#1to255+{rand(1:5)x2}x#1to257");
    orv::CompileList(list, dialogs);
    list.Sort();
    benchmark::DoNotOptimize(list);
  }
}
BENCHMARK(BM_CompileRandomQuestions)->Unit(benchmark::kMillisecond);

void BM_CleanHalfRepeats(benchmark::State& state) {
  orv::BufferO source;
  for (int i = 0; i < 65535; ++i) {
    // Every odd line repeats an earlier one; some lines carry blanks to trim.
    const int word = (i % 2 == 0) ? i / 2 : i / 4;
    source.Add((i % 7 == 0 ? " word " : "word ") + std::to_string(word) + (i % 5 == 0 ? "  " : ""));
  }
  for (auto _ : state) {
    state.PauseTiming();
    orv::BufferO list = source;
    state.ResumeTiming();
    orv::CleanList(list, false);
    benchmark::DoNotOptimize(list);
  }
}
BENCHMARK(BM_CleanHalfRepeats)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
