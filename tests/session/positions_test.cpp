// The question order kept in position files, alone and over whole tests.
#include "session/positions.h"
#include "base/numbertext.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <deque>
#include <filesystem>
#include <numeric>
#include <string>
#include <vector>

#include "base/strings.h"
#include "files/dos.h"
#include "files/errortext.h"
#include "session/session_fixture.h"
#include "support/fake_dialogs.h"
#include "support/file_size_limit.h"
#include "support/temp_dir.h"

namespace orv::test {
namespace {

std::vector<int> Numbers(const BufferO& buffer) {
  std::vector<int> numbers;
  for (LineNo i : LineNumbers(buffer.Count())) numbers.push_back(NumOf(buffer.Get(i)));
  return numbers;
}

std::vector<int> ReadPositions(const std::string& path) {
  BufferO buffer;
  EXPECT_EQ(LoadFromFile(buffer, path), 0) << path;
  return Numbers(buffer);
}

bool IsPermutationOfOneTo(std::vector<int> numbers, int n) {
  std::vector<int> expected(static_cast<std::size_t>(n));
  std::iota(expected.begin(), expected.end(), 1);
  std::sort(numbers.begin(), numbers.end());
  return numbers == expected;
}

BufferO ListOf(int n) {
  BufferO list;
  for (int i = 1; i <= n; ++i) list.Add("w" + std::to_string(i));
  return list;
}

TEST(PositionFilePath, UserFolderForListsAndBesideTheListForNameLists) {
  SessionSettings settings;
  settings.programDir = "/orv/";
  settings.currentDir = "ann.orv\\";
  EXPECT_EQ(PositionFilePath("/ORV/ORV.ORV/ANN.ORV/WORDS0.ORV", "ann", settings),
            "/orv/User\\ann.DIR\\ann.orv\\WORDS0.POS");
  // The whole user name: names that share the part before a "." differ.
  EXPECT_EQ(PositionFilePath("/ORV/ORV.ORV/WORDS0.ORV", "j.smith", settings),
            "/orv/User\\j.smith.DIR\\ann.orv\\WORDS0.POS");
  EXPECT_EQ(PositionFilePath("/ORV/ORV.ORV/CLASS.NAM", "ann", settings), "/ORV/ORV.ORV/CLASS.PO2");
  // Only the file name's extension counts, in a folder named like a name list
  // and on a path longer than a file name may be.
  EXPECT_EQ(PositionFilePath("/ORV/X.NAM/WORDS0.ORV", "ann", settings),
            "/orv/User\\ann.DIR\\ann.orv\\WORDS0.POS");
  const std::string deep = "/ORV/" + std::string(300, 'd') + "/";
  EXPECT_EQ(PositionFilePath(deep + "CLASS.NAM", "ann", settings), deep + "CLASS.PO2");
}

TEST(MakePositionFile, ShuffledOrInOrderAndFolderMade) {
  TempDir dir;
  FakeDialogs dialogs;
  std::string inOrder = dir.Str() + "User\\ann.DIR\\g.orv\\A.POS";
  MakePositionFile(inOrder, 7, true, dialogs);
  EXPECT_EQ(dir.Read("User/ann.DIR/g.orv/A.POS"), "1\r\n2\r\n3\r\n4\r\n5\r\n6\r\n7\r\n");

  std::string shuffled = dir.Str() + "B.POS";
  bool someMoved = false;
  for (int round = 0; round < 5 && !someMoved; ++round) {
    MakePositionFile(shuffled, 200, false, dialogs);
    std::vector<int> numbers = ReadPositions(shuffled);
    EXPECT_TRUE(IsPermutationOfOneTo(numbers, 200));
    someMoved = !std::is_sorted(numbers.begin(), numbers.end());
  }
  EXPECT_TRUE(someMoved);
  EXPECT_TRUE(dialogs.messages.empty());
}

TEST(MakePositionFile, NoWordsShowsABoxAndWritesNothing) {
  TempDir dir;
  FakeDialogs dialogs;
  MakePositionFile(dir.Str() + "C.POS", 0, false, dialogs);
  EXPECT_EQ(dialogs.Texts(), (std::vector<std::string>{" Not enough words in file"}));
  EXPECT_FALSE(FileFound(dir.Str() + "C.POS"));
}

TEST(MakePositionFile, AFailedWriteIsShown) {
  TempDir dir;
  FakeDialogs dialogs;
  {
    test::FileSizeLimit limit(8);
    MakePositionFile(dir.Str() + "D.POS", 50, true, dialogs);
  }
  ASSERT_EQ(dialogs.messages.size(), 1u);
  EXPECT_EQ(dialogs.messages[0].kind, MsgKind::Error);
  EXPECT_NE(dialogs.messages[0].text.find(ErrorText(101)), std::string::npos);
}

TEST(PickQuestion, InOrderTakesLineQAndSplitsAtTheFirstBar) {
  TempDir dir;
  FakeDialogs dialogs;
  BufferO list;
  list.Add("cat");
  list.Add("what|is|this");
  BufferO positions;
  Question question;
  PickQuestion(list, positions, 2, true, dir.Str() + "X.POS", dialogs, question);
  EXPECT_EQ(question.prompt, "what");
  EXPECT_EQ(question.answer, "is|this");
  EXPECT_EQ(question.Key(), "what|is|this");
  PickQuestion(list, positions, 1, true, dir.Str() + "X.POS", dialogs, question);
  EXPECT_EQ(question.prompt, "cat");
  EXPECT_FALSE(question.HasPrompt());
}

TEST(PickQuestion, PositionsBeyondAShortenedListAreSkipped) {
  TempDir dir;
  FakeDialogs dialogs;
  BufferO list = ListOf(5);
  BufferO positions;
  for (const char* p : {"9", "0", "x", "-2", "3", "8", "1"}) positions.Add(p);
  Question question;
  PickQuestion(list, positions, 1, false, dir.Str() + "X.POS", dialogs, question);
  EXPECT_EQ(question.answer, "w3");
  PickQuestion(list, positions, 2, false, dir.Str() + "X.POS", dialogs, question);
  EXPECT_EQ(question.answer, "w1");
  EXPECT_EQ(positions.Count(), 0);
  EXPECT_TRUE(dialogs.messages.empty());
}

TEST(PickQuestion, ANewRoundThatCannotBeWrittenIsAskedFromMemory) {
  TempDir dir;
  FakeDialogs dialogs;
  BufferO list = ListOf(3);
  BufferO positions;
  Question question = Question::FromLine("old");
  // A folder in the way: the new round can be neither written nor read.
  std::filesystem::create_directories(dir.Path() / "X.POS");
  PickQuestion(list, positions, 1, false, dir.Str() + "X.POS", dialogs, question);
  // The failed write is told, and the new round is asked from memory.
  ASSERT_EQ(dialogs.messages.size(), 1u);
  EXPECT_NE(dialogs.messages[0].text.find(ErrorText(5)), std::string::npos)
      << dialogs.messages[0].text;
  EXPECT_EQ(list.Count(), 3);
  EXPECT_EQ(positions.Count(), 2);
  EXPECT_NE(question.answer, "old");
}

class PositionFiles : public SessionTest {
 protected:
  // Plays one ten-word test, answering every word right, and returns the
  // numbers of the words asked.
  std::vector<int> TakeTest(const std::string& path) {
    learner.timed.clear();
    learner.beforeAnswer = [&] { learner.Say(learner.WordsShown().back()); };
    Run(path);
    std::vector<int> asked;
    for (const auto& word : learner.WordsShown()) asked.push_back(std::stoi(word.substr(1)));
    return asked;
  }

