#include "lists/buffers.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <initializer_list>
#include <string>
#include <vector>

#include "support/temp_dir.h"

namespace orv {
namespace {

using Lines = std::vector<std::string>;

BufferO Make(std::initializer_list<const char*> lines) {
  BufferO b;
  for (const char* line : lines) b.Add(line);
  return b;
}

Lines All(const BufferO& b) {
  Lines out;
  for (LineNo i : LineNumbers(b.Count())) out.push_back(b.Get(i));
  return out;
}

template <class F>
std::string ErrorOf(F f) {
  try {
    f();
  } catch (const E_Buffer_Error& e) {
    return e.what();
  }
  return "no error";
}

const std::string kNonentity =
    "Error num 523, Trying to access a buffer element that is a nonentity";

TEST(BufferGet, NonexistentLinesRaiseTheirOwnTexts) {
  BufferO b = Make({"a", "b"});
  EXPECT_EQ(ErrorOf([&] { b.Get(0); }),
            "Error in _Buffers.BufferO.Get:Error num 524, Trying to access a buffer element that "
            "is a nonentity < 0");
  EXPECT_EQ(ErrorOf([&] { b.Get(3); }), "Error in _Buffers.BufferO.Get:" + kNonentity);
  BufferO empty;
  EXPECT_EQ(ErrorOf([&] { empty.Get(1); }), "Error in _Buffers.BufferO.Get:" + kNonentity);
  EXPECT_EQ(b.Get(2), "b");
}

TEST(BufferAdd, HoldsAtMost65535Lines) {
  BufferO b;
  for (std::uint32_t i = 1; i <= BufferO::kMaxLines; ++i) b.Add(std::to_string(i));
  EXPECT_EQ(b.Count(), 65535);
  EXPECT_EQ(ErrorOf([&] { b.Add("one too many"); }),
            "Error in _Buffers.BufferO.Add:Error num 522, Buffer can't exceed 65535(a word) lines");
  EXPECT_EQ(b.Count(), 65535);
  EXPECT_EQ(b.Get(65535), "65535");
  EXPECT_EQ(b.Get(40000), "40000");
}

TEST(BufferDel, RemovesOneLineAndIgnoresLinesPastTheEnd) {
  BufferO b = Make({"A", "B", "C"});
  b.Del(7);
  EXPECT_EQ(All(b), (Lines{"A", "B", "C"}));
  EXPECT_EQ(ErrorOf([&] { b.Del(0); }), "Error in _Buffers.BufferO.Del:" + kNonentity);
  EXPECT_EQ(All(b), (Lines{"A", "B", "C"}));
  b.Del(2);
  EXPECT_EQ(All(b), (Lines{"A", "C"}));
  b.Del(2);
  EXPECT_EQ(All(b), (Lines{"A"}));
  b.Del(1);
  EXPECT_EQ(b.Count(), 0);
}

TEST(BufferOvr, ReplacesOrPadsWithEmptyLines) {
  BufferO b = Make({"a", "b"});
  b.Ovr("x", 5);
  EXPECT_EQ(All(b), (Lines{"a", "b", "", "", "x"}));
  b.Ovr("y", 6);
  EXPECT_EQ(All(b), (Lines{"a", "b", "", "", "x", "y"}));
  b.Ovr("B", 2);
  b.Ovr("a much longer line than before", 1);
  EXPECT_EQ(All(b), (Lines{"a much longer line than before", "B", "", "", "x", "y"}));
  EXPECT_EQ(ErrorOf([&] { b.Ovr("z", 0); }), "Error in _Buffers.BufferO.Ovr:" + kNonentity);
  EXPECT_EQ(b.Count(), 6);

  BufferO far;
  far.Ovr("last", 65535);
  EXPECT_EQ(far.Count(), 65535);
  EXPECT_EQ(far.Get(65535), "last");
  EXPECT_EQ(far.Get(65534), "");
}

TEST(BufferSwop, ExchangesAnyTwoLines) {
  BufferO b = Make({"A", "B", "C", "D"});
  b.Swop(2, 3);
  EXPECT_EQ(All(b), (Lines{"A", "C", "B", "D"}));
  b.Swop(3, 2);
  EXPECT_EQ(All(b), (Lines{"A", "B", "C", "D"}));
  b.Swop(1, 4);
  EXPECT_EQ(All(b), (Lines{"D", "B", "C", "A"}));
  b.Swop(1, 2);
  b.Swop(4, 3);
  EXPECT_EQ(All(b), (Lines{"B", "D", "A", "C"}));
}

TEST(BufferSwop, IgnoresZeroAndEqualButRaisesPastTheEnd) {
  BufferO b = Make({"A", "B", "C"});
  b.Swop(0, 2);
  b.Swop(2, 0);
  b.Swop(2, 2);
  EXPECT_EQ(All(b), (Lines{"A", "B", "C"}));
  EXPECT_EQ(ErrorOf([&] { b.Swop(1, 4); }), "Error in _Buffers.BufferO.Swop:" + kNonentity);
  EXPECT_EQ(ErrorOf([&] { b.Swop(0, 4); }), "Error in _Buffers.BufferO.Swop:" + kNonentity);
  EXPECT_EQ(All(b), (Lines{"A", "B", "C"}));
}

TEST(BufferMove, TakesALineOutAndPutsItAtTheNewPosition) {
  const auto moved = [](LineNo a, LineNo b) {
    BufferO buf = Make({"A", "B", "C", "D"});
    buf.Move(a, b);
    return All(buf);
  };
  EXPECT_EQ(moved(1, 3), (Lines{"B", "C", "A", "D"}));
  EXPECT_EQ(moved(3, 1), (Lines{"C", "A", "B", "D"}));
  EXPECT_EQ(moved(1, 4), (Lines{"B", "C", "D", "A"}));
  EXPECT_EQ(moved(4, 1), (Lines{"D", "A", "B", "C"}));
  EXPECT_EQ(moved(2, 3), (Lines{"A", "C", "B", "D"}));
  EXPECT_EQ(moved(3, 2), (Lines{"A", "C", "B", "D"}));
  EXPECT_EQ(moved(3, 4), (Lines{"A", "B", "D", "C"}));
  EXPECT_EQ(moved(2, 2), (Lines{"A", "B", "C", "D"}));
}

TEST(BufferMove, RaisesWithTheSwopTextForZeroOrPastTheEnd) {
  BufferO b = Make({"A", "B"});
  for (auto [from, to] : {std::pair<LineNo, LineNo>{0, 1}, {1, 0}, {1, 3}, {3, 1}}) {
    EXPECT_EQ(ErrorOf([&] { b.Move(from, to); }), "Error in _Buffers.BufferO.Swop:" + kNonentity);
  }
  EXPECT_EQ(All(b), (Lines{"A", "B"}));
}

TEST(BufferSort, OrdersByUnsignedCharacterCodes) {
  BufferO b = Make({"b", "B", "a"});
  b.Sort();
  EXPECT_EQ(All(b), (Lines{"B", "a", "b"}));
  BufferO c = Make({"\xC3\xA9", "ab", "z", "a", ""});
  c.Sort();
  EXPECT_EQ(All(c), (Lines{"", "a", "ab", "z", "\xC3\xA9"}));
  BufferO one = Make({"x"});
  one.Sort();
  EXPECT_EQ(All(one), (Lines{"x"}));
}

TEST(BufferSort, LinesAlikeInTheirFirstBytesAreOrderedByTheRest) {
  const Lines lines = {"0123456789abcdefZ",     "0123456789abcdef",     "0123456789abcdef\x01",
                       std::string("ab\0c", 4), std::string("ab\0", 3), "ab",
                       "0123456789abcdeg",      "0123456789abcdefA",    "\xFF",
                       "0123456789abcdef"};
  BufferO b;
  for (const std::string& line : lines) b.Add(line);
  b.Sort();
  Lines expected = lines;
  std::sort(expected.begin(), expected.end());
  EXPECT_EQ(All(b), expected);
}

TEST(BufferSort, ByNumberUsesTheDigitsAndMinusOfEachLine) {
  BufferO b = Make({"x10", "9", "-3", "y"});
  b.SortByNumber();
  EXPECT_EQ(All(b), (Lines{"-3", "y", "9", "x10"}));
  // Texts that do not convert, or that overflow 32 bits, count as 0.
  BufferO c = Make({"5", "a-1-", "99999999999", "2-", "-2147483648", "1 2"});
  c.SortByNumber();
  EXPECT_EQ(All(c), (Lines{"-2147483648", "a-1-", "99999999999", "2-", "5", "1 2"}));
}

TEST(BufferSort, ByNumberKeepsTheOrderOfEqualNumbers) {
  // Enough lines that an unstable sort would show; the letters tell them apart.
  BufferO b;
  Lines byKey[3];
  for (int i = 0; i < 300; ++i) {
    const std::string line = std::string(1, static_cast<char>('a' + i % 26)) +
                             static_cast<char>('a' + i / 26) + std::to_string((i * 7) % 3);
    b.Add(line);
    byKey[(i * 7) % 3].push_back(line);
  }
  b.SortByNumber();
  Lines expected = byKey[0];
  expected.insert(expected.end(), byKey[1].begin(), byKey[1].end());
  expected.insert(expected.end(), byKey[2].begin(), byKey[2].end());
  EXPECT_EQ(All(b), expected);
}

TEST(BufferFind, ComparesTheFirstNCharacters) {
  BufferO b = Make({"xyz", "ABC", "abc", "ab"});
  EXPECT_EQ(b.Find("ab", 2, false), 2);
  EXPECT_EQ(b.Find("ab", 2, true), 3);
  EXPECT_EQ(b.Find("ABX", 2, true), 2);
  EXPECT_EQ(b.Find("ab", 5, true), 4);
  EXPECT_EQ(b.Find("q", 1, false), 0);
  EXPECT_EQ(b.Find("anything", 0, true), 1);
  BufferO accents = Make({"\xC3\xA9t\xC3\xA9"});
  EXPECT_EQ(accents.Find("\xC3\x89T\xC3\x89", 5, false), 0);
  EXPECT_EQ(accents.Find("\xC3\xA9T", 3, false), 1);
  EXPECT_EQ(Make({"$NOSORT"}).Find("$noSort", 7, false), 1);
}

TEST(BufferKeys, KeyValueReadsTheDigitsAfterTheFirstEquals) {
  BufferO b = Make({"Name=ann", "levelx=3", "Level=12", "LEVEL = -5", "size=1a2", "x=abc",
                    "big=99999999999", "level=77"});
  EXPECT_TRUE(b.HasKey("level"));
  EXPECT_TRUE(b.HasKey("NAME"));
  EXPECT_FALSE(b.HasKey("nam"));
  EXPECT_EQ(b.KeyValue("level"), 12);
  EXPECT_EQ(b.KeyValue("level "), 5);
  EXPECT_EQ(b.KeyValue("size"), 12);
  EXPECT_EQ(b.KeyValue("missing"), 0);
  try {
    b.KeyValue("x");
    ADD_FAILURE() << "a value without digits converted";
  } catch (const EConvertError& e) {
    EXPECT_STREQ(e.what(), "'' is not a valid integer value");
  }
  EXPECT_THROW(b.KeyValue("big"), EConvertError);
}

class BufferFiles : public ::testing::Test {
 protected:
  Lines Load(const std::string& bytes) {
    BufferO b;
    EXPECT_EQ(LoadFromFile(b, dir.Write("list.orv", bytes)), 0);
    return All(b);
  }
  test::TempDir dir;
};

TEST_F(BufferFiles, LineEndsAreCrLfOrLf) {
  EXPECT_EQ(Load("one\r\ntwo\r\n"), (Lines{"one", "two"}));
  EXPECT_EQ(Load("one\ntwo"), (Lines{"one", "two"}));
  EXPECT_EQ(Load("one\r\n\r\n\nthree\r\n"), (Lines{"one", "", "", "three"}));
  EXPECT_EQ(Load("a\rb\n"), (Lines{"a\rb"}));
  EXPECT_EQ(Load("\r\n"), (Lines{""}));
  EXPECT_EQ(Load(""), (Lines{}));
}

TEST_F(BufferFiles, CtrlZWhereALineBeginsEndsTheText) {
  EXPECT_EQ(Load("one\r\n\x1A\r\ntwo\r\n"), (Lines{"one"}));
  EXPECT_EQ(Load("one\r\ntw\x1Ao\r\n"), (Lines{"one", "tw\x1Ao"}));
  EXPECT_EQ(Load("\x1A"), (Lines{}));
}

TEST_F(BufferFiles, Windows1252TextArrivesAsUtf8) {
  EXPECT_EQ(Load("caf\xE9\r\n\x80 5\r\n"), (Lines{"caf\xC3\xA9", "\xE2\x82\xAC 5"}));
}

TEST_F(BufferFiles, LoadAppendsAndLeavesTheBufferAloneOnFailure) {
  BufferO b = Make({"kept"});
  EXPECT_EQ(LoadFromFile(b, dir.Write("l.orv", "new\n")), 0);
  EXPECT_EQ(All(b), (Lines{"kept", "new"}));
  EXPECT_EQ(LoadFromFile(b, ""), 600);
  EXPECT_EQ(LoadFromFile(b, dir.Str() + "missing.orv"), 2);
  EXPECT_EQ(LoadFromFile(b, dir.Str() + "nofolder/missing.orv"), 3);
  EXPECT_EQ(All(b), (Lines{"kept", "new"}));
}

TEST_F(BufferFiles, LoadStopsWithTheAddErrorWhenTheBufferIsFull) {
  BufferO b;
  for (int i = 0; i < 65533; ++i) b.Add("x");
  EXPECT_EQ(ErrorOf([&] { LoadFromFile(b, dir.Write("l.orv", "1\n2\n3\n4\n")); }),
            "Error in _Buffers.BufferO.Add:Error num 522, Buffer can't exceed 65535(a word) lines");
  EXPECT_EQ(b.Count(), 65535);
  EXPECT_EQ(b.Get(65535), "2");
}

TEST_F(BufferFiles, SaveEndsEveryLineWithCrLf) {
  const std::string path = dir.Str() + "out.orv";
  EXPECT_EQ(SaveToFile(Make({"a", "", "caf\xC3\xA9"}), path), 0);
  EXPECT_EQ(dir.Read("out.orv"), "a\r\n\r\ncaf\xC3\xA9\r\n");
  EXPECT_EQ(SaveToFile(BufferO(), path), 0);
  EXPECT_EQ(dir.Read("out.orv"), "");
  EXPECT_EQ(SaveToFile(Make({"a"}), dir.Str() + "nofolder/out.orv"), 3);
  EXPECT_EQ(SaveToFile(Make({"a"}), ""), 600);
}

TEST_F(BufferFiles, AFullBufferSurvivesARoundTrip) {
  BufferO b;
  for (std::uint32_t i = 1; i <= BufferO::kMaxLines; ++i) b.Add("line " + std::to_string(i));
  const std::string path = dir.Str() + "full.orv";
  ASSERT_EQ(SaveToFile(b, path), 0);
  BufferO back;
  ASSERT_EQ(LoadFromFile(back, path), 0);
  EXPECT_EQ(All(back), All(b));
}

}  // namespace
}  // namespace orv
