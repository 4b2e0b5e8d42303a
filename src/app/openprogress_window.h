#pragma once
// Opening the progress windows for the logged-in user: a learner sees their
// own progress; a level that may look at other users' work sees any
// learner's, and the class overview.
namespace orv {

class Dialogs;
class TClassOverviewForm;
class TProgressForm;

void OpenProgress(TProgressForm& window, Dialogs& dialogs);
void OpenClassOverview(TClassOverviewForm& window, Dialogs& dialogs);

}  // namespace orv
