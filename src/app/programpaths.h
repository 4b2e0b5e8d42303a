#pragma once
// The program-wide paths and flags fixed at start-up, kept for the whole run.
#include <optional>
#include <string>

namespace orv {

struct ProgramPaths {
  std::string programDir;       // ends in the separator
  std::string listRoot;         // programDir + "orv.orv\"
  std::string defaultDatabase;  // programDir + "scoredb.gdb"
  std::string passwordFileName = "KVXS1.KVX";
  std::string engineRoot;   // the database engine's folder, ends in a separator
  std::string copyMessage;  // why copying the function library failed, else empty
  bool LogMistakes = true;
  bool LogAll = true;
  bool QuitAllowed = false;
};

ProgramPaths& Paths();

// Sets the program directory and the paths that follow from it.
void SetProgramDirectory(const std::string& dir);

// The program directory: home (the --home option) when given, else the
// ORV_HOME environment variable, else the folder of the running program
// (the machine's shared folder for the installed program); made absolute and
// ending in "/".
std::string ProgramDirectory(const std::optional<std::string>& home);

// The folder of the running program's file, ending in "/".
std::string ExecutableFolder();

}  // namespace orv
