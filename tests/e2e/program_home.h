#pragma once
// The program directory an end-to-end test runs the program on.
#include <QByteArray>
#include <string>

#include "support/program_directory.h"
#include "support/run_program.h"

namespace orv::e2e {

// Makes a program directory in home with orvc init (the super user's
// password test::kTestAdminPassword), the desktop's restart entry kept below
// it; returns what orvc said when that failed, else "".
inline std::string MakeProgramDirectory(const std::string& home) {
  qputenv("XDG_CONFIG_HOME", QByteArray::fromStdString(home + "config"));
  const test::ProgramRun init = test::RunProgram(ORVC_PATH, test::InitArguments(home));
  return init.exitCode == 0 ? std::string() : "orvc init: " + init.err;
}

}  // namespace orv::e2e
