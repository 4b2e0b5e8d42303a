#pragma once
// Runs a built program (orvc, orv) as a user would and collects what it did.
#include <string>
#include <vector>

namespace orv::test {

struct ProgramRun {
  int exitCode = -1;  // -1 when the program crashed or did not finish
  std::string out;
  std::string err;
};

// Runs the program with the arguments (no shell), waiting up to a minute;
// the environment variables named in unset are taken away from it.
ProgramRun RunProgram(const std::string& program, const std::vector<std::string>& args,
                      const std::vector<std::string>& unset = {});

}  // namespace orv::test
