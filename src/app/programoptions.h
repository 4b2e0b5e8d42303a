#pragma once
// The options of the program orv, read before any window exists, so that
// --help and --version answer on the terminal without opening one.
#include <optional>
#include <string>
#include <vector>

namespace orv {

struct ProgramOptions {
  std::optional<std::string> home;  // --home DIR or --home=DIR
  std::optional<std::string> lang;  // --lang CODE or --lang=CODE: the windows' language
  bool help = false;                // --help or -h
  bool version = false;             // --version
  std::string error;                // a malformed option, as one line; else empty
};

// args: the command line after the program's name. Options orv does not know
// are left alone: they belong to Qt (-platform, -style, ...).
ProgramOptions ReadProgramOptions(const std::vector<std::string>& args);

std::string ProgramHelpText();
std::string ProgramVersionText();

}  // namespace orv