  // The rule that orders questions: the first remaining position is asked;
  // a new round of n goes behind the remaining ones when none is left or the
  // first exceeds their number. Given the positions before a test, the words
  // asked and the positions after it, the rounds appended are what is left of
  // asked + after once the positions before are taken off; replaying the rule
  // with them must reproduce both.
  static void CheckFollowsTheRule(const std::vector<int>& before, const std::vector<int>& asked,
                                  const std::vector<int>& after, int n) {
    std::vector<int> all = asked;
    all.insert(all.end(), after.begin(), after.end());
    ASSERT_GE(all.size(), before.size());
    ASSERT_TRUE(std::equal(before.begin(), before.end(), all.begin()));
    std::vector<int> rounds(all.begin() + static_cast<long>(before.size()), all.end());
    ASSERT_EQ(rounds.size() % static_cast<std::size_t>(n), 0u);
    std::deque<int> left(before.begin(), before.end());
    std::size_t next = 0;
    for (int word : asked) {
      if (left.empty() || static_cast<int>(left.size()) < left.front()) {
        ASSERT_LT(next, rounds.size()) << "a round was needed but none was appended";
        std::vector<int> round(rounds.begin() + static_cast<long>(next),
                               rounds.begin() + static_cast<long>(next) + n);
        EXPECT_TRUE(IsPermutationOfOneTo(round, n));
        left.insert(left.end(), round.begin(), round.end());
        next += static_cast<std::size_t>(n);
      }
      EXPECT_EQ(word, left.front());
      left.pop_front();
    }
    EXPECT_EQ(next, rounds.size()) << "a round was appended that was not needed";
    EXPECT_EQ(std::vector<int>(left.begin(), left.end()), after);
  }
};

TEST_F(PositionFiles, PositionsCarryOverAndNewRoundsAreAppended) {
  // Words whose sorted order is their number: w01 ... w25.
  std::string text;
  for (int i = 1; i <= 25; ++i) text += (i < 10 ? "w0" : "w") + std::to_string(i) + "\r\n";
  std::string path = WriteList("many.orv", text);
  settings.wholeFile = false;
  settings.inOrder = false;
  settings.currentDir = "ann.orv\\";
  std::string positions = dir.Str() + "User/ann.DIR/ann.orv/MANY.POS";

  std::vector<int> before;
  for (int test = 0; test < 4; ++test) {
    std::vector<int> asked = TakeTest(path);
    ASSERT_EQ(asked.size(), 10u);
    std::vector<int> after = ReadPositions(positions);
    CheckFollowsTheRule(before, asked, after, 25);
    before = after;
  }
  EXPECT_EQ(Rows("select count(*) from score where word_count = 10 and score = 10"),
            (std::vector<Row>{{"4"}}));
  EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(PositionFiles, PositionFileWrittenForALongerListIsNotAFailure) {
  std::string text;
  for (int i = 1; i <= 12; ++i) text += (i < 10 ? "w0" : "w") + std::to_string(i) + "\r\n";
  std::string path = WriteList("short.orv", text);
  dir.Write("User/ann.DIR/SHORT.POS", "30\r\n2\r\n40\r\n5\r\n25\r\n");
  settings.wholeFile = false;
  std::vector<int> asked = TakeTest(path);
  ASSERT_EQ(asked.size(), 10u);
  EXPECT_EQ(asked[0], 2);
  EXPECT_EQ(asked[1], 5);
  for (int word : asked) EXPECT_TRUE(word >= 1 && word <= 12) << word;
  EXPECT_EQ(Scores(), (std::vector<Row>{{"ann", "SHORT.SCO", "10", "10", "0", "0"}}));
}

TEST_F(PositionFiles, TenWordsInOrderKeepTheFileSorted) {
  std::string path = WriteList("abc.orv", "c\r\nb\r\na\r\n");
  dir.Write("User/ann.DIR/ABC.POS", "3\r\n1\r\n2\r\n");
  settings.wholeFile = false;
  settings.inOrder = true;
  learner.Say("a").Say("b").Say("c");
  Run(path);
  EXPECT_EQ(learner.WordsShown(), (std::vector<std::string>{"a", "b", "c"}));
  EXPECT_EQ(dir.Read("User/ann.DIR/ABC.POS"), "1\r\n2\r\n3\r\n");
}

TEST_F(PositionFiles, WholeFileInOrderRemovesAnOldPositionFile) {
  std::string path = WriteList("abc.orv", "a\r\nb\r\n");
  dir.Write("User/ann.DIR/ABC.POS", "2\r\n1\r\n");
  settings.wholeFile = true;
  settings.inOrder = true;
  learner.Say("a").Say("b");
  Run(path);
  EXPECT_FALSE(FileFound(dir.Str() + "User/ann.DIR/ABC.POS"));
}

TEST_F(PositionFiles, WholeFileRandomAsksEveryWordOnce) {
  std::string text;
  for (int i = 1; i <= 30; ++i) text += (i < 10 ? "w0" : "w") + std::to_string(i) + "\r\n";
  std::string path = WriteList("thirty.orv", text);
  dir.Write("User/ann.DIR/THIRTY.POS", "7\r\n");  // rewritten at the start
  settings.wholeFile = true;
  settings.inOrder = false;
  std::vector<int> asked = TakeTest(path);
  EXPECT_TRUE(IsPermutationOfOneTo(asked, 30));
}

TEST_F(PositionFiles, UsedUpPositionsRemoveTheFile) {
  std::string path = WriteList("one.orv", "w01\r\n");
  settings.wholeFile = false;
  std::vector<int> asked = TakeTest(path);
  EXPECT_EQ(asked, std::vector<int>(10, 1));
  EXPECT_FALSE(FileFound(dir.Str() + "User/ann.DIR/ONE.POS"));
}

}  // namespace
}  // namespace orv::test
