#include "app/programoptions.h"

namespace orv {

ProgramOptions ReadProgramOptions(const std::vector<std::string>& args) {
  ProgramOptions options;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    if (arg == "--help" || arg == "-h") {
      options.help = true;
    } else if (arg == "--version") {
      options.version = true;
    } else if (arg == "--home") {
      if (i + 1 >= args.size() || args[i + 1].empty()) {
        options.error = "--home needs the program directory";
      } else {
        options.home = args[++i];
      }
    } else if (arg.starts_with("--home=")) {
      options.home = arg.substr(7);
      if (options.home->empty()) options.error = "--home needs the program directory";
    }
  }
  return options;
}

std::string ProgramHelpText() {
  return "Usage: orv [--home DIR] [Qt options]\n"
         "\n"
         "Orv: spelling and arithmetic practice. Opens the main window and asks for a\n"
         "log-in; quit with the Quit button.\n"
         "\n"
         "  --home DIR  the program directory (default: $ORV_HOME, else the folder of orv;\n"
         "              /var/lib/orv for the installed /usr/bin/orv)\n"
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
