#pragma once
// The database windows as the program's own commands open them: the main
// window and the progress openers are handed the program-wide users and
// settings (State()), so the fixture's password file becomes the program's,
// over new start-up settings and the program directory, all put back
// afterwards.
#include "app/getuser.h"
#include "app/programpaths.h"
#include "app/programstate.h"
#include "app/startupfile.h"
#include "dbwindow_fixture.h"

namespace orv::test {

class ProgramWindowTest : public DbWindowTest {
 protected:
  void SetUp() override {
    DbWindowTest::SetUp();
    SetProgramDirectory(dir.Str());
    Settings() = StartUpSettings{};
    // passwords stays the one LogIn logs in to.
    SetUsers(std::move(ownPasswords));
  }
  void TearDown() override {
    SetUsers(nullptr);
    Settings() = savedSettings_;
    Paths() = savedPaths_;
    DbWindowTest::TearDown();
  }
  ProgramState State() { return {Settings(), Paths(), Users()}; }

 private:
  const StartUpSettings savedSettings_ = Settings();
  const ProgramPaths savedPaths_ = Paths();
};

}  // namespace orv::test
