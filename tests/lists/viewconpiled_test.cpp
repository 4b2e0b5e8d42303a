#include "lists/viewconpiled.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <vector>

#include "lists/compile.h"
#include "lists/compilesettings.h"
#include "lists/random.h"

namespace orv {
namespace {

using K = ViewLineKind;

BufferO Lines(std::initializer_list<const char*> lines) {
  BufferO b;
  for (const char* l : lines) b.Add(l);
  return b;
}

struct Shown {
  std::string text;
  K kind;
  bool operator==(const Shown&) const = default;
};

std::vector<Shown> Kinds(const std::vector<ViewLine>& view) {
  std::vector<Shown> out;
  for (const ViewLine& l : view) out.push_back({l.text, l.kind});
  return out;
}

void PrintTo(const Shown& s, std::ostream* os) {
  *os << "{" << s.text << ", " << int(s.kind) << "}";
}

class CompiledView : public ::testing::Test {
 protected:
  CompiledView() { SeedRandom(7); }

  CompileSettings settings;
};

TEST_F(CompiledView, PlainLinesShowAsTheCompileTakesThem) {
  settings.scriptMode = true;
  const std::vector<ViewLine> view =
      CompiledViewLines(Lines({"x//y", "Room #5", "$#2to1 // down"}), settings);
  EXPECT_EQ(Kinds(view), (std::vector<Shown>{{"x//y", K::Plain},
                                             {"Room #5", K::Plain},
                                             {"$#2to1 // down", K::Expression},
                                             {"2 |2", K::Result},
                                             {"1 |1", K::Result}}));
  EXPECT_EQ(view[2].commentAt, 7u);
}

// What the view shows as questions is what the compile makes, and what it
// shows as error lines is what the compile reports.
TEST_F(CompiledView, ShowsExactlyTheCompiledQuestionsAndErrorLines) {
  const std::vector<std::vector<const char*>> lists = {
      {"$script", "Room #5", "x//y", "/x", "$", "// note", "$#1to2x3", "$3+4=", "cat|",
       "$Question #5", "$5/0", "$Decimal points", "$1/3.0"},
      {"apple", "$5/0", "$Decimal points 1", "$script", "$1/3.0", "$scriptOff", "//x", "x|"}};
  for (const auto& source : lists) {
    BufferO buffer;
    for (const char* l : source) buffer.Add(l);
    std::vector<std::string> failures;
    const BufferO compiled =
        CompileLines(buffer, [&](LineNo, const std::string& line) { failures.push_back(line); });
    CompileSettings fresh;
    std::vector<std::string> questions;
    std::vector<std::string> errors;
    for (const ViewLine& l : CompiledViewLines(buffer, fresh)) {
      if (l.kind == K::Result || l.kind == K::Plain ||
          (l.kind == K::Directive && !IsDirective(l.text))) {
        questions.push_back(l.text);
      } else if (l.kind == K::Failure) {
        errors.push_back(l.text);
      }
    }
    std::vector<std::string> expected;
    for (std::uint32_t i = 1; i <= compiled.Count(); ++i) {
      expected.push_back(compiled.Line(static_cast<LineNo>(i)));
    }
    EXPECT_EQ(questions, expected) << source[1];
    EXPECT_EQ(errors, failures) << source[1];
    EXPECT_FALSE(errors.empty());
  }
}

TEST_F(CompiledView, ScriptModeCarriesOverFromTheLastPass) {
  settings.scriptMode = true;
  const std::vector<ViewLine> first = CompiledViewLines(Lines({"$2*3"}), settings);
  EXPECT_EQ(Kinds(first), (std::vector<Shown>{{"$2*3", K::Expression}, {"2*3|6", K::Result}}));

  CompiledViewLines(Lines({"$scriptOff"}), settings);
  const std::vector<ViewLine> second = CompiledViewLines(Lines({"$2*3"}), settings);
  EXPECT_EQ(Kinds(second), (std::vector<Shown>{{"$2*3", K::Directive}}));
}

TEST_F(CompiledView, DecimalPlacesAreRestoredAfterThePass) {
  settings.decimalPlaces = 5;
  const std::vector<ViewLine> view =
      CompiledViewLines(Lines({"$script", "$Decimal points 2", "$1/3.0"}), settings);
  ASSERT_EQ(view.size(), 4u);
  EXPECT_EQ(view[3].text, "1/3.0|0.33");
  EXPECT_EQ(settings.decimalPlaces, 5);
  EXPECT_TRUE(settings.scriptMode);

  // A directive that fails is an error line; the pass goes on.
  EXPECT_EQ(
      Kinds(CompiledViewLines(Lines({"$Decimal points 1", "$Decimal points", "$1/3.0"}), settings))
          .back(),
      (Shown{"1/3.0|0.3", K::Result}));
  EXPECT_EQ(settings.decimalPlaces, 5);
}

}  // namespace
}  // namespace orv
