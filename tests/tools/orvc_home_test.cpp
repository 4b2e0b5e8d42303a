// Which program directory orvc works on when neither --home nor ORV_HOME
// names one: its own folder only when that really is a program directory.
#include <gtest/gtest.h>

#include <filesystem>
#include <set>
#include <string>
#include <vector>

#include "support/program_directory.h"
#include "support/run_program.h"
#include "support/temp_dir.h"

namespace orv::test {
namespace {

std::set<std::string> EntriesOf(const std::filesystem::path& folder) {
  std::set<std::string> names;
  for (const auto& entry : std::filesystem::directory_iterator(folder)) {
    names.insert(entry.path().filename());
  }
  return names;
}

// A copy of orvc in a folder of its own, as in a build's folder.
std::string CopyOfOrvc(const TempDir& folder) {
  const std::filesystem::path copy = folder.Path() / "orvc";
  std::filesystem::copy_file(ORVC_PATH, copy);
  return copy.string();
}

TEST(OrvcHome, BesideABuildsOrvcNoProgramDirectoryIsMadeUp) {
  const TempDir build;
  const TempDir elsewhere;
  const std::string orvc = CopyOfOrvc(build);
  const std::vector<std::vector<std::string>> commands = {
      {"users", "list"},
      {"sounds", "list"},
      {"report", "class"},
      {"db", "check"},
      {"init", "--admin-password-file", elsewhere.Write("pw", "pw\n")}};
  for (const std::vector<std::string>& command : commands) {
    const ProgramRun run = RunProgram(orvc, command, {"ORV_HOME"});
    EXPECT_EQ(run.exitCode, 1) << command[0];
    EXPECT_EQ(run.err,
              "orvc: no program directory found: give --home DIR or set ORV_HOME (orvc init "
              "--home DIR makes a new one); nothing was written\n")
        << command[0];
    EXPECT_EQ(EntriesOf(build.Path()), std::set<std::string>{"orvc"}) << command[0];
  }

  // Made one with --home, the folder is found without it.
  ASSERT_EQ(RunProgram(orvc, InitArguments(build.Str())).exitCode, 0);
  const ProgramRun users = RunProgram(orvc, {"users", "list"}, {"ORV_HOME"});
  EXPECT_EQ(users.exitCode, 0) << users.err;
  EXPECT_NE(users.out.find("ADMIN"), std::string::npos) << users.out;
}

}  // namespace
}  // namespace orv::test
