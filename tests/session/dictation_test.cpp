// Hearing the words: a stored sound, else the computer's voice; with "Show
// word" off a word that is heard is not flashed, so the test is a dictation.
#include <algorithm>

#include "session/session_fixture.h"

namespace orv::test {
namespace {

struct Presenting {
  const char* what;
  bool showWord;
  bool speakWords;
  bool stored;  // the word has a recorded sound
  bool flashed;
  bool spoken;
};

const Presenting kPresenting[] = {
    {"recorded, shown as well", true, true, true, true, false},
    {"recorded, dictation", false, true, true, false, false},
    {"spoken, dictation", false, true, false, false, true},
    {"spoken, shown as well", true, true, false, true, true},
    {"silent, so shown whatever the option", false, false, false, true, false},
};

TEST_F(SessionTest, AWordIsFlashedUnlessItIsHeardAndShowWordIsOff) {
  for (const Presenting& c : kPresenting) {
    SCOPED_TRACE(c.what);
    const std::string word = std::string("house") + (c.stored ? "r" : "s") +
                             (c.showWord ? "1" : "0") + (c.speakWords ? "1" : "0");
    const std::string path = WriteList(word + ".orv", word + "\n");
    if (c.stored) StoreSound(word);
    settings.inOrder = true;
    settings.showWord = c.showWord;
    settings.speakWords = c.speakWords;
    learner.timed.clear();
    sounds.spoken.clear();
    learner.Say(word);
    Run(path);
    EXPECT_EQ(learner.WordsShown().size(), c.flashed ? 1u : 0u);
    EXPECT_EQ(sounds.spoken,
              c.spoken ? std::vector<std::string>{word} : std::vector<std::string>{});
  }
}

TEST_F(SessionTest, InADictationReShowStillShowsTheWordAndCountsAsHelp) {
  const std::string path = WriteList("dictation.orv", "elephant\n");
  settings.inOrder = true;
  settings.showWord = false;
  settings.reshowWord = true;
  learner.Say("elefant", 1).Say("elephant", 0, 2);
  Run(path);
  EXPECT_EQ(learner.WordsShown(), std::vector<std::string>{"elephant"});
  EXPECT_EQ(Scores(), (std::vector<Row>{{"ann", "DICTATION.SCO", "0", "1", "1", "1"}}));
  // Spoken at each of the two attempts, and again at each Replay.
  EXPECT_EQ(sounds.spoken, std::vector<std::string>(4, "elephant"));
}

TEST_F(SessionTest, SumsAreSpokenOnlyWhenTheTeacherChoosesSo) {
  const std::string path = WriteList("sums.orv", "7/2|3.5\n");
  settings.inOrder = true;
  for (const bool speakSums : {false, true}) {
    SCOPED_TRACE(speakSums);
    settings.speakSums = speakSums;
    sounds.spoken.clear();
    learner.Say("3.5");
    Run(path);
    EXPECT_EQ(sounds.spoken,
              speakSums ? std::vector<std::string>{"7 divided by 2"} : std::vector<std::string>{});
    EXPECT_TRUE(learner.WordsShown().empty());
  }
}

}  // namespace
}  // namespace orv::test
