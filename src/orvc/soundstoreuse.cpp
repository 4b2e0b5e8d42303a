#include "orvc/soundstoreuse.h"

#include <QCoreApplication>

#include "app/databaseuse.h"
#include "app/programhost.h"
#include "app/startupfile.h"
#include "files/dos.h"
#include "orvc/consoledialogs.h"
#include "orvc/programdirectory.h"
#include "scores/scoredatabase.h"

namespace orv::orvc {

int WithSoundStore(const Invocation& inv, const std::function<int(SoundStore&)>& work) {
  ProgramPaths& p = PathsOf(inv);
  if (!DirExists(p.programDir)) {
    throw CommandError{"the program directory " + p.programDir + " does not exist", 1};
  }
  // Qt's database drivers are plug-ins, found through an application object.
  int argc = 1;
  char name[] = "orvc";
  char* argv[] = {name, nullptr};
  QCoreApplication app(argc, argv);
  const DatabaseUse databases(p);
  ConsoleDialogs dialogs(*inv.err);
  // Nobody logs in to a command: its settings are a new user's.
  const StartUpSettings settings;
  ProgramScoreDbHost host(databases.Account(), p, settings, nullptr);
  ScoreDatabase database(dialogs, host);
  if (!database.ConectDB()) throw CommandError{"could not open the score database", 1};
  SoundStore sounds(database, dialogs);
  return work(sounds);
}

}  // namespace orv::orvc
