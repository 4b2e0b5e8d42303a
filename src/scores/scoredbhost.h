#pragma once
// What the score database needs from the rest of the program: the stored
// database path, the account, the program directory, the current user's level and the
// level needed to change the database, the current list folder, and the flag
// that lets the main window close.
#include <string>

#include "scores/firebird/dbaccount.h"

namespace orv {

class ScoreDbHost {
 public:
  virtual ~ScoreDbHost() = default;

  // The "scoreDB" value of orv.ini; empty when missing.
  virtual std::string ScoreDbPath() = 0;
  virtual void SetScoreDbPath(const std::string& path) = 0;
  // The program directory, ending in a separator.
  virtual std::string ProgramDir() = 0;
  // The logged-in user's access level (-1 when nobody is logged in).
  virtual int CurrentLevel() = 0;
  // ChangeDBPasLev of the user's start-up settings.
  virtual int ChangeDbLevel() = 0;
  // CurrentDir of the user's start-up settings: empty or ending in "\".
  virtual std::string CurrentDir() = 0;
  // The account every attachment uses.
  virtual DbAccount Account() = 0;
  // QuitAllowed of the main window.
  virtual bool QuitAllowed() = 0;
  virtual void SetQuitAllowed() = 0;
};

}  // namespace orv
