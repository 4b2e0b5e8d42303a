// The program orv: its options first, then the application and the program.
#include <iostream>

#include "app/application_window.h"
#include "app/endsignals.h"
#include "app/language.h"
#include "app/program_window.h"
#include "app/programoptions.h"
#include "app/programpaths.h"

int main(int argc, char** argv) {
  // Before any thread starts, so that every thread leaves the two signals to
  // the event loop.
  orv::BlockEndSignals();
  const orv::ProgramOptions options = orv::ReadProgramOptions({argv + 1, argv + argc});
  if (!options.error.empty()) {
    std::cerr << "orv: " << options.error << " (see orv --help)\n";
    return 2;
  }
  if (options.help || options.version) {
    std::cout << (options.help ? orv::ProgramHelpText() : orv::ProgramVersionText());
    return 0;
  }
  orv::OrvApplication app(argc, argv);
  orv::StartLanguage(options.lang, orv::FindTranslationsFolder(orv::ExecutableFolder()));
  return orv::RunOrv(options.home);
}
