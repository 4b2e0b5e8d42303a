#include "app/scoredbconfig.h"

#include <gtest/gtest.h>

#include <tuple>
#include <vector>

#include "support/temp_dir.h"

namespace orv {
namespace {

TEST(ScoreDbConfig, TheProgramDirectorysValueWinsOverTheMachineWideOne) {
  test::TempDir home;
  const std::string machine =
      home.Write("etc/orv.ini", "[Software/Quenby/Orv/7.0/Data]\nscoreDB=school:/srv/orv/s.gdb\n");
  const std::string none = home.Str() + "missing.ini";
  // machine-wide file, program directory's file, the path in force
  const std::vector<std::tuple<std::string, std::string, std::string>> cases{
      {none, "", ""},
      {machine, "", "school:/srv/orv/s.gdb"},
      {machine, "[Software/Quenby/Orv/7.0/Data]\nscoreDB=/home/ann/own.gdb\n", "/home/ann/own.gdb"},
      {machine, "[Software/Quenby/Orv/7.0/Data]\nscoreDB=\n", "school:/srv/orv/s.gdb"},
      {none, "[Software/Quenby/Orv/7.0/Data]\nscoreDB=/home/ann/own.gdb\n", "/home/ann/own.gdb"},
  };
  int n = 0;
  for (const auto& [machineIni, programText, path] : cases) {
    // A file of its own for each case: QSettings keeps what it read of a path.
    const std::string program = home.Write("p" + std::to_string(++n) + "/orv.ini", programText);
    EXPECT_EQ(ConfiguredScoreDbPath(machineIni, program), path) << programText;
  }
}

}  // namespace
}  // namespace orv
