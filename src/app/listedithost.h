#pragma once
// The list editor's view of the running program: the logged-in user of a
// password file, the start-up settings' current list, the program folder and
// the program's end asked for.
#include "lists/listedithost.h"

namespace orv {

class PasswordO;

// The user logged in to users, as the list editor sees them.
ListEditor ListEditorOf(const PasswordO& users);

class ProgramListEditHost : public ListEditHost {
 public:
  explicit ProgramListEditHost(const PasswordO& users) : users_(users) {}

  ListEditor Editor() const override;
  std::string CurrentFile() const override;
  std::string ProgramDir() const override;
  bool ProgramEnding() const override;

 private:
  const PasswordO& users_;
};

}  // namespace orv
