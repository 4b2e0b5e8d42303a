#include "lists/viewconpiled.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <vector>

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
  CompiledView() : saved_(TheCompileSettings()) {
    TheCompileSettings() = CompileSettings{};
    SeedRandom(7);
  }
  ~CompiledView() override { TheCompileSettings() = saved_; }

 private:
  CompileSettings saved_;
};

TEST_F(CompiledView, EveryLineIsExpandedInScriptModeNotOnlyDollarLines) {
  TheCompileSettings().scriptMode = true;
  const std::vector<ViewLine> view = CompiledViewLines(Lines({"x//y", "$#2to1"}));
  EXPECT_EQ(Kinds(view), (std::vector<Shown>{{"x//y", K::Expression},
                                             {"x", K::Result},
                                             {"$#2to1", K::Expression},
                                             {"2|2", K::Result},
                                             {"1|1", K::Result}}));
  EXPECT_EQ(view[0].commentAt, 1u);
  EXPECT_EQ(view[2].commentAt, std::string::npos);
}

TEST_F(CompiledView, ScriptModeCarriesOverFromTheLastPass) {
  TheCompileSettings().scriptMode = true;
  const std::vector<ViewLine> first = CompiledViewLines(Lines({"$2*3"}));
  EXPECT_EQ(Kinds(first), (std::vector<Shown>{{"$2*3", K::Expression}, {"2*3|6", K::Result}}));

  CompiledViewLines(Lines({"$scriptOff"}));
  const std::vector<ViewLine> second = CompiledViewLines(Lines({"$2*3"}));
  EXPECT_EQ(Kinds(second), (std::vector<Shown>{{"$2*3", K::Directive}}));
}

TEST_F(CompiledView, DecimalPlacesAreRestoredAfterThePass) {
  TheCompileSettings().decimalPlaces = 5;
  const std::vector<ViewLine> view =
      CompiledViewLines(Lines({"$script", "$Decimal points 2", "$1/3.0"}));
  ASSERT_EQ(view.size(), 4u);
  EXPECT_EQ(view[3].text, "1/3.0|0.33");
  EXPECT_EQ(TheCompileSettings().decimalPlaces, 5);
  EXPECT_TRUE(TheCompileSettings().scriptMode);

  // Also when a directive's conversion failure ends the pass.
  EXPECT_ANY_THROW(CompiledViewLines(Lines({"$Decimal points 1", "$Decimal points"})));
  EXPECT_EQ(TheCompileSettings().decimalPlaces, 5);
}

}  // namespace
}  // namespace orv
