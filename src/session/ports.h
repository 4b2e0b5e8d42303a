#pragma once
// The test session talks to its windows and to the score and sound database
// through these small interfaces, so a whole test can be run by a scripted
// learner and every window can be tested on its own.
#include <cstdint>
#include <optional>
#include <string>

#include "judging/answerpolicy.h"
#include "scores/scorerecord.h"
#include "scores/sound/speech.h"
#include "session/reviewschedule.h"

namespace orv {

// A colour as 0xRRGGBB.
using Rgb = std::uint32_t;
constexpr Rgb kAqua = 0x00FFFF;
constexpr Rgb kLime = 0x00FF00;

// What the caller reads from the current user's settings when a test starts.
struct SessionSettings {
  bool inOrder = false;     // file order instead of random order
  bool wholeFile = true;    // the whole list instead of ten words
  bool reshowWord = false;  // the answer window's ReShow button is enabled
  bool logAll = false;      // right answers are logged too
  std::string currentDir;   // the list's group under the word-list root: empty or ending in "\"
  std::string programDir;   // ends in a separator; the user folders lie under its "User\"

  bool showWord = true;                  // a word that is heard is flashed as well
  bool speakWords = true;                // a word without a stored sound is spoken
  bool speakSums = false;                // so is a question with its own prompt (a sum)
  std::string voice = kDefaultVoice;     // the language of the speaking voice
  AnswerPolicy answerDefaults;           // what answers may be where a list says nothing
  BoxDays reviewDays = kDefaultBoxDays;  // how long each box of the review waits

  std::int32_t flashPercent = 100;  // the word's flash, per cent of its usual time
  bool kindWord = true;             // a line at the end on what went well
  bool rightSound = false;          // a chime after each right answer
};

// The answer window's buttons that act on the question being asked.
class AnswerButtons {
 public:
  // Shows the word again and counts it as help.
  virtual void ReShow() = 0;
  // Plays the prompt's sound again; not help.
  virtual void Replay() = 0;

 protected:
  ~AnswerButtons() = default;
};

class SessionWindows {
 public:
  virtual ~SessionWindows() = default;

  // Flashes a text for showMs, then leaves the emptied window for extraMs;
  // returns when it has closed.
  virtual void ShowTimedMessage(const std::string& caption, const std::string& text, Rgb colour,
                                std::uint16_t showMs, std::uint16_t extraMs) = 0;
  // The answer window for a spelling word: shows the progress text and the
  // preset answer (selected), returns what was typed; std::nullopt when the
  // learner closed the window instead (its close box, Esc, Stop) to stop the
  // test. The buttons act while the window is open.
  virtual std::optional<std::string> AskWord(const std::string& progress, const std::string& preset,
                                             bool reshowEnabled, AnswerButtons& buttons) = 0;
  // The math input window, with the decimal places to round the answer to
  // (empty for an answer that is not rounded): returns the typed answer
  // unchanged; std::nullopt when the learner closed the window to stop.
  virtual std::optional<std::string> AskMath(const std::string& prompt,
                                             const std::string& decimalPlaces,
                                             const std::string& progress) = 0;
  virtual void ShowWrongAnswer(const std::string& typed, const std::string& expected) = 0;
  // The beep after a wrong answer, then a wait while window messages are handled.
  virtual void BeepWait(std::uint16_t unused, std::uint16_t ms) = 0;
  // The score window with the rows of one test marked, and the line that
  // tells the learner what went well (none when empty).
  virtual void ShowScores(std::int32_t markedGroup, const std::string& kindWord) = 0;
  // Whether the program has been told to end (Quit, the database's retry
  // box, the desktop session's end, a signal): a window opened now would
  // close at once, so the test asks and writes nothing more.
  virtual bool ProgramEnding() = 0;
};

class SessionSounds {
 public:
  virtual ~SessionSounds() = default;
  // Whether a sound is stored under the name (letter case ignored).
  virtual bool WavForWord(const std::string& name) = 0;
  // Starts the sound; a new sound cuts off the one playing.
  virtual void PlayWord(const std::string& name) = 0;
  // Starts the sound when one is stored under the name; true when one is.
  // A store that can fetch and play in one look-up overrides this.
  virtual bool PlayIfStored(const std::string& name) {
    if (!WavForWord(name)) return false;
    PlayWord(name);
    return true;
  }
  // Speaks the text with the voice; true when speech was made (and is
  // played where there is an audio device).
  virtual bool Speak(const std::string& text, const std::string& voice) = 0;
  // Starts the short chime of a right answer.
  virtual void PlayRightSound() = 0;
};

class ScoreLog {
 public:
  virtual ~ScoreLog() = default;
  virtual std::int32_t NextLogGroup() = 0;
  // One answer; an answer equal to the word key is stored as a right answer.
  virtual void LogWord(const std::string& userName, const std::string& listPath,
                       const std::string& wordKey, const std::string& answer, std::int32_t logGroup,
                       std::uint16_t helpCount) = 0;
  // The score of a test; with it, in one transaction, the boxes of the
  // review's items that a finished test moves (none for one cut short).
  virtual void LogScore(const std::string& listPath, const scoreR& result, std::int32_t logGroup,
                        const ReviewAnswers& review) = 0;
  // The learner's last test of the list, when there was one.
  virtual std::optional<PastScore> LastScore(const std::string& userName,
                                             const std::string& listPath) = 0;
  // Whether the learner answered the word wrong in a test before the group.
  virtual bool MissedBefore(const std::string& userName, const std::string& wordKey,
                            std::int32_t beforeGroup) = 0;
};

}  // namespace orv
