#include "orvc/soundstoreuse.h"

#include <QCoreApplication>

#include "app/databaseuse.h"
#include "app/programhost.h"
#include "app/programpaths.h"
#include "files/dos.h"
#include "orvc/consoledialogs.h"
#include "scores/scoredatabase.h"

namespace orv::orvc {

int WithSoundStore(const Invocation& inv, const std::function<int(SoundStore&)>& work) {
  const ProgramPaths& p = Paths();
  if (!DirExists(p.programDir)) {
    throw CommandError{"the program directory " + p.programDir + " does not exist", 1};
  }
  // Qt's database drivers are plug-ins, found through an application object.
  int argc = 1;
  char name[] = "orvc";
  char* argv[] = {name, nullptr};
  QCoreApplication app(argc, argv);
  const DatabaseUse databases;
  ConsoleDialogs dialogs(*inv.err);
  ProgramScoreDbHost host(databases.Account());
  ScoreDatabase database(dialogs, host);
  if (!database.ConectDB()) throw CommandError{"could not open the score database", 1};
  SoundStore sounds(database, dialogs);
  return work(sounds);
}

}  // namespace orv::orvc
