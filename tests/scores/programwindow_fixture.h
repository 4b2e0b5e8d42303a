#pragma once
// The database windows as the program's own commands open them: the main
// window and the progress openers are handed a program state (State()) of
// the fixture's own, over the fixture's password file, new start-up settings
// and the program directory.
#include "app/programpaths.h"
#include "app/programstate.h"
#include "app/startupfile.h"
#include "dbwindow_fixture.h"

namespace orv::test {

class ProgramWindowTest : public DbWindowTest {
 protected:
  void SetUp() override {
    DbWindowTest::SetUp();
    SetProgramDirectory(paths, dir.Str());
  }
  // passwords stays the one LogIn logs in to.
  ProgramState State() { return {settings, paths, *passwords}; }

  StartUpSettings settings;
  ProgramPaths paths;
};

}  // namespace orv::test
