// Whole tests taken by scripted learners; the rows they leave in a real score
// database are checked.
#include "session/session.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <deque>
#include <filesystem>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "files/dos.h"
#include "lists/buffers.h"
#include "session/session_fixture.h"

namespace orv::test {
namespace {

std::string Lines(const std::vector<std::string>& lines) {
  std::string text;
  for (const auto& line : lines) text += line + "\r\n";
  return text;
}

// "word01" ... "wordNN": sorted order is file order.
std::vector<std::string> NumberedWords(int n) {
  std::vector<std::string> words;
  for (int i = 1; i <= n; ++i) words.push_back((i < 10 ? "word0" : "word") + std::to_string(i));
  return words;
}

class Session : public SessionTest {};

TEST_F(Session, CleanedSourceIsSavedBackBeforeCompiling) {
  std::string path =
      WriteList("clean.orv", " cat\r\ndog \r\n\r\n   \r\ncat\r\n$script\r\n$2+2\r\n");
  settings.inOrder = true;
  learner.Say("4").Say("cat").Say("dog");
  Run(path);
  EXPECT_EQ(dir.Read("orv.orv/clean.orv"), "cat\r\ndog\r\n$script\r\n$2+2\r\n");
  // The compiled and sorted questions were asked, not the source lines.
  EXPECT_EQ(learner.readings.at(0).window, "math");
  EXPECT_EQ(learner.readings.at(0).preset, "2+2");
  EXPECT_EQ(learner.WordsShown(), (std::vector<std::string>{"cat", "dog"}));
  EXPECT_EQ(Scores(), (std::vector<Row>{{"ann", "CLEAN.SCO", "3", "3", "0", "0"}}));
  EXPECT_TRUE(compile.scriptMode) << "the compiled view starts where the test's compile left it";
}

TEST_F(Session, CleanListIsLeftAsItIsAndNameListsKeepRepeats) {
  std::string clean = WriteList("ok.orv", "cat\ndog\n");
  settings.inOrder = true;
  learner.Say("cat").Say("dog");
  Run(clean);
  EXPECT_EQ(dir.Read("orv.orv/ok.orv"), "cat\ndog\n");

  std::string names = WriteList("kids.nam", " ann\r\nbob\r\nann\r\n");
  learner.Say("ann").Say("ann").Say("bob");
  Run(names);
  EXPECT_EQ(dir.Read("orv.orv/kids.nam"), "ann\r\nbob\r\nann\r\n");
  EXPECT_EQ(learner.WordsShown(), (std::vector<std::string>{"cat", "dog", "ann", "ann", "bob"}));
}

TEST_F(Session, TheCleanedListKeepsItsEncodingAndTheLinesAfterACtrlZ) {
  const std::string path = WriteList("old.orv", "na\xEFve \r\ncaf\xC3\xA9\n\x1A\r\nlater\r\n");
  settings.inOrder = true;
  learner.Say("café").Say("naïve");
  Run(path);
  EXPECT_EQ(dir.Read("orv.orv/old.orv"), "na\xEFve\r\ncaf\xC3\xA9\n\x1A\r\nlater\r\n");
  EXPECT_EQ(learner.WordsShown(), (std::vector<std::string>{"café", "naïve"}));
}

TEST_F(Session, NoSortKeepsFileOrderForThatTestOnly) {
  std::string path = WriteList("nosort.orv", "$noSort\nzebra\napple\nmoss\n");
  settings.inOrder = false;  // random order asked for
  bool positionFileDuringTest = true;
  std::string positionPath = dir.Str() + "User/ann.DIR/NOSORT.POS";
  learner.beforeAnswer = [&] { positionFileDuringTest = FileFound(positionPath); };
  learner.Say("zebra").Say("apple").Say("moss");
  Run(path);
  EXPECT_EQ(learner.WordsShown(), (std::vector<std::string>{"zebra", "apple", "moss"}));
  EXPECT_FALSE(positionFileDuringTest);
  EXPECT_FALSE(settings.inOrder);

  // The next list is asked in random order again: its positions are kept
  // in a file while the test runs.
  std::string other = WriteList("sorted.orv", "zebra\napple\nmoss\n");
  bool otherPositionFile = false;
  learner.timed.clear();
  // Answers whatever word is shown.
  learner.beforeAnswer = [&] {
    otherPositionFile = otherPositionFile || FileFound(dir.Str() + "User/ann.DIR/SORTED.POS");
    learner.Say(learner.WordsShown().back());
  };
  Run(other);
  EXPECT_TRUE(otherPositionFile);
  std::vector<std::string> shown = learner.WordsShown();
  std::sort(shown.begin(), shown.end());
  EXPECT_EQ(shown, (std::vector<std::string>{"apple", "moss", "zebra"}));
}

TEST_F(Session, ThreeWrongAttemptsThenAllRightScoresSeven) {
  std::vector<std::string> words = NumberedWords(12);
  std::string path = WriteList("twelve.orv", Lines(words));
  settings.inOrder = true;
  settings.wholeFile = false;
  learner.Say("wrod01").Say("Word01").Say("word1").Say("word01");
  for (int i = 2; i <= 10; ++i) learner.Say(words[i - 1]);
  Run(path);

  ASSERT_GE(learner.readings.size(), 4u);
  EXPECT_EQ(learner.readings[0].progress, "Hi score 10 : 9 go''s left out of 10 words");
  EXPECT_EQ(learner.readings[3].progress, "Hi score 7 : 9 go''s left out of 10 words");
  EXPECT_EQ(learner.readings.back().progress, "Hi score 7 : 0 go''s left out of 10 words");
  EXPECT_EQ(Scores(), (std::vector<Row>{{"ann", "TWELVE.SCO", "7", "10", "0", "0"}}));
  EXPECT_EQ(Log(),
            (std::vector<Row>{
                {"word01", "wrod01", "0"}, {"word01", "Word01", "0"}, {"word01", "word1", "0"}}));
  // The word is flashed again before every attempt.
  std::vector<std::string> shown = learner.WordsShown();
  EXPECT_EQ(std::count(shown.begin(), shown.end(), "word01"), 4);
}

// The program's defaults hold where the list says nothing, the list's own
// word where it does; a word with alternatives is shown by its first.
TEST_F(Session, AnswersAreJudgedByTheListThenByTheDefaults) {
  std::string path =
      WriteList("policy.orv", "london\n$ignoreCaseOff\nParis\n$alternatives\ngrey;gray\n");
  settings.inOrder = true;
  settings.answerDefaults.ignoreCase = true;
  learner.Say("paris").Say("Paris").Say("gray").Say("London");
  Run(path);
  EXPECT_EQ(learner.WordsShown(), (std::vector<std::string>{"Paris", "Paris", "grey", "london"}));
  EXPECT_EQ(Log(), (std::vector<Row>{{"Paris", "paris", "0"}}));
  EXPECT_EQ(Scores(), (std::vector<Row>{{"ann", "POLICY.SCO", "2", "3", "0", "0"}}));
}

TEST_F(Session, WrongAnswerBeepsWaitsThenShowsTheRightOne) {
  std::string path = WriteList("one.orv", "house\n");
  settings.inOrder = true;
  learner.Say("hous").Say("house");
  Run(path);
  EXPECT_EQ(learner.events, (std::vector<std::string>{"timed house", "ask word", "beep wait 1000",
                                                      "wrong hous for house", "timed house",
                                                      "ask word", "timed RIGHT !!", "scores"}));
  EXPECT_EQ(beeps, 1);
  EXPECT_GE(clock.Ticks(), 1000u);

  const TimedShown& word = learner.timed[0];
  EXPECT_EQ(word.caption, "Word to enter");
  EXPECT_EQ(word.colour, kAqua);
  EXPECT_EQ(word.showMs, 75 * 5 + 500);
  EXPECT_EQ(word.extraMs, 1500);
  const TimedShown& right = learner.timed[2];
  EXPECT_EQ(right.caption, " Message ");
  EXPECT_EQ(right.colour, kLime);
  EXPECT_EQ(right.showMs, 1000);
  EXPECT_EQ(right.extraMs, 0);
}

TEST_F(Session, EmptyAnswersAreReadAgainWithoutCounting) {
  std::string path = WriteList("one.orv", "house\n");
  settings.inOrder = true;
  learner.Say("").Say("").Say("house");
  Run(path);
  EXPECT_EQ(learner.readings.size(), 3u);
  EXPECT_EQ(learner.WordsShown().size(), 1u);
  EXPECT_EQ(Scores(), (std::vector<Row>{{"ann", "ONE.SCO", "1", "1", "0", "0"}}));
  EXPECT_TRUE(Log().empty());
}

TEST_F(Session, ReShowCountsAsHelpAndReplayDoesNot) {
  std::string path = WriteList("two.orv", "cat\ndog\n");
  settings.inOrder = true;
  settings.reshowWord = true;
  StoreSound("cat");
  StoreSound("DOG");
  learner.Say("kat", 2, 1).Say("cat", 1, 3).Say("dog", 0, 2);
  Run(path);
  EXPECT_TRUE(learner.readings[0].reshowEnabled);
  EXPECT_EQ(Scores(), (std::vector<Row>{{"ann", "TWO.SCO", "1", "2", "2", "3"}}));
  EXPECT_EQ(Log(), (std::vector<Row>{{"cat", "kat", "2"}}));
  // Each ReShow flashes the word again, in the same way as before an attempt.
  EXPECT_EQ(learner.WordsShown(),
            (std::vector<std::string>{"cat", "cat", "cat", "cat", "cat", "dog"}));
  // Replay plays the prompt's sound again, besides the sound of each showing.
  EXPECT_EQ(std::count(sounds.played.begin(), sounds.played.end(), "dog"), 3);
  EXPECT_EQ(std::count(sounds.played.begin(), sounds.played.end(), "cat"), 2 + 4);
}

TEST_F(Session, CapitalExitIsAWrongAnswerAndExitEndsAfterTheLastWord) {
  std::vector<std::string> words = NumberedWords(5);
  std::string path = WriteList("five.orv", Lines(words));
  settings.inOrder = true;
  learner.Say("word01").Say("Exit").Say("word02").Say("exit").Say("word03");
  Run(path);
  ASSERT_EQ(learner.readings.size(), 5u);
  EXPECT_EQ(learner.readings[4].preset, "Please type in the last word");
  // Question 3 was reached, one mistake: 3 - 1.
  EXPECT_EQ(Scores(), (std::vector<Row>{{"ann", "FIVE.SCO", "2", "3", "0", "0"}}));
  EXPECT_EQ(Log(), (std::vector<Row>{{"word02", "Exit", "0"}}));
  EXPECT_EQ(learner.scoreWindows.size(), 1u);
}

TEST_F(Session, WrongLastWordAfterExitIsLoggedAndScored) {
  std::string path = WriteList("five.orv", Lines(NumberedWords(5)));
  settings.inOrder = true;
  settings.logAll = true;
  learner.Say("word01").Say("exit").Say("wurd02");
  Run(path);
  EXPECT_EQ(Scores(), (std::vector<Row>{{"ann", "FIVE.SCO", "1", "2", "0", "0"}}));
  EXPECT_EQ(Log(), (std::vector<Row>{{"word01", kNull, "0"}, {"word02", "wurd02", "0"}}));
}

TEST_F(Session, ExitOnAQuestionWithAPromptAsksInAnInputBox) {
  std::string path = WriteList("sums.orv", "2+3|5\n");
  settings.inOrder = true;
  learner.Say("exit");
  dialogs.inputs.push_back(std::nullopt);  // cancelled: an empty answer
  Run(path);
  ASSERT_EQ(dialogs.inputBoxes.size(), 1u);
  EXPECT_EQ(dialogs.inputBoxes[0].caption, "Type in the ansswer");
  EXPECT_EQ(dialogs.inputBoxes[0].prompt, "2+3");
  EXPECT_EQ(dialogs.inputBoxes[0].preset, "");
  EXPECT_EQ(Scores(), (std::vector<Row>{{"ann", "SUMS.SCO", "0", "1", "0", "0"}}));
  EXPECT_EQ(Log(), (std::vector<Row>{{"2+3|5", "", "0"}}));
}

// A learner who closes the answer window is asked "Stop this test?": No goes
// on with the same question, unflashed; Yes scores the test up to the
// question before, with the wrong attempts made so far.
TEST_F(Session, ClosingTheAnswerWindowStopsTheTestOnceTheLearnerSaysSo) {
  struct Case {
    const char* what;
    const char* list;
    std::function<void(ScriptedLearner&)> script;
    std::deque<MsgAnswer> confirms;
    std::vector<std::string> shown;  // the words flashed
    std::vector<Row> scores;
    std::vector<Row> log;
  };
  const Case cases[] = {
      {"closed by mistake, then answered",
       "cat\ndog\n",
       [](ScriptedLearner& l) { l.Say("cat").Closes().Say("dog"); },
       {MsgAnswer::No},
       {"cat", "dog"},
       {{"ann", "STOP.SCO", "2", "2", "0", "0"}},
       {}},
      {"stopped at the second word after a wrong try",
       "cat\ndog\nemu\n",
       [](ScriptedLearner& l) { l.Say("cat").Say("dgo").Closes(); },
       {MsgAnswer::Yes},
       {"cat", "dog", "dog"},
       {{"ann", "STOP.SCO", "0", "1", "0", "0"}},
       {{"dog", "dgo", "0"}}},
      {"stopped in the last reading after exit",
       "cat\ndog\n",
       [](ScriptedLearner& l) { l.Say("cat").Say("exit").Closes(); },
       {},
       {"cat", "dog"},
       {{"ann", "STOP.SCO", "1", "1", "0", "0"}},
       {}},
      {"a sum's window closed",
       "2+3|5\n",
       [](ScriptedLearner& l) { l.Closes(); },
       {MsgAnswer::Yes},
       {},
       {{"ann", "STOP.SCO", "0", "0", "0", "0"}},
       {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    Exec(host.path, "delete from score");
    Exec(host.path, "delete from log");
    learner = ScriptedLearner();
    dialogs = FakeDialogs();
    dialogs.answers = c.confirms;
    c.script(learner);
    settings.inOrder = true;
    Run(WriteList("stop.orv", c.list));
    EXPECT_TRUE(learner.answers.empty());
    EXPECT_EQ(learner.WordsShown(), c.shown);
    EXPECT_EQ(dialogs.Texts(), std::vector<std::string>(c.confirms.size(), "Stop this test?"));
    EXPECT_EQ(Scores(), c.scores);
    EXPECT_EQ(Log(), c.log);
    EXPECT_EQ(learner.scoreWindows.size(), 1u);
  }
}

TEST_F(Session, ReShowOfTheLastAttemptCountsOnceWhenTheTestEndsEarly) {
  std::string path = WriteList("two.orv", "cat\ndog\n");
  settings.inOrder = true;
  settings.reshowWord = true;
  learner.Say("cat", 1).Say("exit", 2).Say("dog", 1);
  Run(path);
  // Attempts: 1 press; then 2 before "exit" and 1 more on the last reading.
  EXPECT_EQ(Scores(), (std::vector<Row>{{"ann", "TWO.SCO", "2", "2", "3", "4"}}));
}

TEST_F(Session, RealAnswersCompareByValueIntegersByText) {
  std::string path = WriteList("sums.orv", "$noSort\n7/2|3.5\n2+3|5\n1/4|2.5e-1\n");
  settings.inOrder = true;
  learner.Say("3,5").Say("3.50").Say("5.0").Say("5").Say("0.25");
  Run(path);
  EXPECT_EQ(Log(), (std::vector<Row>{{"7/2|3.5", "3,5", "0"}, {"2+3|5", "5.0", "0"}}));
  EXPECT_EQ(Scores(), (std::vector<Row>{{"ann", "SUMS.SCO", "1", "3", "0", "0"}}));
  EXPECT_EQ(learner.events[0], "ask math 7/2");
  EXPECT_TRUE(learner.WordsShown().empty());
  EXPECT_EQ(learner.readings[0].decimals, "1");
}

TEST_F(Session, MathWindowTellsTheRoundingEachQuestionWasCompiledWith) {
  std::string path = WriteList("real.orv",
                               "$noSort\n$script\n$Decimal points 2\n$1/3.0\n$FPoint(1)10/3.0\n"
                               "$7/2\n$3+4\nhalf|0.50\n");
  settings.inOrder = true;
  learner.Say("0.33").Say("3.3").Say("3 1/2").Say("7").Say("0.5");
  Run(path);
  std::vector<std::string> shown;
  for (const Reading& r : learner.readings) shown.push_back(r.preset + " " + r.decimals);
  EXPECT_EQ(shown,
            (std::vector<std::string>{"1/3.0 2", "FPoint(1)10/3.0 1", "7/2 ", "3+4 ", "half 2"}));
  EXPECT_EQ(Scores(), (std::vector<Row>{{"ann", "REAL.SCO", "5", "5", "0", "0"}}));
}

// The program is told to end at a point of the test (Quit in the pause after
// a wrong answer, a signal, the desktop session's end): nothing more is asked
// or written, and the positions not yet asked are kept, the word not yet
// answered right first among them. A wrong answer is logged before its
// pause, so it is kept.
TEST_F(Session, TestStopsWhereTheProgramIsToldToEnd) {
  struct Case {
    const char* endsAfter;
    bool wrongFirst;
    LineNo positionsKept;
  };
  for (const Case& c : {Case{"ask word", false, 3}, Case{"beep wait 1000", true, 3},
                        Case{"timed RIGHT !!", false, 2}, Case{"scores", false, 0}}) {
    test::Exec(host.path, "delete from log");
    ResetQuitRequest();
    learner = ScriptedLearner();
    learner.endsAfter = c.endsAfter;
    bool wrongGiven = false;
    learner.beforeAnswer = [&] {
      const std::string word = learner.WordsShown().back();
      learner.Say(c.wrongFirst && !wrongGiven ? word + "x" : word);
      wrongGiven = true;
    };
    Run(WriteList("ends.orv", "cat\ndog\nemu\n"));
    EXPECT_EQ(learner.events.back(), c.endsAfter);
    const bool finished = std::string(c.endsAfter) == "scores";
    EXPECT_EQ(Scores().size(), finished ? 1u : 0u) << c.endsAfter;
    EXPECT_EQ(Log().size(), c.wrongFirst ? 1u : 0u) << c.endsAfter;
    if (!finished) {
      BufferO positions;
      EXPECT_EQ(LoadFromFile(positions, dir.Str() + "User/ann.DIR/ENDS.POS"), 0) << c.endsAfter;
      EXPECT_EQ(positions.Count(), c.positionsKept) << c.endsAfter;
      // The sorted list is cat, dog, emu: the word being asked comes first.
      const std::vector<std::string> sorted{"cat", "dog", "emu"};
      const auto asked = std::find(sorted.begin(), sorted.end(), learner.WordsShown().front());
      if (c.positionsKept == 3 && asked != sorted.end()) {
        EXPECT_EQ(positions.Get(1), std::to_string(asked - sorted.begin() + 1)) << c.endsAfter;
      }
    }
    std::filesystem::remove(dir.Path() / "User/ann.DIR/ENDS.POS");
  }
}

// Ten words a test in random order from a list of three: each question is a
// word of the list, whatever the position file held.
TEST_F(Session, BrokenPositionFileGivesAFreshOrder) {
  settings.wholeFile = false;
  std::string tooLong;
  for (int i = 0; i < 70000; ++i) tooLong += "2\n";
  // A folder in its place (no text), junk, more lines than a list holds.
  for (const std::string& text :
       {std::string(), std::string("abc\n-3\n\x01\n0\n99999\n"), tooLong}) {
    const std::string name = "L" + std::to_string(text.size());
    if (text.empty()) {
      std::filesystem::create_directories(dir.Path() / ("User/ann.DIR/" + name + ".POS"));
    } else {
      dir.Write("User/ann.DIR/" + name + ".POS", text);
    }
    learner = ScriptedLearner();
    learner.beforeAnswer = [&] { learner.Say(learner.WordsShown().back()); };
    Run(WriteList(name + ".orv", "cat\ndog\nemu\n"));
    const std::vector<std::string> words = learner.WordsShown();
    EXPECT_EQ(words.size(), 10u) << name;
    for (const std::string& w : words) EXPECT_TRUE(w == "cat" || w == "dog" || w == "emu") << w;
  }
}

// A word longer than a flash can last, a question whose prompt holds a NUL
// byte, and a typed answer longer than the log's column.
TEST_F(Session, LongAndStrangeTextsAreShownJudgedAndLogged) {
  const std::string longWord(868, 'a');
  const std::string longAnswer(4001, 'x');
  std::string text = "$noSort\n" + longWord + "\nca";
  text += '\0';
  text += "t|cat\nta";
  text += '\0';
  text += "g\ndog\n";
  settings.inOrder = true;
  learner.Say(longWord).Say(longAnswer).Say("cat").Say("dog");
  Run(WriteList("odd.orv", text));
  EXPECT_EQ(learner.WordsShown(), (std::vector<std::string>{longWord, "dog"}));
  const std::vector<Row> log = Log();
  ASSERT_EQ(log.size(), 1u);
  EXPECT_EQ(log[0][0], "cat|cat");
  EXPECT_EQ(log[0][1], std::string(4000, 'x'));
  EXPECT_EQ(Scores(), (std::vector<Row>{{"ann", "ODD.SCO", "2", "3", "0", "0"}}));
  // The word no one can type is left out with the compile's warning.
  ASSERT_EQ(dialogs.messages.size(), 1u);
  EXPECT_EQ(dialogs.messages[0].text.rfind(" There are 1 Errors", 0), 0u);
}

TEST_F(Session, PromptSoundIsPlayedInsteadOfShowingIt) {
  std::string path = WriteList("spoken.orv", "say cat|cat\n");
  settings.inOrder = true;
  StoreSound("Say Cat");
  learner.Say("cat");
  Run(path);
  EXPECT_EQ(sounds.played, (std::vector<std::string>{"say cat"}));
  EXPECT_TRUE(learner.WordsShown().empty());
}

TEST_F(Session, LogAllDecidesWhetherRightAnswersAreLogged) {
  std::string path = WriteList("two.orv", "cat\n7/2|3.5\n");
  settings.inOrder = true;
  learner.Say("3.5").Say("cat");
  Run(path);
  EXPECT_TRUE(Log().empty());
  auto score = Rows("select log_group from score");
  ASSERT_EQ(score.size(), 1u);
  EXPECT_EQ(learner.scoreWindows, (std::vector<std::int32_t>{std::stoi(score[0][0])}));

  settings.logAll = true;
  learner.Say("3.50").Say("cat", 0, 1);
  Run(path);
  EXPECT_EQ(Log(), (std::vector<Row>{{"7/2|3.5", kNull, "0"}, {"cat", kNull, "0"}}));
  EXPECT_EQ(Scores().size(), 2u);
}

TEST_F(Session, LogGroupsBeyondSixteenBitsAreKeptWhole) {
  Rows("alter sequence LOG_GROUP_ID restart with 70000");
  std::string path = WriteList("one.orv", "house\n");
  settings.inOrder = true;
  learner.Say("hous").Say("house");
  Run(path);
  EXPECT_EQ(Rows("select log_group from log"), (std::vector<Row>{{"70001"}}));
  EXPECT_EQ(Rows("select log_group from score"), (std::vector<Row>{{"70001"}}));
  EXPECT_EQ(learner.scoreWindows, (std::vector<std::int32_t>{70001}));
}

TEST_F(Session, EmptyListRecordsNoneOfNone) {
  std::string path = WriteList("empty.orv", "\r\n  \r\n");
  settings.inOrder = false;
  Run(path);
  EXPECT_EQ(dialogs.Texts(), (std::vector<std::string>{" Not enough words in file"}));
  EXPECT_EQ(Scores(), (std::vector<Row>{{"ann", "EMPTY.SCO", "0", "0", "0", "0"}}));
  EXPECT_TRUE(learner.readings.empty());
  EXPECT_EQ(learner.scoreWindows.size(), 1u);
}

TEST_F(Session, TenWordsOnAnEmptyListAsksNothing) {
  std::string path = WriteList("empty.orv", "");
  settings.wholeFile = false;
  for (bool inOrder : {true, false}) {
    settings.inOrder = inOrder;
    Run(path);
  }
  EXPECT_TRUE(learner.readings.empty());
  EXPECT_EQ(Scores(), (std::vector<Row>{{"ann", "EMPTY.SCO", "0", "0", "0", "0"},
                                        {"ann", "EMPTY.SCO", "0", "0", "0", "0"}}));
}

TEST_F(Session, TenWordsInFileOrderOnAShortListAsksEachWordOnce) {
  std::string path = WriteList("short.orv", "dog\ncat\nemu\nant\n");
  settings.inOrder = true;
  settings.wholeFile = false;
  for (const char* word : {"ant", "cat", "dog", "emu"}) learner.Say(word);
  Run(path);
  EXPECT_EQ(learner.WordsShown(), (std::vector<std::string>{"ant", "cat", "dog", "emu"}));
  EXPECT_EQ(learner.readings[0].progress, "Hi score 4 : 3 go''s left out of 4 words");
  EXPECT_EQ(Scores(), (std::vector<Row>{{"ann", "SHORT.SCO", "4", "4", "0", "0"}}));
  EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(Session, MissingListIsReportedAndNothingIsWritten) {
  WriteList("other.orv", "cat\n");
  std::string path = dir.Str() + "orv.orv/nothere.orv";
  Run(path);
  ASSERT_EQ(dialogs.messages.size(), 1u);
  EXPECT_EQ(dialogs.messages[0].kind, MsgKind::Error);
  EXPECT_EQ(dialogs.messages[0].text,
            " Error loading buffer <" + Upper(path) + ">\nError num 2, File not found");
  EXPECT_TRUE(Scores().empty());
  EXPECT_TRUE(learner.events.empty());
}

TEST_F(Session, ASecondTestDoesNotStartWhileOneRuns) {
  std::string path = WriteList("one.orv", "house\n");
  settings.inOrder = true;
  bool startedAgain = false;
  learner.beforeAnswer = [&] {
    if (startedAgain) return;
    startedAgain = true;
    Run(path);  // Start pressed again while the answer window is up
  };
  learner.Say("house");
  Run(path);
  EXPECT_EQ(learner.readings.size(), 1u);
  EXPECT_EQ(Scores().size(), 1u);
  // Once it has ended a new test starts as usual.
  learner.Say("house");
  Run(path);
  EXPECT_EQ(Scores().size(), 2u);
}

TEST_F(Session, AnErrorLeavingATestDoesNotBlockTheNext) {
  std::string lines;
  for (int i = 0; i < 65536; ++i) lines += "w" + std::to_string(i) + "\n";
  std::string bad = WriteList("bad.orv", lines);
  settings.inOrder = true;
  EXPECT_ANY_THROW(Run(bad));
  std::string good = WriteList("good.orv", "house\n");
  learner.Say("house");
  Run(good);
  EXPECT_EQ(Scores().size(), 1u);
}

// The line at the end reads the learner's own earlier tests: the last score
// of the list and the words wrong before; another learner's count for
// nothing. The chime of a right answer plays only when asked for.
TEST_F(Session, TheKindWordComesFromTheLearnersOwnEarlierTests) {
  const std::string path = WriteList("three.orv", "cat\r\ndog\r\nemu\r\n");
  settings.inOrder = true;
  const struct {
    std::vector<const char*> answers;
    const char* user;
    const char* line;
  } tests[] = {
      {{"kat", "kat", "cat", "dag", "dog", "emu"}, "ann", "Well done for finishing!"},
      {{"cat", "dog", "emu"}, "bob", "All 3 words right at the first try!"},
      {{"kat", "cat", "dag", "dog", "emu"}, "ann", "Better than last time!"},
      {{"cat", "dag", "dog", "emu"}, "ann", "A word that was hard before is right now!"},
  };
  for (const auto& t : tests) {
    for (const char* answer : t.answers) learner.Say(answer);
    Run(path, t.user);
    ASSERT_FALSE(learner.kindWords.empty());
    EXPECT_EQ(learner.kindWords.back(), t.line) << learner.kindWords.size();
  }
  EXPECT_EQ(std::count(sounds.played.begin(), sounds.played.end(), "(right chime)"), 0);
  settings.kindWord = false;
  settings.rightSound = true;
  learner.Say("cat").Say("dog").Say("emu");
  Run(path);
  EXPECT_EQ(learner.kindWords.back(), "");
  EXPECT_EQ(std::count(sounds.played.begin(), sounds.played.end(), "(right chime)"), 3);
}

}  // namespace
}  // namespace orv::test
