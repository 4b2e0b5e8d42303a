#include "session/session.h"

#include <algorithm>
#include <optional>
#include <unordered_map>
#include <utility>
#include <vector>

#include "base/errors.h"
#include "base/numbertext.h"
#include "base/strings.h"
#include "base/translate.h"
#include "files/dos.h"
#include "files/errortext.h"
#include "lists/buffers.h"
#include "lists/cleanlist.h"
#include "lists/compile.h"
#include "lists/compilesettings.h"
#include "lists/listfile.h"
#include "scores/sound/speech.h"
#include "session/checkanswer.h"
#include "session/kindword.h"
#include "session/positions.h"
#include "session/question.h"
#include "session/reviewschedule.h"

namespace orv {
namespace {

constexpr LineNo kTenWords = 10;
constexpr std::uint16_t kWordExtraTime = 1500;

// Whether a test is under way: the answer windows keep the main window live,
// so Start may be pressed again meanwhile.
bool testRunning = false;

// Raised inside a test once the program is told to end: the test stops where
// it stands.
struct ProgramEnds {};

// How the questions of a test came to an end.
enum class Asked { Right, Exit, Stopped };

class RunningFlag {
 public:
  RunningFlag() { testRunning = true; }
  ~RunningFlag() { testRunning = false; }
  RunningFlag(const RunningFlag&) = delete;
  RunningFlag& operator=(const RunningFlag&) = delete;
};

// Help counts are 16-bit: a count beyond 65535 is a range error.
std::uint16_t Checked16(std::uint32_t value) {
  if (value > 0xFFFF) throw ERangeError();
  return static_cast<std::uint16_t>(value);
}

// Ten-word mode asks ten questions, but never a line the list does not have:
// in file order a short list is asked once through, and an empty list asks
// nothing in any order.
LineNo QuestionCount(bool wholeFile, bool inOrder, LineNo listCount) {
  if (wholeFile || listCount == 0) return listCount;
  return inOrder ? std::min(kTenWords, listCount) : kTenWords;
}

// One test from the loaded list to the score window.
class TestRun final : public AnswerButtons {
 public:
  // A test of the list at listPath, or with plan a review logged under listPath.
  TestRun(SessionWindows& windows, SessionSounds& sounds, ScoreLog& log, Dialogs& dialogs,
          CompileSettings& compile, const SessionSettings& settings, const std::string& userName,
          const std::string& listPath, const ReviewPlan* plan = nullptr)
      : windows_(windows),
        sounds_(sounds),
        log_(log),
        dialogs_(dialogs),
        compile_(compile),
        settings_(settings),
        user_(userName),
        listPath_(Upper(listPath)),
        positionPath_(PositionFilePath(listPath_, userName, settings)),
        plan_(plan) {}

  void Run() {
    if (!Prepare()) return;
    prepared_ = true;
    logGroup_ = log_.NextLogGroup();
    StopIfEnding();
    for (std::uint32_t q = 1; q <= d_; ++q) {
      q_ = static_cast<LineNo>(q);
      taken_ = PickQuestion(list_, positions_, q_, inOrder_, positionPath_, dialogs_, question_);
      question_.policy = ListPolicy().Over(settings_.answerDefaults);
      StopIfEnding();
      const std::int32_t wrongsBefore = wrongs_;
      const Asked asked = AskUntilRight();
      if (asked != Asked::Right) {
        if (asked == Asked::Exit) {
          EndEarly();
        } else {
          Stopped();
        }
        KeepPositions();
        return;
      }
      if (settings_.logAll) LogAnswer(question_.Key());
      if (wrongs_ == wrongsBefore) CountIfHardBefore();
    }
    RecordScore(static_cast<std::int32_t>(d_) - wrongs_, d_, Finished());
    KeepPositions();
  }

  // The program is ending: the positions are kept, with the question not yet
  // answered right in front, once the test got as far as having them.
  void Stop() {
    if (!prepared_) return;
    PutBackQuestion();
    KeepPositions();
  }

  void ReShow() override {
    helpCount_ = Checked16(helpCount_ + 1u);
    ShowWord();
  }

  void Replay() override { Sound(); }

