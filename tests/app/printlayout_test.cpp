#include "app/printlayout.h"

#include <gtest/gtest.h>

#include "app/mainform.h"
#include "app/programpaths.h"
#include "app/startupfile.h"
#include "support/fake_dialogs.h"
#include "support/temp_dir.h"
#include "support/test_users.h"
#include "users/password.h"

namespace orv {
namespace {

TEST(PrintLayout, LinesPerPageAndPitchComeFromThePageAndTextHeights) {
  const PrintLayout layout = PlanPrint(1000, 40);
  EXPECT_EQ(layout.linesPerPage, 20);  // 1000 / (40 + 10)
  EXPECT_EQ(layout.pitch, 50);
  EXPECT_EQ(layout.linesOnPage, 19);
  const PrintLayout uneven = PlanPrint(1003, 37);
  EXPECT_EQ(uneven.linesPerPage, 21);  // 1003 / 47
  EXPECT_EQ(uneven.pitch, 47);         // 1003 / 21
}

TEST(PrintLayout, ANewPageBeginsAfterEveryLinesPerPageLessOne) {
  const std::vector<PlacedLine> placed = PlaceLines(PlanPrint(1000, 40), 40);
  ASSERT_EQ(placed.size(), 40u);
  EXPECT_EQ(placed[0].page, 0);
  EXPECT_EQ(placed[0].y, 0);
  EXPECT_EQ(placed[18].page, 0);
  EXPECT_EQ(placed[18].y, 18 * 50);
  EXPECT_EQ(placed[19].page, 1) << "the 20th line starts the second page";
  EXPECT_EQ(placed[19].y, 0);
  EXPECT_EQ(placed[38].page, 2);
  EXPECT_EQ(placed[39].page, 2);
  EXPECT_EQ(placed[39].y, 50);
  EXPECT_TRUE(PlaceLines(PlanPrint(1000, 40), 0).empty());
}

TEST(PrintLayout, APageTooSmallStillPrintsOneLineAPage) {
  const PrintLayout tiny = PlanPrint(30, 40);
  EXPECT_EQ(tiny.linesPerPage, 2);
  EXPECT_EQ(tiny.linesOnPage, 1);
  const std::vector<PlacedLine> placed = PlaceLines(tiny, 3);
  EXPECT_EQ(placed[2].page, 2);
  EXPECT_EQ(placed[2].y, 0);
  const PrintLayout none = PlanPrint(0, -10);
  EXPECT_EQ(none.pitch, 0);
  EXPECT_EQ(PlaceLines(none, 2)[1].page, 1);
}

TEST(PrintLayout, AFullListIsPrintedToItsLastLine) {
  test::TempDir dir;
  StartUpSettings settings;
  settings.CurrentFile = "full.orv";
  ProgramPaths paths;
  SetProgramDirectory(paths, dir.Str());
  std::string text;
  for (int i = 1; i <= 65535; ++i) text += "w" + std::to_string(i) + "\r\n";
  dir.Write("orv.orv/full.orv", text);
  test::FakeDialogs dialogs;
  test::WritePasswordFile(dir, {{"Boss", "", 255}});
  PasswordO users(dir.Str(), "KVXS1.KVX", dialogs);
  const auto lines = MainFormO(dialogs, {settings, paths, users}).LinesToPrint();
  ASSERT_TRUE(lines);
  EXPECT_EQ(lines->size(), 65535u);
  EXPECT_EQ(lines->back(), "w65535");
}

}  // namespace
}  // namespace orv
