#pragma once
// The program directory an end-to-end test runs the program on.
#include <QByteArray>
#include <string>

#include "support/program_directory.h"
#include "support/run_program.h"
#include "support/window_driver.h"

namespace orv::e2e {

// Makes a program directory in home with orvc init (the super user's
// password test::kTestAdminPassword), the desktop's restart entry kept below
// it; returns what orvc said when that failed, else "".
inline std::string MakeProgramDirectory(const std::string& home) {
  qputenv("XDG_CONFIG_HOME", QByteArray::fromStdString(home + "config"));
  const test::ProgramRun init = test::RunProgram(ORVC_PATH, test::InitArguments(home));
  return init.exitCode == 0 ? std::string() : "orvc init: " + init.err;
}

// ADMIN logs in with the test password.
inline test::WindowDriver& LogInAsAdmin(test::WindowDriver& driver) {
  return driver.Then("LoginForm", "logs in", [](QWidget& w) {
    test::Type(w, "ADMIN");
    test::Press(w, Qt::Key_Return);
    test::Type(w, std::string(test::kTestAdminPassword));
    test::Press(w, Qt::Key_Return);
  });
}

// The first log-in of a fresh program directory also makes the start-up file.
inline test::WindowDriver& LogInAsNewAdmin(test::WindowDriver& driver) {
  return LogInAsAdmin(driver).Then("OrvMessage", "agrees to a start-up file",
                                   [](QWidget& w) { test::Press(w, Qt::Key_Y); });
}

}  // namespace orv::e2e
