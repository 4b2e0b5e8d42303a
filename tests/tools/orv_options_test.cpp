// orv --help and --version answer on the terminal without a window: they work
// with no display at all, where opening a window would fail.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/run_program.h"

namespace orv {
namespace {

const std::vector<std::string> kNoDisplay = {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"};

TEST(OrvOptions, HelpAndVersionNeedNoDisplay) {
  const test::ProgramRun help = test::RunProgram(ORV_PATH, {"--help"}, kNoDisplay);
  EXPECT_EQ(help.exitCode, 0) << help.err;
  EXPECT_EQ(help.out.rfind("Usage: orv", 0), 0u) << help.out;
  EXPECT_EQ(help.err, "");

  const test::ProgramRun version = test::RunProgram(ORV_PATH, {"--version"}, kNoDisplay);
  EXPECT_EQ(version.exitCode, 0) << version.err;
  EXPECT_EQ(version.out, std::string("orv ") + ORV_VERSION + "\n");

  const test::ProgramRun orvc = test::RunProgram(ORVC_PATH, {"--version"}, kNoDisplay);
  EXPECT_EQ(orvc.exitCode, 0) << orvc.err;
  EXPECT_EQ(orvc.out, std::string("orvc ") + ORV_VERSION + "\n");
}

TEST(OrvOptions, HomeWithoutAFolderStopsBeforeAnyWindow) {
  const test::ProgramRun r = test::RunProgram(ORV_PATH, {"--home"}, kNoDisplay);
  EXPECT_EQ(r.exitCode, 2);
  EXPECT_EQ(r.out, "");
  EXPECT_NE(r.err.find("orv: --home needs the program directory"), std::string::npos) << r.err;
}

}  // namespace
}  // namespace orv
