#include "app/openprogress_window.h"

#include <optional>
#include <string>
#include <vector>

#include "app/startupfile.h"
#include "base/dialogs.h"
#include "base/translate.h"
#include "progress/classoverview_window.h"
#include "progress/progress_window.h"
#include "scores/score_window.h"
#include "users/password.h"

namespace orv {
namespace {

std::optional<ProgressViewer> LoggedInViewer(Dialogs& dialogs, const ProgramState& state) {
  const PasswordO& users = state.users;
  if (!users.IsLoggedIn()) {
    dialogs.ShowMessage(TrText("openprogress_window", "No valid user name"));
    return {};
  }
  return ProgressViewer{users.CurrentUser(),
                        users.HasAccess(std::to_string(state.settings.lookOtherUsersPasLev))};
}

}  // namespace

void OpenProgress(TProgressForm& window, Dialogs& dialogs, const ProgramState& state) {
  const auto viewer = LoggedInViewer(dialogs, state);
  if (!viewer) return;
  window.ShowFor(*viewer);
  window.exec();
}

void OpenClassOverview(TClassOverviewForm& window, Dialogs& dialogs, const ProgramState& state) {
  const auto viewer = LoggedInViewer(dialogs, state);
  if (!viewer) return;
  if (!viewer->mayLookAtOthers) {
    dialogs.Warning(kLookAtOthersDenied);
    return;
  }
  window.ShowFor(*viewer, state.users.UserNames());
  window.exec();
}

}  // namespace orv
