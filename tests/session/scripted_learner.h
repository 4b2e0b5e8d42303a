#pragma once
// A learner who takes a test from a script: each reading of an answer takes
// the next scripted answer, pressing ReShow and Replay as scripted first.
// Everything the session shows in its windows is recorded in order.
#include <gtest/gtest.h>

#include <cstdint>
#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "base/numbertext.h"
#include "base/platform.h"
#include "base/strings.h"
#include "files/dos.h"
#include "session/ports.h"

namespace orv::test {

struct Answer {
  std::string typed;
  int reshows = 0;
  int replays = 0;
  bool closes = false;  // the learner closes the window instead of answering
};

struct TimedShown {
  std::string caption;
  std::string text;
  Rgb colour;
  std::uint16_t showMs;
  std::uint16_t extraMs;
};

struct Reading {
  std::string window;  // "word" or "math"
  std::string progress;
  std::string preset;  // word window: the preset; math window: the prompt
  std::string decimals;
  bool reshowEnabled = false;
};

class ScriptedLearner : public SessionWindows {
 public:
  // The answers, taken front first; Say adds one.
  ScriptedLearner& Say(std::string typed, int reshows = 0, int replays = 0) {
    answers.push_back({std::move(typed), reshows, replays});
    return *this;
  }
  // The learner closes the answer window (its close box, Esc or Stop).
  ScriptedLearner& Closes() {
    answers.push_back({"", 0, 0, true});
    return *this;
  }

  void ShowTimedMessage(const std::string& caption, const std::string& text, Rgb colour,
                        std::uint16_t showMs, std::uint16_t extraMs) override {
    timed.push_back({caption, text, colour, showMs, extraMs});
    Note("timed " + text);
  }

  std::optional<std::string> AskWord(const std::string& progress, const std::string& preset,
                                     bool reshowEnabled, AnswerButtons& buttons) override {
    readings.push_back({"word", progress, preset, "", reshowEnabled});
    Note("ask word");
    if (beforeAnswer) beforeAnswer();
    Answer answer = Next();
    for (int i = 0; i < answer.reshows; ++i) buttons.ReShow();
    for (int i = 0; i < answer.replays; ++i) buttons.Replay();
    return Typed(answer);
  }

  std::optional<std::string> AskMath(const std::string& prompt, const std::string& decimalPlaces,
                                     const std::string& progress) override {
    readings.push_back({"math", progress, prompt, decimalPlaces, false});
    Note("ask math " + prompt);
    if (beforeAnswer) beforeAnswer();
    return Typed(Next());
  }

  void ShowWrongAnswer(const std::string& typed, const std::string& expected) override {
    Note("wrong " + typed + " for " + expected);
  }

  // The real pause: the tests put an instant clock in place.
  void BeepWait(std::uint16_t unused, std::uint16_t ms) override {
    Note("beep wait " + IntText(ms));
    orv::BeepWait(unused, ms);
  }

  void ShowScores(std::int32_t markedGroup, const std::string& kindWord) override {
    scoreWindows.push_back(markedGroup);
    kindWords.push_back(kindWord);
    Note("scores");
  }

  bool ProgramEnding() override { return QuitRequested(); }

  // The words flashed for the learner to type, in order.
  std::vector<std::string> WordsShown() const {
    std::vector<std::string> words;
    for (const auto& t : timed) {
      if (t.caption == "Word to enter") words.push_back(t.text);
    }
    return words;
  }

  std::deque<Answer> answers;
  std::function<void()> beforeAnswer;
  // The program is told to end (as Quit tells it) right after this event.
  std::string endsAfter;

  std::vector<std::string> events;
  std::vector<TimedShown> timed;
  std::vector<Reading> readings;
  std::vector<std::int32_t> scoreWindows;
  std::vector<std::string> kindWords;  // the line of each score window

 private:
  void Note(std::string event) {
    events.push_back(std::move(event));
    if (events.back() == endsAfter) RequestQuit();
  }

  static std::optional<std::string> Typed(const Answer& answer) {
    if (answer.closes) return std::nullopt;
    return answer.typed;
  }

  // A script that runs out ends the test the way a learner can.
  Answer Next() {
    if (answers.empty()) {
      ADD_FAILURE() << "the learner was asked more often than scripted";
      return {"exit"};
    }
    Answer answer = answers.front();
    answers.pop_front();
    return answer;
  }
};

}  // namespace orv::test
