#pragma once
// The commands of orvc. Each command lives in its own file under orvc/ and
// registers itself by name with ORVC_COMMAND.
#include <cstdint>
#include <iosfwd>
#include <optional>
#include <string>
#include <vector>

namespace orv {
struct ProgramPaths;
}  // namespace orv

namespace orv::orvc {

struct Invocation {
  std::vector<std::string> args;      // the command's own arguments, options removed
  std::optional<std::string> home;    // --home DIR
  std::optional<std::uint64_t> seed;  // --seed N
  // The program directory orvc found at its start, or none (see PathsOf).
  ProgramPaths* paths = nullptr;
  std::istream* in = nullptr;
  std::ostream* out = nullptr;
  std::ostream* err = nullptr;
};

using CommandFn = int (*)(const Invocation&);

struct Command {
  const char* name;
  const char* usage;    // "orvc eval EXPR"
  const char* summary;  // one line
  CommandFn run;
};

bool RegisterCommand(const Command& command);
const std::vector<Command>& Commands();

// Thrown by a command for a usage or input error: orvc prints the message as
// one line on standard error and exits with the code.
struct CommandError {
  std::string message;
  int exitCode = 2;
};

}  // namespace orv::orvc

#define ORVC_CONCAT_INNER(a, b) a##b
#define ORVC_CONCAT(a, b) ORVC_CONCAT_INNER(a, b)
#define ORVC_COMMAND(...)                                     \
  static const bool ORVC_CONCAT(orvc_registered_, __LINE__) = \
      ::orv::orvc::RegisterCommand(::orv::orvc::Command{__VA_ARGS__})