 private:
  // Loads, cleans, compiles and orders the list; false when it cannot be loaded.
  bool Prepare() {
    if (plan_ != nullptr) {
      for (const ReviewQuestion& question : plan_->questions) list_.Add(question.line);
      places_ = plan_->places;
      inOrder_ = true;
      d_ = list_.Count();
      return true;
    }
    ListFile source;
    int code = LoadListFile(source, listPath_);
    if (code != 0) {
      dialogs_.Error(Filled(TrText("TestSession", " Error loading buffer <%1>\n%2"), listPath_,
                            ErrorText(code)));
      return false;
    }
    bool noSort = HasNoSort(source.lines);
    // The cleaned source, not the compiled list, is what the teacher keeps.
    if (!CleanListFile(source, IsNameList(listPath_))) SaveListFile(source, listPath_);
    list_ = std::move(source.lines);
    testDay_ = ListTestDay(list_);
    CompileList(list_, dialogs_, &places_, &policies_, &items_, &compile_);
    StopIfEnding();
    if (!noSort) list_.Sort();
    inOrder_ = settings_.inOrder || noSort;
    LineNo count = list_.Count();
    if (settings_.wholeFile && !inOrder_) {
      // A fresh order for the whole list, asked from memory even when the
      // position file cannot be written.
      positions_ = MakePositionFile(positionPath_, count, inOrder_, dialogs_);
      StopIfEnding();
    }
    d_ = QuestionCount(settings_.wholeFile, inOrder_, count);
    if (!settings_.wholeFile && FileFound(positionPath_)) {
      if (!LoadPositions(positions_, positionPath_)) {
        positions_ = MakePositionFile(positionPath_, count, inOrder_, dialogs_);
        StopIfEnding();
      } else if (inOrder_) {
        positions_.SortByNumber();
      }
    }
    return true;
  }

  void StopIfEnding() {
    if (windows_.ProgramEnding()) throw ProgramEnds{};
  }

  Asked AskUntilRight() {
    for (;;) {
      Present();
      StopIfEnding();
      progress_ = ProgressText(d_, wrongs_, q_);
      helpCount_ = 0;
      countedHelp_ = 0;
      std::string typed;
      do {
        std::optional<std::string> read = ReadAnswer();
        StopIfEnding();
        if (!read) {
          // A window closed by mistake goes on with the same question.
          if (dialogs_.ConfirmYesNo(TrText("TestSession", "Stop this test?")))
            return Asked::Stopped;
          StopIfEnding();
          continue;
        }
        typed = std::move(*read);
      } while (typed.empty());
      CountHelp();
      if (typed == "exit") return Asked::Exit;
      if (CheckAnswer(typed)) return Asked::Right;
    }
  }

  // A word that is heard (a stored sound, or speech) is flashed only when
  // the "Show word" option asks for it: with it off the test is a dictation.
  void Present() {
    const bool heard = Sound();
    if (question_.HasPrompt()) return;
    if (settings_.showWord || !heard) ShowWord();
  }

  void ShowWord() {
    const std::string word = question_.Word();
    windows_.ShowTimedMessage(TrText("TestSession", "Word to enter"), word, kAqua,
                              WordShowTime(word, settings_.flashPercent), kWordExtraTime);
  }

  // What the list said of the current question's answer (a line is found
  // by its text, as the compiler gave it).
  AnswerPolicy ListPolicy() const {
    for (const std::string& line : {question_.prompt + "|" + question_.answer, question_.answer}) {
      if (const auto found = policies_.find(line); found != policies_.end()) return found->second;
    }
    return {};
  }

  // Notes the current question's item as asked: missed once it was wrong
  // at any try of any of its questions.
  void NoteItem(bool missed) {
    AskedItem asked{
        {ReviewListKey(settings_.currentDir, listPath_), ReviewItemOf(question_, items_)},
        missed,
        testDay_};
    if (plan_ != nullptr) {
      // A review asks in the plan's order: question q is the plan's q-th.
      const ReviewQuestion& question = plan_->questions[q_ - 1u];
      asked = {question.origin, missed, question.testDay};
    }
    const auto [at, added] =
        itemIndex_.emplace(asked.key.file + '\n' + asked.key.item, asked_.size());
    if (added) {
      asked_.push_back(std::move(asked));
    } else {
      asked_[at->second].missed = asked_[at->second].missed || missed;
    }
  }

