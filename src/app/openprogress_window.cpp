#include "app/openprogress_window.h"

#include <optional>
#include <string>
#include <vector>

#include "app/getuser.h"
#include "app/startupfile.h"
#include "base/dialogs.h"
#include "base/translate.h"
#include "progress/classoverview_window.h"
#include "progress/progress_window.h"
#include "scores/score_window.h"
#include "users/password.h"

namespace orv {
namespace {

std::optional<ProgressViewer> LoggedInViewer(Dialogs& dialogs) {
  if (!HasUsers() || !Users().IsLoggedIn()) {
    dialogs.ShowMessage(TrText("openprogress_window", "No valid user name"));
    return {};
  }
  PasswordO& users = Users();
  return ProgressViewer{users.CurrentUser(),
                        users.HasAccess(std::to_string(Settings().lookOtherUsersPasLev))};
}

}  // namespace

void OpenProgress(TProgressForm& window, Dialogs& dialogs) {
  const auto viewer = LoggedInViewer(dialogs);
  if (!viewer) return;
  window.ShowFor(*viewer);
  window.exec();
}

void OpenClassOverview(TClassOverviewForm& window, Dialogs& dialogs) {
  const auto viewer = LoggedInViewer(dialogs);
  if (!viewer) return;
  if (!viewer->mayLookAtOthers) {
    dialogs.Warning(kLookAtOthersDenied);
    return;
  }
  window.ShowFor(*viewer, Users().UserNames());
  window.exec();
}

}  // namespace orv
