#pragma once
// Opening the progress windows for the user logged in to the program's
// password file: a learner sees their own progress; a level that may look at
// other users' work sees any learner's, and the class overview.
#include "app/programstate.h"

namespace orv {

class Dialogs;
class TClassOverviewForm;
class TProgressForm;

void OpenProgress(TProgressForm& window, Dialogs& dialogs, const ProgramState& state);
void OpenClassOverview(TClassOverviewForm& window, Dialogs& dialogs, const ProgramState& state);

}  // namespace orv
