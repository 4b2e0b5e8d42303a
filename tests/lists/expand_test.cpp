// Expansion and evaluation of single expression lines.
#include "lists/expand.h"
#include "base/numbertext.h"

#include <gtest/gtest.h>

#include <cctype>
#include <optional>
#include <random>
#include <set>
#include <string>
#include <vector>

#include "base/errors.h"
#include "base/strings.h"
#include "lists/evaluatelines.h"
#include "lists/random.h"
#include "support/buffer_lines.h"

namespace orv {
namespace {

std::vector<std::string> Expanded(std::string_view line) {
  BufferO out;
  ExpandLine(out, line);
  return test::LinesOf(out);
}

// Both stages, as the compiler runs them on one source line.
std::vector<std::string> Compiled(std::string_view line) {
  BufferO out;
  ExpandLine(out, line);
  EvaluateLines(out);
  return test::LinesOf(out);
}

// The range expansion as defined, recursively and without shortcuts, for
// lines without fixed groups: the reference for ExpandLine.
void ExpandByDefinition(BufferO& output, const std::string& source) {
  std::string line = source.substr(0, source.find("//"));
  const std::size_t hash = line.find('#');
  if (hash == std::string::npos) {
    if (!line.empty()) output.Add(line);
    return;
  }
  if (line.size() - hash - 1 < 2 ||
      !(std::isdigit(static_cast<unsigned char>(line[hash + 1])) || line[hash + 1] == '-')) {
    return;
  }
  const std::string head = line.substr(0, hash);
  std::string rest = line.substr(hash + 1);
  const std::string first = TakeInteger(rest);
  BufferO work;
  if (UpperAZ(rest.substr(0, 2)) != "TO") {
    work.Add("// The spelling file has errors the keyword \"to\" was expected on line:" + source +
             " after:" + head + first);
  } else {
    rest.erase(0, 2);
    const std::string second = TakeInteger(rest);
    const long long a = NumOf(first), b = NumOf(second), step = b >= a ? 1 : -1;
    for (long long n = a;; n += step) {
      work.Add(head + std::to_string(n) + rest);
      if (n == b) break;
    }
  }
  for (std::uint32_t i = 1; i <= work.Count(); ++i) {
    const std::string w = work.Get(static_cast<LineNo>(i));
    if (w.starts_with("//") || w.find('#') == std::string::npos ||
        rest.find("//") != std::string::npos) {
      output.Add(w);
    } else {
      ExpandByDefinition(output, w);
    }
  }
}

class ExpressionLine : public ::testing::Test {
 protected:
  void SetUp() override { SeedRandom(12345); }
};

using V = std::vector<std::string>;

TEST_F(ExpressionLine, WorkedExamplesWithoutRandomNumbers) {
  struct Row {
    const char* line;
    V compiled;
  };
  const Row rows[] = {
      {"$12x3", {"12x3|36"}},
      {"$#1to3+5", {"1+5|6", "2+5|7", "3+5|8"}},
      {"$#3to1 x 2", {"3 x 2|6", "2 x 2|4", "1 x 2|2"}},
      {"$#1to2x#1to2", {"1x1|1", "1x2|2", "2x1|2", "2x2|4"}},
      {"$2(3+4)", {"2(3+4)|14"}},
      {"$1/2+1/3", {"1/2+1/3|5/6"}},
      {"$7/2", {"7/2|3 1/2"}},
      {"$2^100", {"2^100|1267650600228229401496703205376"}},
      {"$FPoint(1)10/3.0", {"FPoint(1)10/3.0|3.3"}},
      {"$3+4 // easy", {"3+4 |7"}},
      {"$#1 to 3",
       {"// The spelling file has errors the keyword \"to\" was expected on line:$#1 to 3 "
        "after:$1"}},
      {"$rand(1 9)", {"//error rand function marked with ^ needs \":\" ^RAND(1 9)"}},
      {"$What is 3+4", {"//unexpected error in line:What is 3+4"}},
  };
  for (const Row& row : rows) EXPECT_EQ(Compiled(row.line), row.compiled) << row.line;
}

TEST_F(ExpressionLine, FixedGroupDrawsOncePerSourceLine) {
  for (std::uint64_t seed = 1; seed <= 20; ++seed) {
    SeedRandom(seed);
    const V lines = Compiled("$[rand(1:9)]+#1to2");
    ASSERT_EQ(lines.size(), 2u);
    const int n = std::stoi(lines[0]);
    EXPECT_GE(n, 1);
    EXPECT_LE(n, 9);
    EXPECT_EQ(lines[0], std::to_string(n) + "+1|" + std::to_string(n + 1));
    EXPECT_EQ(lines[1], std::to_string(n) + "+2|" + std::to_string(n + 2));
  }
  // Drawn before the ranges: the expanded lines already hold the number.
  SeedRandom(3);
  const V expanded = Expanded("$[rand(1:1000000)]x#1to3");
  ASSERT_EQ(expanded.size(), 3u);
  const std::string n = expanded[0].substr(1, expanded[0].find('x') - 1);
  EXPECT_EQ(expanded, (V{"$" + n + "x1", "$" + n + "x2", "$" + n + "x3"}));
}

TEST_F(ExpressionLine, BareRandomCallDrawsPerExpandedLine) {
  std::set<int> seen;
  for (std::uint64_t seed = 1; seed <= 30; ++seed) {
    SeedRandom(seed);
    const V lines = Compiled("$rand(1:9)+#1to2");
    ASSERT_EQ(lines.size(), 2u);
    for (int k = 0; k < 2; ++k) {
      const int n = std::stoi(lines[k]);
      EXPECT_GE(n, 1);
      EXPECT_LE(n, 9);
      EXPECT_EQ(lines[k],
                std::to_string(n) + "+" + std::to_string(k + 1) + "|" + std::to_string(n + k + 1));
      seen.insert(n);
    }
  }
  EXPECT_EQ(seen.size(), 9u) << "every value from 1 to 9 is drawn";
  // The expanded lines still hold the call; each evaluation draws anew.
  EXPECT_EQ(Expanded("$rand(1:9)+#1to2"), (V{"$rand(1:9)+1", "$rand(1:9)+2"}));
  SeedRandom(5);
  const V wide = Compiled("$rand(1:1000000000)x#1to3");
  ASSERT_EQ(wide.size(), 3u);
  EXPECT_FALSE(wide[0].substr(0, wide[0].find('x')) == wide[1].substr(0, wide[1].find('x')) &&
               wide[1].substr(0, wide[1].find('x')) == wide[2].substr(0, wide[2].find('x')));
}

TEST_F(ExpressionLine, ValueGroupShowsItsValueInTheQuestion) {
  for (std::uint64_t seed = 1; seed <= 20; ++seed) {
    SeedRandom(seed);
    const V lines = Compiled("${rand(1:10)*2}/2");
    ASSERT_EQ(lines.size(), 1u);
    const int doubled = std::stoi(lines[0]);
    EXPECT_EQ(doubled % 2, 0);
    EXPECT_GE(doubled, 2);
    EXPECT_LE(doubled, 20);
    EXPECT_EQ(lines[0], std::to_string(doubled) + "/2|" + std::to_string(doubled / 2));
  }
  EXPECT_EQ(Compiled("${6x7}"), V{"42|42"});
  EXPECT_EQ(Compiled("$ {6x7} "), V{"42|42"}) << "blanks alone around a group are dropped";
  EXPECT_EQ(Compiled("${1+1}+{2x2}"), V{"2+4|6"});
  EXPECT_EQ(Compiled("${1+{2x3}}x2"), V{"7x2|14"});
}

TEST_F(ExpressionLine, WhereARangeStarts) {
  EXPECT_EQ(Expanded("$#1to3"), (V{"$1", "$2", "$3"}));
  EXPECT_EQ(Expanded("$#1to 3"), (V{"$1", "$2", "$3"}));
  EXPECT_EQ(Expanded("$#1TO3"), (V{"$1", "$2", "$3"}));
  EXPECT_EQ(Expanded("$#-2to2"), (V{"$-2", "$-1", "$0", "$1", "$2"}));
  EXPECT_EQ(Expanded("$#5to5"), V{"$5"});
  EXPECT_EQ(Expanded("$#2to-1"), (V{"$2", "$1", "$0", "$-1"}));
  // "#" not followed by a digit or "-", or by fewer than two characters.
  EXPECT_TRUE(Expanded("$Question #5").empty());
  EXPECT_TRUE(Expanded("$#a1to3").empty());
  EXPECT_TRUE(Expanded("$# 1to3").empty());
  EXPECT_TRUE(Expanded("$#+1to3").empty());
  EXPECT_TRUE(Compiled("$Question #5").empty());
  // Ranges before such a "#" make nothing either, however large they are.
  EXPECT_TRUE(Expanded("$#1to60000+#1to60000+#1to60000+#").empty());
  EXPECT_TRUE(Expanded("${1^to#0to30151o)x#-2to400#0").empty());
  // A lone "-" reads as 0.
  EXPECT_EQ(Expanded("$#-to1"), (V{"$0", "$1"}));
}

TEST_F(ExpressionLine, MissingKeywordNamesTheLineAndWhatStoodBefore) {
  const std::string prefix =
      "// The spelling file has errors the keyword \"to\" was expected on line:";
  EXPECT_EQ(Expanded("$x=#7 to 9"), V{prefix + "$x=#7 to 9 after:$x=7"});
  // In a later range the line named is the one being expanded at that point.
  EXPECT_EQ(Expanded("$#1to2x#3 to 4"),
            (V{prefix + "$1x#3 to 4 after:$1x3", prefix + "$2x#3 to 4 after:$2x3"}));
}

TEST_F(ExpressionLine, LeftmostRangeVariesSlowest) {
  EXPECT_EQ(Expanded("$#1to2+#3to4+#6to5"),
            (V{"$1+3+6", "$1+3+5", "$1+4+6", "$1+4+5", "$2+3+6", "$2+3+5", "$2+4+6", "$2+4+5"}));
}

TEST_F(ExpressionLine, AgreesWithTheRecursiveDefinitionOnRandomLines) {
  std::mt19937 random(77);
  const std::vector<std::string> pieces = {"#",      "#1to3", "#2to-1", "#-1to1", "to",
                                           "TO ",    " ",     "x",      "-",      "2",
                                           "#1 to2", "/",     "//",     "#0to0",  "#3"};
  for (int round = 0; round < 2000; ++round) {
    std::string line = "$";
    for (int k = static_cast<int>(random() % 8); k > 0; --k)
      line += pieces[random() % pieces.size()];
    BufferO fast;
    BufferO reference;
    ExpandLine(fast, line);
    ExpandByDefinition(reference, line);
    ASSERT_EQ(test::LinesOf(fast), test::LinesOf(reference)) << line;
  }
}

TEST_F(ExpressionLine, CommentIsCutBeforeAnythingElse) {
  EXPECT_EQ(Compiled("$#1to2+1 // more #3to4"), (V{"1+1 |2", "2+1 |3"}));
  EXPECT_EQ(Expanded("$// all comment"), V{"$"});
  EXPECT_EQ(Compiled("$rand(1://9)"),
            V{"//error rand function marked with ^ needs \")\" ^RAND(1:"});
}

TEST_F(ExpressionLine, FixedGroups) {
  EXPECT_EQ(Expanded("$[rand(7:7)]x#1to2"), (V{"$7x1", "$7x2"}));
  EXPECT_EQ(Expanded("$[[rand(5:5)]+1]x2"), V{"$5+1x2"}) << "nested brackets vanish";
  EXPECT_EQ(Expanded("$[rand(1:9)+[2"), V{"$rand(1:9)+2"}) << "an unclosed group stays as text";
  EXPECT_EQ(Expanded("$[1]+[2]"), V{"$1+2"});
  // A fixed group that fails makes the whole line its error, once.
  const std::string failed = "//error rand function marked with ^ needs \":\" ^RAND(1 2)";
  EXPECT_EQ(Expanded("$#1to2+[rand(1 2)]#3to4"), V{failed});
  EXPECT_EQ(Compiled("$#1to2+[rand(1 2)]"), V{failed});
  const V bad = Compiled("$[1+{abc}]x#1to2");
  ASSERT_EQ(bad.size(), 1u);
  EXPECT_TRUE(bad[0].starts_with("//unexpected error in line:1+//Error unexpected character in"))
      << bad[0];
  // An empty group can join two "/" into a comment mark after a range: the
  // lines of that range are not expanded further.
  EXPECT_EQ(Expanded("$#1to2/[]/#3to4"), (V{"$1//#3to4", "$2//#3to4"}));
}

TEST_F(ExpressionLine, RandomCallBounds) {
  for (std::uint64_t seed = 1; seed <= 30; ++seed) {
    SeedRandom(seed);
    EXPECT_EQ(Compiled("$rand(4:4)"), V{"4|4"});
    const int reversed = std::stoi(Compiled("$rand(9:1)").at(0));
    EXPECT_GE(reversed, 1);
    EXPECT_LE(reversed, 9);
    const int nested = std::stoi(Compiled("$RaNd(1:rand(3:3))").at(0));
    EXPECT_GE(nested, 1);
    EXPECT_LE(nested, 3);
  }
  EXPECT_EQ(Compiled("$rand(1+1:2x1)"), V{"2|2"}) << "bounds hold arithmetic";
  EXPECT_EQ(Compiled("$rand(0.5:3)+1"), V{"+1|+1"}) << "a decimal low bound makes the call vanish";
  EXPECT_EQ(Compiled("$rand(1:9"), V{"//error rand function marked with ^ needs \")\" ^RAND(1:9"});
  EXPECT_EQ(Compiled("$2+rand( 1 9)"),
            V{"//error rand function marked with ^ needs \":\" 2+^RAND(1 9)"});
}

TEST_F(ExpressionLine, DecimalPlacesCallCountsForItsLineOnly) {
  BufferO lines;
  lines.Add("$FPoint(2)2/3.0");
  lines.Add("$2/3.0");
  lines.Add("$fpoint (0) 2.5+1");
  EvaluateLines(lines);
  EXPECT_EQ(test::LinesOf(lines), (V{"FPoint(2)2/3.0|0.67", "2/3.0|0.667", "fpoint (0) 2.5+1|4"}));
  const char* bad = "//error the number of decimal points should be 0 to 18";
  EXPECT_EQ(Compiled("$FPoint(19)1"), V{bad});
  EXPECT_EQ(Compiled("$FPoint(-1)1"), V{bad});
  EXPECT_EQ(Compiled("$FPoint(1.5)1"), V{bad});
  EXPECT_EQ(Compiled("$1+FPoint(2"), V{"//error function marked with ^ needs \")\" 1+^FPOINT(:2"});
  // Only the first call is applied; a second fails the character check.
  EXPECT_EQ(Compiled("$FPoint(1)FPoint(2)1"), V{"//unexpected error in line:FPoint(2)1"});
}

TEST_F(ExpressionLine, ErrorTextsAreNotResolvedAgain) {
  // Error texts hold the calls and groups they were made from; reading them
  // again as input once ran without end on lines like these.
  const char* lines[] = {"${rand(((rand(x{rand((1", "$[ran,d(9:9:1)1]x{rand(((rand(x{rand((1",
                         "${rand(x{}", "${{rand(1 2)}}+{rand(1:{rand(}}",
                         "${{{{{{{{{{{{{{{{{{{{{{{{{{{{{{{{{{{{{{{{abc"};
  for (const char* line : lines) {
    const V compiled = Compiled(line);
    ASSERT_EQ(compiled.size(), 1u) << line;
    EXPECT_TRUE(compiled[0].starts_with("//")) << line << " gave " << compiled[0];
  }
  EXPECT_EQ(ResolveRandom("{abc}+{1+1}").substr(0, 31), "//Error unexpected character in")
      << "nothing after a failed group is resolved";
  EXPECT_NE(ResolveRandom("{abc}+{1+1}").find("+{1+1}"), std::string::npos);
}

TEST_F(ExpressionLine, EvaluationErrorStaysAfterTheBar) {
  const V lines = Compiled("$3+*4");
  ASSERT_EQ(lines.size(), 1u);
  EXPECT_TRUE(lines[0].starts_with("3+*4|//Error unexpected character in")) << lines[0];
}

TEST_F(ExpressionLine, LinesNotBeginningWithDollarAreLeftAlone) {
  BufferO lines;
  lines.Add("plain 3+4");
  lines.Add("");
  lines.Add("$3+4");
  EvaluateLines(lines);
  EXPECT_EQ(test::LinesOf(lines), (V{"plain 3+4", "", "3+4|7"}));
}

TEST_F(ExpressionLine, BufferLimitStopsARangeAtOnce) {
  BufferO full;
  ExpandLine(full, "$#1to65535");
  EXPECT_EQ(full.Count(), 65535u);
  EXPECT_EQ(full.Get(65535), "$65535");
  std::string limit;
  try {
    full.Add("one more");
  } catch (const E_Buffer_Error& e) {
    limit = e.what();
  }
  ASSERT_NE(limit.find("Buffer can't exceed 65535(a word) lines"), std::string::npos) << limit;
  // Too long a range, or too many lines from several, fail with the same text.
  for (const char* line : {"$#0to65535", "$#1to2000000000", "$#1to300x#1to300",
                           "$#-2147483648to2147483647x#1to2", "$#1to2x#1to65536"}) {
    BufferO out;
    try {
      ExpandLine(out, line);
      ADD_FAILURE() << line << " expanded without error";
    } catch (const E_Buffer_Error& e) {
      EXPECT_EQ(e.what(), limit) << line;
    }
  }
}

TEST_F(ExpressionLine, RangeNumbersThatDoNotConvertReadAsZero) {
  EXPECT_EQ(Expanded("$#99999999999to1"), (V{"$0", "$1"}));
  EXPECT_EQ(Expanded("$#2147483646to2147483647"), (V{"$2147483646", "$2147483647"}));
}

TEST_F(ExpressionLine, ConversionFailuresAreErrorLinesNamingTheBound) {
  for (const char* line : {"$rand(1:2.5)", "$rand(1:99999999999)", "$rand(99999999999:1)"}) {
    const std::vector<std::string> lines = Compiled(line);
    ASSERT_EQ(lines.size(), 1u) << line;
    EXPECT_TRUE(lines[0].starts_with("//error '")) << lines[0];
    EXPECT_NE(lines[0].find("is not a valid integer value"), std::string::npos) << lines[0];
  }
}

// The lines RangeLines makes of a line, or nothing when it leaves the line to
// ExpandLine.
std::optional<std::vector<std::string>> RangeLinesOf(std::string_view line) {
  std::optional<RangeLines> ranges = RangeLines::Of(line);
  if (!ranges) return std::nullopt;
  std::vector<std::string> lines;
  std::string entry;
  while (ranges->Next(entry)) lines.push_back(entry);
  EXPECT_EQ(lines.size(), ranges->Count()) << line;
  return lines;
}

TEST(RangeLines, MakeWhatExpandLineMakesOrLeaveTheLineToIt) {
  const struct {
    const char* line;
    bool taken;
  } cases[] = {
      {"$#1to255x#1to257", true},
      {"$#-3to3x#2to-2", true},
      {"$#5TO5", true},
      {"$3+4", true},
      {"$#1to3#4to6", true},
      {"$#001to3/2-#3to1", true},
      {"$#999999999to999999990", true},
      {"$#-999999999to-999999998", true},
      {"$x#1to2-", true},
      {"$#1to256x#1to256", false},
      {"$#1to65536", false},
      {"$#1to2//note", false},
      {"$#1to 3", false},
      {"$#-to3", false},
      {"$#1to", false},
      {"$5x#1", false},
      {"$#+1to3", false},
      {"$#1to+3", false},
      {"$#1234567890to1", false},
      {"$#1to3to4", false},
      {"$#1to3 x2", false},
      {"$[1]x#1to3", false},
      {"$rand(1:2)x#1to3", false},
      {"$", false},
      {"3x#1to3", false},
  };
  for (const auto& c : cases) {
    const std::optional<std::vector<std::string>> lines = RangeLinesOf(c.line);
    ASSERT_EQ(lines.has_value(), c.taken) << c.line;
    if (lines) {
      EXPECT_EQ(*lines, Expanded(c.line)) << c.line;
    }
  }
}

}  // namespace
}  // namespace orv
