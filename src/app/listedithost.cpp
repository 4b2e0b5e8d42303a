#include "app/listedithost.h"

#include "app/programpaths.h"
#include "app/startupfile.h"
#include "base/numbertext.h"
#include "base/platform.h"
#include "users/password.h"

namespace orv {

ListEditor ListEditorOf(const PasswordO& users) {
  return {users.HasAccess(IntText(PasswordO::EditLevel())), users.CurrentUser()};
}

ListEditor ProgramListEditHost::Editor() const {
  return ListEditorOf(state_.users);
}

std::string ProgramListEditHost::CurrentFile() const {
  return state_.settings.CurrentFile;
}

std::string ProgramListEditHost::ProgramDir() const {
  return state_.paths.programDir;
}

bool ProgramListEditHost::ProgramEnding() const {
  return QuitRequested();
}

}  // namespace orv
