// Every command that opens the score database reads the database account
// from the configuration as the program does, and one the engine cannot take
// is refused by name instead of crashing the command.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/program_directory.h"
#include "support/run_program.h"
#include "support/temp_dir.h"

namespace orv {
namespace {

const std::vector<std::string> kOwnSettings = {"ORV_HOME", "FIREBIRD", "FIREBIRD_LOCK"};

TEST(OrvcConfiguration, EveryCommandRefusesAnAccountTextTheEngineCannotTake) {
  test::TempDir home;
  ASSERT_EQ(test::RunProgram(ORVC_PATH, test::InitArguments(home.Str()), kOwnSettings).exitCode, 0);
  const struct {
    std::string line;
    std::string problem;
  } texts[] = {
      {"dbUser=" + std::string(40000, 'u'), "dbUser in " + home.Str() + "orv.ini is 40000 bytes"},
      {"dbPassword=" + std::string(70000, 'p'), "dbPassword in " + home.Str() + "orv.ini is 70000"},
  };
  const std::vector<std::vector<std::string>> commands = {{"db", "check"},
                                                          {"db", "backup", home.Str() + "b.fbk"},
                                                          {"report", "scores"},
                                                          {"sounds", "list"}};
  for (const auto& t : texts) {
    home.Write("orv.ini", "[Software/Quenby/Orv/7.0/Data]\nscoreDB=" + home.Str() +
                              "scoredb.gdb\n" + t.line + "\n");
    for (std::vector<std::string> command : commands) {
      SCOPED_TRACE(command[0] + " " + command[1]);
      command.insert(command.begin(), {"--home", home.Str()});
      const test::ProgramRun run = test::RunProgram(ORVC_PATH, command, kOwnSettings);
      EXPECT_EQ(run.exitCode, 1);
      EXPECT_NE(run.err.find("orvc: " + t.problem), std::string::npos) << run.err.substr(0, 300);
    }
  }
}

}  // namespace
}  // namespace orv
