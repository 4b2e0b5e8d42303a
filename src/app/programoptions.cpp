#include "app/programoptions.h"

namespace orv {
namespace {

// An option with a value, as "--name VALUE" or "--name=VALUE"; moves i past
// the value. False when args[i] is not the option.
bool Valued(const std::vector<std::string>& args, std::size_t& i, const std::string& name,
            const std::string& needs, std::optional<std::string>& value, std::string& error) {
  const std::string& arg = args[i];
  if (arg == name) {
    if (i + 1 >= args.size() || args[i + 1].empty()) {
      error = name + " needs " + needs;
    } else {
      value = args[++i];
    }
    return true;
  }
  if (!arg.starts_with(name + "=")) return false;
  value = arg.substr(name.size() + 1);
  if (value->empty()) error = name + " needs " + needs;
  return true;
}

}  // namespace

ProgramOptions ReadProgramOptions(const std::vector<std::string>& args) {
  ProgramOptions options;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    if (arg == "--help" || arg == "-h") {
      options.help = true;
    } else if (arg == "--version") {
      options.version = true;
    } else if (!Valued(args, i, "--home", "the program directory", options.home, options.error)) {
      Valued(args, i, "--lang", "a language code", options.lang, options.error);
    }
  }
  return options;
}

std::string ProgramHelpText() {
  return "Usage: orv [--home DIR] [--lang CODE] [Qt options]\n"
         "\n"
         "Orv: spelling and arithmetic practice. Opens the main window and asks for a\n"
         "log-in; quit with the Quit button.\n"
         "\n"
         "  --home DIR  the program directory (default: $ORV_HOME, else the folder of orv;\n"
         "              /var/lib/orv for the installed /usr/bin/orv)\n"
         "  --lang CODE the windows' language for this run: en, de, fr or es (default:\n"
         "              the last user's choice in the options, else the desktop's)\n"
         "  --help      this text\n"
         "  --version   the program's version\n"
         "\n"
         "A new program directory, with sample lists and the user ADMIN, is made by\n"
         "  orvc init --home DIR\n";
}

std::string ProgramVersionText() {
  return std::string("orv ") + ORV_VERSION + "\n";
}

}  // namespace orv
