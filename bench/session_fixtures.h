#pragma once
// What the benchmarks of a test need around a session: a list at the line
// buffer's limit, dialogs that show nothing and a learner who ends the test
// at its first word (header only: each benchmark is one program built from
// one file).
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <optional>
#include <random>
#include <string>
#include <utility>

#include "base/dialogs.h"
#include "bench_dirs.h"
#include "lists/buffers.h"
#include "session/ports.h"
#include "session/session.h"

namespace orv::bench {

// 65,535 different words in random order; every seventh has a trailing blank
// so the list is cleaned and saved back on every start.
inline std::string ListText() {
  std::mt19937 rng(31337);
  std::uniform_int_distribution<int> letter('a', 'z');
  std::string text;
  for (std::uint32_t i = 0; i < BufferO::kMaxLines; ++i) {
    std::string word;
    for (int n = 0; n < 5; ++n) word += static_cast<char>(letter(rng));
    word += std::to_string(i);
    if (i % 7 == 0) word += ' ';
    text += word + "\r\n";
  }
  return text;
}

class SilentDialogs : public Dialogs {
 public:
  MsgAnswer Message(MsgKind, const std::string&, MsgButtons) override { return MsgAnswer::Ok; }
  std::optional<std::string> Input(const std::string&, const std::string&,
                                   const std::string&) override {
    return std::nullopt;
  }
  LoginEntry AskLogin() override { return {}; }
  std::optional<std::pair<std::string, std::string>> AskNewPasswordTwice() override { return {}; }
  FileDialogResult OpenFile(const FileDialogRequest&) override { return {}; }
};

// Ends every test at its first word; the score is not kept.
class QuittingLearner : public SessionWindows, public SessionSounds, public ScoreLog {
 public:
  void ShowTimedMessage(const std::string&, const std::string&, Rgb, std::uint16_t,
                        std::uint16_t) override {}
  std::optional<std::string> AskWord(const std::string&, const std::string& preset, bool,
                                     AnswerButtons&) override {
    return preset.empty() ? "exit" : preset;
  }
  std::optional<std::string> AskMath(const std::string&, const std::string&,
                                     const std::string&) override {
    return "exit";
  }
  void ShowWrongAnswer(const std::string&, const std::string&) override {}
  void BeepWait(std::uint16_t, std::uint16_t) override {}
  void ShowScores(std::int32_t, const std::string&) override {}
  bool ProgramEnding() override { return false; }
  bool WavForWord(const std::string&) override { return false; }
  void PlayWord(const std::string&) override {}
  // Silent, so that speech does not enter the figures of preparing a test.
  bool Speak(const std::string&, const std::string&) override { return false; }
  void PlayRightSound() override {}
  std::int32_t NextLogGroup() override { return 1; }
  void LogWord(const std::string&, const std::string&, const std::string&, const std::string&,
               std::int32_t, std::uint16_t) override {}
  void LogScore(const std::string&, const scoreR& result, std::int32_t,
                const ReviewAnswers&) override {
    words = result.word_count;
  }
  std::optional<PastScore> LastScore(const std::string&, const std::string&) override {
    return std::nullopt;
  }
  bool MissedBefore(const std::string&, const std::string&, std::int32_t) override { return false; }
  std::uint16_t words = 0;
};

// A program folder with a list in it, and a learner who starts a whole-list
// test in random order on it.
struct TestBench {
  TestBench() {
    std::filesystem::create_directories(dir.Str() + "orv.orv");
    settings.programDir = dir.Str();
    settings.inOrder = false;
    settings.wholeFile = true;
  }
  void WriteList(const std::string& text) const { std::ofstream(list, std::ios::binary) << text; }
  void RunTest() { session.RunTest(list, "ann", settings); }

  ScratchDir dir;
  const std::string list = dir.Str() + "orv.orv/BIG.ORV";
  SessionSettings settings;
  SilentDialogs dialogs;
  QuittingLearner learner;
  CompileSettings compile;
  TestSession session{learner, learner, learner, dialogs, compile};
};

}  // namespace orv::bench
