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
  return ListEditorOf(users_);
}

std::string ProgramListEditHost::CurrentFile() const {
  return Settings().CurrentFile;
}

std::string ProgramListEditHost::ProgramDir() const {
  return Paths().programDir;
}

bool ProgramListEditHost::ProgramEnding() const {
  return QuitRequested();
}

}  // namespace orv
