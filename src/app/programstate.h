#pragma once
// What the running program shares between the main window, its logic and the
// windows it opens: the start-up settings of the user logged in, the paths
// and flags of the program directory, and the password file. The program's
// start makes them and hands them in; nothing below looks them up.
namespace orv {

class PasswordO;
struct ProgramPaths;
struct StartUpSettings;

struct ProgramState {
  StartUpSettings& settings;
  ProgramPaths& paths;
  PasswordO& users;
};

}  // namespace orv