  ReviewAnswers Finished() const { return {asked_, ReviewToday(), settings_.reviewDays}; }

  // Plays the question's stored sound, else speaks it where the options
  // allow; true when it was heard.
  bool Sound() {
    const std::string name = question_.Word();
    if (sounds_.PlayIfStored(name)) return true;
    if (question_.HasPrompt()) {
      return settings_.speakSums &&
             sounds_.Speak(SpokenPrompt(name, settings_.voice), settings_.voice);
    }
    return settings_.speakWords && sounds_.Speak(name, settings_.voice);
  }

  std::optional<std::string> ReadAnswer() {
    if (question_.HasPrompt()) {
      return windows_.AskMath(question_.prompt, RoundingPlaces(question_, places_), progress_);
    }
    return windows_.AskWord(progress_, "", settings_.reshowWord, *this);
  }

  // Adds the help of the current attempt not yet counted: an attempt read
  // twice (the last word after "exit") enters the total once.
  void CountHelp() {
    maxHelp_ = std::max(maxHelp_, helpCount_);
    helpTotal_ = Checked16(std::uint32_t{helpTotal_} + helpCount_ - countedHelp_);
    countedHelp_ = helpCount_;
  }

  // A wrong answer is logged before the beep and the wrong-answer window, so
  // that the program told to end while they are up has it logged all the same.
  // The right value not in lowest terms is asked again, neither right nor wrong.
  bool CheckAnswer(const std::string& typed) {
    const Verdict verdict = JudgeTyped(question_, typed);
    if (verdict == Verdict::Right) {
      taken_.clear();
      NoteItem(false);
      if (settings_.rightSound) sounds_.PlayRightSound();
      windows_.ShowTimedMessage(TrText("TestSession", " Message "),
                                TrText("TestSession", "RIGHT !!"), kLime, 1000, 0);
      StopIfEnding();
      return true;
    }
    if (verdict == Verdict::RightValueNotLowestTerms) {
      windows_.ShowTimedMessage(TrText("TestSession", " Message "),
                                TrText("TestSession", "right value, now write it in lowest terms"),
                                kAqua, 2500, 0);
      StopIfEnding();
      return false;
    }
    ++wrongs_;
    NoteItem(true);
    LogAnswer(typed);
    windows_.BeepWait(400, 1000);
    StopIfEnding();
    windows_.ShowWrongAnswer(typed, question_.ShownAnswer());
    StopIfEnding();
    return false;
  }

  void LogAnswer(const std::string& answer) {
    log_.LogWord(user_, listPath_, question_.Key(), answer, logGroup_, helpCount_);
    StopIfEnding();
  }

  // The learner typed "exit": the last question is read once more and the
  // test is scored up to it.
  void EndEarly() {
    std::optional<std::string> read =
        question_.HasPrompt()
            ? dialogs_.Input(TrText("TestSession", "Type in the ansswer"), question_.prompt, "")
                  .value_or("")
            : windows_.AskWord(progress_, TrText("TestSession", "Please type in the last word"),
                               settings_.reshowWord, *this);
    StopIfEnding();
    // The learner who chose to end and then closes the window leaves the
    // last word unanswered.
    if (!read) {
      Stopped();
      return;
    }
    const std::string& typed = *read;
    CountHelp();
    const bool right = CheckAnswer(typed);
    // Answered, right or not: the word is not put back.
    taken_.clear();
    if (right && settings_.logAll) LogAnswer(question_.Key());
    RecordScore(static_cast<std::int32_t>(q_) - wrongs_, q_, std::nullopt);
  }

  // The learner closed the answer window and said so: the test is scored up
  // to the question before this one, which comes first next time.
  void Stopped() {
    CountHelp();
    const LineNo answered = q_ - 1;
    PutBackQuestion();
    RecordScore(static_cast<std::int32_t>(answered) - wrongs_, answered, std::nullopt);
  }

  void PutBackQuestion() {
    if (taken_.empty()) return;
    positions_.Add(taken_);
    positions_.Move(positions_.Count(), 1);
    taken_.clear();
  }

