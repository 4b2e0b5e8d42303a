#pragma once
// The test session: prepares the current list, asks its questions until each
// is answered right, counts the help used, logs the answers and records the
// score.
#include <cstdint>
#include <string>

#include "base/dialogs.h"
#include "lists/compilesettings.h"
#include "session/ports.h"
#include "session/reviewplan.h"

namespace orv {

class TestSession {
 public:
  // Each list is compiled with compile, which leaves the script mode the
  // compiled view starts with.
  TestSession(SessionWindows& windows, SessionSounds& sounds, ScoreLog& log, Dialogs& dialogs,
              CompileSettings& compile)
      : windows_(windows), sounds_(sounds), log_(log), dialogs_(dialogs), compile_(compile) {}

  // Runs one whole test on the list for the user. Every outcome is shown to
  // the user. Does nothing while a test is already running.
  void RunTest(const std::string& listPath, const std::string& userName,
               const SessionSettings& settings);
  // Runs a review: the plan's questions in their order, asked, logged and
  // scored as a list's are, under the review's list name; no position file.
  void RunReview(const ReviewPlan& plan, const std::string& userName,
                 const SessionSettings& settings);

 private:
  SessionWindows& windows_;
  SessionSounds& sounds_;
  ScoreLog& log_;
  Dialogs& dialogs_;
  CompileSettings& compile_;
};

// The answer window's progress line.
std::string ProgressText(std::int32_t questions, std::int32_t wrongs, std::int32_t question);

// How long a word is flashed: 75 ms a character and 500 ms more, at the per
// cent of that time the learner's options ask for.
std::uint16_t WordShowTime(const std::string& word, std::int32_t percent);

}  // namespace orv
