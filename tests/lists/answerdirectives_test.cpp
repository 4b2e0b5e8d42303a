// The directives that say what a list's answers may be: known in any letter
// case, removed from the test, in force for the lines that follow, in script
// mode and out of it.
#include "lists/answerdirectives.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "lists/compile.h"
#include "support/buffer_lines.h"

namespace orv {
namespace {

using V = std::vector<std::string>;

TEST(AnswerDirectives, EachLineCarriesThePolicyInForce) {
  AnswerPolicies policies;
  const BufferO source = test::BufferOf({"apple", "$IGNORECASE", "Paris", "$alternatives on",
                                         "grey;gray", "$ignorecaseOFF", "$script", "$1+1",
                                         "$scriptOff", "$equalValues", "$lowestTerms", "1/2"});
  const BufferO compiled = CompileLines(
      source, [](LineNo, const std::string& line) { FAIL() << line; }, nullptr, &policies);
  EXPECT_EQ(test::LinesOf(compiled), (V{"apple", "Paris", "grey;gray", "1+1|2", "1/2"}));
  EXPECT_EQ(policies.count("apple"), 0u);
  EXPECT_EQ(PolicyMarks(policies.at("Paris")), "ignoreCase");
  EXPECT_EQ(PolicyMarks(policies.at("grey;gray")), "ignoreCase alternatives");
  EXPECT_EQ(PolicyMarks(policies.at("1+1|2")), "ignoreCaseOff alternatives");
  EXPECT_EQ(PolicyMarks(policies.at("1/2")), "ignoreCaseOff alternatives equalValues lowestTerms");

  // The next compile starts from a list that says nothing.
  policies.clear();
  CompileLines(
      test::BufferOf({"Paris"}), [](LineNo, const std::string&) {}, nullptr, &policies);
  EXPECT_TRUE(policies.empty());
}

TEST(AnswerDirectives, RangesRunFromDirectiveToDirective) {
  const auto ranges = PolicyRanges(
      test::BufferOf({"apple", "pear", "$ignoreAccents", "caf\u00E9", "$ignoreAccentsOff", "x"}));
  ASSERT_EQ(ranges.size(), 3u);
  const V shown = {std::to_string(ranges[0].first) + "-" + std::to_string(ranges[0].last) + " " +
                       PolicyMarks(ranges[0].policy),
                   std::to_string(ranges[1].first) + "-" + std::to_string(ranges[1].last) + " " +
                       PolicyMarks(ranges[1].policy),
                   std::to_string(ranges[2].first) + "-" + std::to_string(ranges[2].last) + " " +
                       PolicyMarks(ranges[2].policy)};
  EXPECT_EQ(shown, (V{"1-2 ", "3-4 ignoreAccents", "5-6 ignoreAccentsOff"}));
  EXPECT_TRUE(PolicyRanges(test::BufferOf({"apple", "$script"})).empty());
}

}  // namespace
}  // namespace orv
