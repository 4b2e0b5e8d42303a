// Cleaning a list before it is compiled.
#include "lists/cleanlist.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "support/buffer_lines.h"

namespace orv {
namespace {

using V = std::vector<std::string>;

// Whether a line above index holds the same text.
bool SeenBefore(const BufferO& list, const std::string& line, LineNo index) {
  for (LineNo j = 1; j < index; ++j) {
    if (list.Get(j) == line) return true;
  }
  return false;
}

// The cleaning as defined, one line at a time, each line compared with every
// earlier one: the reference the fast cleaning must agree with.
bool CleanOneLineAtATime(BufferO& list, bool isNameList) {
  bool clean = true;
  std::uint32_t i = 1;
  while (i <= list.Count()) {
    const auto index = static_cast<LineNo>(i);
    std::string line = list.Get(index);
    if (!line.empty() && line.front() == ' ') {
      const std::size_t first = line.find_first_not_of(' ');
      line = first == std::string::npos ? std::string() : line.substr(first);
      list.Ovr(line, index);
      clean = false;
    }
    if (!line.empty() && line.back() == ' ') {
      line.erase(line.find_last_not_of(' ') + 1);
      list.Ovr(line, index);
      clean = false;
    }
    if (line.empty() || (!isNameList && SeenBefore(list, line, index))) {
      list.Del(index);
      clean = false;
      continue;
    }
    ++i;
  }
  return clean;
}

TEST(CleanList, BlanksEmptyLinesAndRepeats) {
  BufferO list = test::BufferOf({" cat", "dog ", "", "cat"});
  EXPECT_FALSE(CleanList(list, false));
  EXPECT_EQ(test::LinesOf(list), (V{"cat", "dog"}));
}

TEST(CleanList, NameListKeepsRepeats) {
  BufferO list = test::BufferOf({" cat", "dog ", "", "cat"});
  EXPECT_FALSE(CleanList(list, true));
  EXPECT_EQ(test::LinesOf(list), (V{"cat", "dog", "cat"}));
}

TEST(CleanList, OnlyTheBlankIsTrimmed) {
  BufferO list = test::BufferOf({"   ", "\tcat", "cat\t", "  two  words  ", "Cat", "cat"});
  EXPECT_FALSE(CleanList(list, false));
  EXPECT_EQ(test::LinesOf(list), (V{"\tcat", "cat\t", "two  words", "Cat", "cat"}))
      << "tabs stay and letter case counts";
}

TEST(CleanList, CleanListIsLeftAsItIs) {
  BufferO list = test::BufferOf({"cat", "dog", "$script", "$3+4"});
  EXPECT_TRUE(CleanList(list, false));
  EXPECT_EQ(test::LinesOf(list), (V{"cat", "dog", "$script", "$3+4"}));
  BufferO names = test::BufferOf({"ann", "ann"});
  EXPECT_TRUE(CleanList(names, true));
  BufferO empty;
  EXPECT_TRUE(CleanList(empty, false));
}

TEST(CleanList, RepeatOfATrimmedLineIsARepeat) {
  BufferO list = test::BufferOf({"cat", "  cat  "});
  EXPECT_FALSE(CleanList(list, false));
  EXPECT_EQ(test::LinesOf(list), V{"cat"});
}

TEST(CleanList, GivesTheLineNumbersBeforeCleaning) {
  BufferO list = test::BufferOf({"", "cat", " ", "dog", "cat", "emu"});
  std::vector<LineNo> origins{99};
  CleanList(list, false, &origins);
  EXPECT_EQ(test::LinesOf(list), (V{"cat", "dog", "emu"}));
  EXPECT_EQ(origins, (std::vector<LineNo>{2, 4, 6}));
}

TEST(CleanList, AgreesWithTheLineByLineDefinitionOnRandomLists) {
  std::mt19937 random(2024);
  const V pieces = {"a", "b", "ab", "A", "a b", "$x", "\t"};
  for (int round = 0; round < 300; ++round) {
    const int size = static_cast<int>(random() % 40);
    V lines;
    for (int k = 0; k < size; ++k) {
      std::string line(random() % 3, ' ');
      if (random() % 6 != 0) line += pieces[random() % pieces.size()];
      line += std::string(random() % 3, ' ');
      lines.push_back(line);
    }
    for (bool names : {false, true}) {
      BufferO fast = test::BufferOf(lines);
      BufferO reference = test::BufferOf(lines);
      const bool fastClean = CleanList(fast, names);
      const bool referenceClean = CleanOneLineAtATime(reference, names);
      ASSERT_EQ(test::LinesOf(fast), test::LinesOf(reference)) << "round " << round;
      ASSERT_EQ(fastClean, referenceClean) << "round " << round;
    }
  }
}

TEST(CleanList, LargeListWithRepeats) {
  BufferO list;
  for (int i = 0; i < 65535; ++i) list.Add("word" + std::to_string(i % 32768));
  EXPECT_FALSE(CleanList(list, false));
  ASSERT_EQ(list.Count(), 32768u);
  EXPECT_EQ(list.Get(32768), "word32767");
}

TEST(NameList, ExtensionNamInAnyLetterCase) {
  EXPECT_TRUE(IsNameList("C:\\lists\\CLASS.NAM"));
  EXPECT_TRUE(IsNameList("/tmp/class.nam"));
  EXPECT_FALSE(IsNameList("/tmp/class.orv"));
  EXPECT_FALSE(IsNameList("/tmp/x.nam/list"));
  EXPECT_FALSE(IsNameList("NAM"));
}

TEST(NoSort, LineBeginningWithTheWordInAnyLetterCase) {
  EXPECT_TRUE(HasNoSort(test::BufferOf({"cat", "$NOSORT"})));
  EXPECT_TRUE(HasNoSort(test::BufferOf({"$noSort and more", "cat"})));
  EXPECT_FALSE(HasNoSort(test::BufferOf({"cat", " $noSort", "x$noSort", "$noSor"})));
  EXPECT_FALSE(HasNoSort(BufferO{}));
}

}  // namespace
}  // namespace orv
