// The compile pass over a whole list: directives, script mode, error count.
#include "lists/compile.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "base/errors.h"
#include "lists/compilesettings.h"
#include "lists/random.h"
#include "support/buffer_lines.h"
#include "support/fake_dialogs.h"

namespace orv {
namespace {

using V = std::vector<std::string>;

std::string Warning(int count) {
  return " There are " + std::to_string(count) +
         " Errors in the spelling file please check it! The error count is only aproximate and "
         "will count expanded lines and/or sometime only the first error etc.";
}

class Compile : public ::testing::Test {
 protected:
  void SetUp() override { SeedRandom(7); }

  V Run(const V& source) {
    BufferO buffer = test::BufferOf(source);
    count = CompileList(buffer, dialogs, nullptr, nullptr, nullptr, &settings);
    return test::LinesOf(buffer);
  }

  test::FakeDialogs dialogs;
  CompileSettings settings;
  std::size_t count = 0;
};

TEST_F(Compile, WorkedExample) {
  const V compiled =
      Run({"apple", "banana|yellow fruit", "$script", "// arithmetic", "$3+4", "$#1to3x2",
           "$Decimal points 2", "$1/3.0", "$What is 3+4", "$scriptOff", "$5+5"});
  EXPECT_EQ(compiled, (V{"apple", "banana|yellow fruit", "3+4|7", "1x2|2", "2x2|4", "3x2|6",
                         "1/3.0|0.33", "$5+5"}));
  EXPECT_EQ(count, 1u);
  ASSERT_EQ(dialogs.messages.size(), 1u);
  EXPECT_EQ(dialogs.messages[0].kind, MsgKind::Warning);
  EXPECT_EQ(dialogs.messages[0].buttons, MsgButtons::Ok);
  EXPECT_EQ(dialogs.messages[0].text, Warning(1));
  EXPECT_EQ(settings.decimalPlaces, 3);
}

TEST_F(Compile, WithoutScriptModeEveryLineButDirectivesIsAPlainEntry) {
  EXPECT_EQ(Run({"$3+4", "// note", "$", "", "word", "$noSort", "$RandomizeExpandOn",
                 "$RANDOMIZEEXPANDOFF x"}),
            (V{"$3+4", "// note", "$", "word"}))
      << "an empty line is no question";
  EXPECT_EQ(count, 0u);
  EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(Compile, ScriptModeLines) {
  EXPECT_EQ(Run({"$script", "/x", "//x", "$", "x", "", "ab", "/", "$2x3"}),
            (V{"/x", "x", "ab", "/", "2x3|6"}));
  EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(Compile, ScriptDirectivesInAnyLetterCase) {
  EXPECT_EQ(Run({"$SCRIPT", "$1+1", "$SCRIPTOFF", "$1+2", "$Script and more", "$1+3", "$scriptoff",
                 "$1+4"}),
            (V{"1+1|2", "$1+2", "1+3|4", "$1+4"}));
}

TEST_F(Compile, ScriptModeIsOffAtTheStartOfEveryCompile) {
  Run({"$script"});
  EXPECT_TRUE(settings.scriptMode) << "left as the last directive set it";
  EXPECT_EQ(Run({"$3+4"}), V{"$3+4"});
}

TEST_F(Compile, DecimalPointsDirective) {
  const std::pair<const char*, const char*> cases[] = {
      {"$Decimal points 2", "1/3.0|0.33"},
      {"$Decimal points=4", "1/3.0|0.3333"},
      {"$Decimal points 25", "1/3.0|0.333333333333333333"},
      {"$Decimal points 123", "1/3.0|0.333333333333"},
      {"$decimal POINTS -1", "1/3.0|0.3"},
      {"$Decimal points 0", "1/3.0|0"},
      {"$Decimal pointsx7", "1/3.0|0.3333333"},
  };
  for (const auto& [directive, expected] : cases) {
    EXPECT_EQ(Run({"$script", directive, "$1/3.0"}), V{expected}) << directive;
    EXPECT_EQ(settings.decimalPlaces, 3) << "restored after " << directive;
  }
}

TEST_F(Compile, DecimalPlacesComeBackAfterEachCompile) {
  settings.decimalPlaces = 5;
  EXPECT_EQ(Run({"$script", "$1/3.0", "$Decimal points 1", "$1/3.0"}),
            (V{"1/3.0|0.33333", "1/3.0|0.3"}));
  EXPECT_EQ(settings.decimalPlaces, 5);
  EXPECT_EQ(Run({"$script", "$2/3.0"}), V{"2/3.0|0.66667"});
}

TEST_F(Compile, DecimalPointsWithoutDigitIsAnErrorLineAndTheRestCompiles) {
  settings.decimalPlaces = 4;
  EXPECT_EQ(Run({"apple", "$script", "$Decimal points 2", "$Decimal points", "$1/3.0"}),
            (V{"apple", "1/3.0|0.33"}));
  EXPECT_EQ(count, 1u);
  EXPECT_EQ(settings.decimalPlaces, 4);
  EXPECT_THROW(ApplyDirective("$Decimal points two", settings), EConvertError);
}

// Every line no typed answer can satisfy, and every line whose arithmetic
// fails, is an error line with its number; the lines around it compile.
TEST_F(Compile, LinesThatCannotBeAskedAreErrorLinesAndTheRestCompiles) {
  const std::vector<std::pair<std::string, std::string>> cases = {
      {"$3+4=", "//error the question has no answer: 3+4=|"},
      {"$3 x 4 =", "//error the question has no answer: 3 x 4 =|"},
      {"cat|", "//error the question has no answer: cat|"},
      {"$3**4", "//Error unexpected character in\"3**4\" at:*4"},
      {"$12/(4-4)", "//error Division by zero: 12/0"},
      {"$5/0", "//error Division by zero: 5/0"},
      {"$Question #5", "//error the line makes no question: $Question #5"},
      {"$2^99999999999", "//error Power too large"},
      {"$1/0.0", "//error Floating point division by zero"},
      {"$rand(1:2.5)", "//error '2.5' is not a valid integer value"},
      {"$1+2*3^4X5", "//error Expression too complex"},
      {"$Decimal points", "//error \"$Decimal points\" needs the number of places"},
      {"$#1to70000", "//error Error in _Buffers.BufferO.Add:"},
      {"ta\tg", "//error the answer holds a character no one can type"},
      {"x|" + std::string(40000, '7'), "//error the answer is longer than an answer box takes"}};
  for (const auto& [line, error] : cases) {
    std::vector<std::pair<LineNo, std::string>> failures;
    const BufferO compiled = CompileLines(
        test::BufferOf({"$script", "$2+2", line, "dog"}),
        [&](LineNo n, const std::string& result) { failures.emplace_back(n, result); });
    EXPECT_EQ(test::LinesOf(compiled), (V{"2+2|4", "dog"})) << line;
    ASSERT_EQ(failures.size(), 1u) << line;
    EXPECT_EQ(failures[0].first, 3) << line;
    EXPECT_EQ(failures[0].second.substr(0, error.size()), error) << line;
  }
}

// The arithmetic of one list has a budget: a list that would take hours
// stops in seconds, its other lines compile, and each source line that
// passes the budget fails once, naming why.
TEST_F(Compile, AListThatWouldTakeHoursStopsAtItsBudget) {
  std::vector<std::pair<LineNo, std::string>> failures;
  const BufferO compiled = CompileLines(
      test::BufferOf({"$script", "cat", "$1/3^30000+1/7^30000+#1to100", "$2+2", "dog"}),
      [&](LineNo n, const std::string& result) { failures.emplace_back(n, result); });
  const V lines = test::LinesOf(compiled);
  ASSERT_GE(lines.size(), 2u);
  EXPECT_EQ(lines.front(), "cat");
  EXPECT_EQ(lines.back(), "dog");
  // Line 3 stops part way, line 4 cannot start.
  ASSERT_EQ(failures.size(), 2u);
  EXPECT_EQ(failures[0].first, 3);
  EXPECT_EQ(failures[1].first, 4);
  const std::string cause = "//error the list needs more arithmetic than a test can wait for";
  for (const auto& [line, text] : failures) EXPECT_EQ(text.substr(0, cause.size()), cause);
}

TEST_F(Compile, ListWhoseExpressionsAllFailKeepsItsPlainEntries) {
  EXPECT_EQ(Run({"cat", "$script", "$#1to3 apples", "$rand(2 3)", "dog", "$[]"}),
            (V{"cat", "dog"}));
  EXPECT_EQ(count, 5u) << "three expanded lines, one call, one line too short";
  ASSERT_EQ(dialogs.messages.size(), 1u);
  EXPECT_EQ(dialogs.messages[0].text, Warning(5));
}

TEST_F(Compile, EvaluationErrorAfterTheBarIsAnErrorLine) {
  EXPECT_EQ(Run({"$script", "$3+*4"}), V{});
  EXPECT_EQ(count, 1u);
}

TEST_F(Compile, FailuresNameTheirSourceLines) {
  std::vector<std::pair<LineNo, std::string>> failures;
  const BufferO compiled = CompileLines(
      test::BufferOf({"$script", "$1+1", "$#1to2 y", "ok", "$rand(1 2)"}),
      [&](LineNo line, const std::string& result) { failures.emplace_back(line, result); });
  EXPECT_EQ(test::LinesOf(compiled), (V{"1+1|2", "ok"}));
  ASSERT_EQ(failures.size(), 3u);
  EXPECT_EQ(failures[0], std::make_pair(LineNo{3}, std::string("//unexpected error in line:1 y")));
  EXPECT_EQ(failures[1].first, 3);
  EXPECT_EQ(failures[2].first, 5);
  EXPECT_TRUE(failures[2].second.starts_with("//error rand function"));
}

TEST_F(Compile, Directives) {
  for (const char* line : {"$script", "$SCRIPTOFF", "$Decimal points 3", "$nosort",
                           "$RandomizeExpandOn", "$randomizeexpandoff", "$noSort please"}) {
    EXPECT_TRUE(IsDirective(line)) << line;
  }
  for (const char* line :
       {"", "$", "$scrip", "$Decimal point", " $script", "script", "$Randomize", "x$noSort"}) {
    EXPECT_FALSE(IsDirective(line)) << line;
  }
  EXPECT_FALSE(ApplyDirective("$3+4", settings));
  EXPECT_FALSE(ApplyDirective("apple", settings));
  EXPECT_TRUE(ApplyDirective("$noSort", settings));
  EXPECT_TRUE(ApplyDirective("$RandomizeExpandOn", settings));
  EXPECT_EQ(settings.scriptMode, false);
  EXPECT_EQ(settings.decimalPlaces, 3);
  EXPECT_TRUE(ApplyDirective("$Script", settings));
  EXPECT_TRUE(settings.scriptMode);
  EXPECT_TRUE(ApplyDirective("$ScriptOff", settings));
  EXPECT_FALSE(settings.scriptMode);
  EXPECT_TRUE(ApplyDirective("$Decimal points 7", settings));
  EXPECT_EQ(settings.decimalPlaces, 7);
}

TEST_F(Compile, FullListOfSixtyFiveThousandQuestions) {
  const V compiled = Run({"$script", "$#1to255x#1to257"});
  ASSERT_EQ(compiled.size(), 65535u);
  EXPECT_EQ(compiled.front(), "1x1|1");
  EXPECT_EQ(compiled[256], "1x257|257");
  EXPECT_EQ(compiled.back(), "255x257|65535");
}

}  // namespace
}  // namespace orv
