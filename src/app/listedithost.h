#pragma once
// The list editor's view of the running program: the logged-in user of its
// password file, the start-up settings' current list, the program folder and
// the program's end asked for.
#include "app/programstate.h"
#include "lists/listedithost.h"

namespace orv {

class PasswordO;

// The user logged in to users, as the list editor sees them.
ListEditor ListEditorOf(const PasswordO& users);

class ProgramListEditHost : public ListEditHost {
 public:
  explicit ProgramListEditHost(ProgramState state) : state_(state) {}

  ListEditor Editor() const override;
  std::string CurrentFile() const override;
  std::string ProgramDir() const override;
  bool ProgramEnding() const override;

 private:
  ProgramState state_;
};

}  // namespace orv
