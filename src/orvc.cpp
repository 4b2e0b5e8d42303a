// orvc: Orv's command-line tool for teachers, administrators, scripts and tests.
#include <cerrno>
#include <cstdlib>
#include <exception>
#include <iostream>
#include <string>
#include <vector>

#include "base/errors.h"
#include "lists/random.h"
#include "orvc/command.h"
#include "orvc/programdirectory.h"

namespace orv::orvc {

namespace {
std::vector<Command>& Registered() {
  static std::vector<Command> commands;
  return commands;
}
}  // namespace

bool RegisterCommand(const Command& command) {
  Registered().push_back(command);
  return true;
}

const std::vector<Command>& Commands() {
  return Registered();
}

}  // namespace orv::orvc

namespace {

using orv::orvc::Command;
using orv::orvc::CommandError;
using orv::orvc::Commands;
using orv::orvc::Invocation;

void PrintHelp(std::ostream& out) {
  out << "Usage: orvc [--home DIR] [--seed N] COMMAND [ARGS...]\n\n"
         "Orv's command-line tool.\n\nCommands:\n";
  for (const Command& c : Commands()) out << "  " << c.usage << "\n      " << c.summary << "\n";
  out << "\nOptions may stand before or after the command's name.\n"
         "  --home DIR  the program directory (default: $ORV_HOME; else /var/lib/orv for the\n"
         "              installed /usr/bin/orvc, or orvc's own folder when it holds orv.ini)\n"
         "  --seed N    seed the random source, to make a run repeatable\n"
         "  --help      this text, or a command's own help after its name\n"
         "  --version   orvc's version\n";
}

std::uint64_t ParseSeed(const std::string& text) {
  char* end = nullptr;
  errno = 0;
  unsigned long long value = std::strtoull(text.c_str(), &end, 10);
  if (text.empty() || *end != '\0' || errno != 0 || text[0] == '-') {
    throw CommandError{"--seed needs a whole number, not \"" + text + "\""};
  }
  return value;
}

}  // namespace

int main(int argc, char** argv) {
  Invocation inv;
  inv.in = &std::cin;
  inv.out = &std::cout;
  inv.err = &std::cerr;
  std::string name;
  bool help = false;
  try {
    for (int i = 1; i < argc; ++i) {
      std::string arg = argv[i];
      auto value = [&](const std::string& option) {
        if (i + 1 >= argc) throw CommandError{option + " needs a value"};
        return std::string(argv[++i]);
      };
      if (arg == "--help" || arg == "-h") {
        help = true;
      } else if (arg == "--version") {
        std::cout << "orvc " << ORV_VERSION << "\n";
        return 0;
      } else if (arg == "--home") {
        inv.home = value(arg);
      } else if (arg.rfind("--home=", 0) == 0) {
        inv.home = arg.substr(7);
      } else if (arg == "--seed") {
        inv.seed = ParseSeed(value(arg));
      } else if (arg.rfind("--seed=", 0) == 0) {
        inv.seed = ParseSeed(arg.substr(7));
      } else if (name.empty() && !(arg.size() > 1 && arg[0] == '-')) {
        name = arg;
      } else {
        inv.args.push_back(arg);
      }
    }
    if (name.empty()) {
      PrintHelp(help ? std::cout : std::cerr);
      return help ? 0 : 2;
    }
    for (const Command& c : Commands()) {
      if (name != c.name) continue;
      if (help) {
        std::cout << "Usage: " << c.usage << "\n" << c.summary << "\n";
        return 0;
      }
      if (inv.seed) {
        orv::SeedRandom(*inv.seed);
      }
      std::optional<orv::ProgramPaths> paths = orv::orvc::FoundProgramPaths(inv.home);
      if (paths) inv.paths = &*paths;
      return c.run(inv);
    }
    throw CommandError{"unknown command \"" + name + "\" (see orvc --help)"};
  } catch (const CommandError& e) {
    std::cerr << "orvc: " << e.message << "\n";
    return e.exitCode;
  } catch (const std::exception& e) {
    std::cerr << "orvc: " << e.what() << "\n";
    return 1;
  }
}