  // A word right at the first try that the learner got wrong in an earlier
  // test is one the end of the test tells of.
  void CountIfHardBefore() {
    if (!settings_.kindWord) return;
    if (log_.MissedBefore(user_, question_.Key(), logGroup_)) ++hardNowRight_;
    StopIfEnding();
  }

  // Only a finished test brings its items' answers; one cut short (ended
  // with "exit" or stopped) moves no box.
  void RecordScore(std::int32_t score, LineNo wordCount,
                   const std::optional<ReviewAnswers>& finished) {
    // The last test is read before this one is written.
    std::string kindWord;
    if (settings_.kindWord) {
      const std::optional<PastScore> last = log_.LastScore(user_, listPath_);
      StopIfEnding();
      kindWord = KindWord({static_cast<std::int32_t>(wordCount),
                           static_cast<std::int32_t>(wordCount) - score, finished.has_value(),
                           hardNowRight_, last});
    }
    log_.LogScore(listPath_, scoreR{user_, score, maxHelp_, helpTotal_, wordCount}, logGroup_,
                  finished.value_or(ReviewAnswers{}));
    StopIfEnding();
    windows_.ShowScores(logGroup_, kindWord);
  }

  // The positions not yet asked carry over to the next test.
  void KeepPositions() {
    if (plan_ != nullptr) return;
    if (positions_.Count() > 0) {
      SavePositions(positions_, positionPath_, dialogs_);
    } else {
      ErasePositions(positionPath_);
    }
  }

  SessionWindows& windows_;
  SessionSounds& sounds_;
  ScoreLog& log_;
  Dialogs& dialogs_;
  CompileSettings& compile_;
  const SessionSettings& settings_;
  const std::string user_;
  const std::string listPath_;
  const std::string positionPath_;
  const ReviewPlan* plan_;

  BufferO list_;
  AnswerPlaces places_;
  AnswerPolicies policies_;
  LineItems items_;
  std::optional<std::int64_t> testDay_;
  std::vector<AskedItem> asked_;
  std::unordered_map<std::string, std::size_t> itemIndex_;
  BufferO positions_;
  bool prepared_ = false;
  bool inOrder_ = false;
  LineNo d_ = 0;
  LineNo q_ = 0;
  std::int32_t wrongs_ = 0;
  std::uint16_t helpCount_ = 0;
  std::uint16_t countedHelp_ = 0;
  std::uint16_t maxHelp_ = 0;
  std::uint16_t helpTotal_ = 0;
  std::int32_t logGroup_ = 0;
  std::int32_t hardNowRight_ = 0;
  Question question_;
  std::string taken_;  // the position of the question being asked, until it is right
  std::string progress_;
};

// Runs the test; once the program is told to end it stops where it stands.
void RunToEnd(TestRun& run) {
  try {
    run.Run();
  } catch (const ProgramEnds&) {
    run.Stop();
  }
}

}  // namespace

void TestSession::RunTest(const std::string& listPath, const std::string& userName,
                          const SessionSettings& settings) {
  if (testRunning) return;
  RunningFlag running;
  TestRun run(windows_, sounds_, log_, dialogs_, compile_, settings, userName, listPath);
  RunToEnd(run);
}

void TestSession::RunReview(const ReviewPlan& plan, const std::string& userName,
                            const SessionSettings& settings) {
  if (testRunning) return;
  RunningFlag running;
  TestRun run(windows_, sounds_, log_, dialogs_, compile_, settings, userName, kReviewListName,
              &plan);
  RunToEnd(run);
}

std::string ProgressText(std::int32_t questions, std::int32_t wrongs, std::int32_t question) {
  return Filled(TrText("TestSession", "Hi score %1 : %2 go''s left out of %3 words"),
                IntText(questions - wrongs), IntText(questions - question), IntText(questions));
}

std::uint16_t WordShowTime(const std::string& word, std::int32_t percent) {
  // A word too long to read in a minute is shown as long as the timed
  // message can stay up, together with its extra time.
  constexpr std::uint64_t kLongest = 0xFFFF - kWordExtraTime;
  const std::uint64_t usual = 75u * word.size() + 500u;
  const std::uint64_t shown = usual * static_cast<std::uint64_t>(std::max(percent, 1)) / 100u;
  return static_cast<std::uint16_t>(std::min(shown, kLongest));
}

}  // namespace orv
