#pragma once
// Program-wide paths set at start-up; QuitAllowed, LogMistakes and LogAll change during the run.
#include <cstdint>
#include <optional>
#include <string>

#include "judging/answerpolicy.h"

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
  // What answers may be where a list says nothing (orv.ini).
  AnswerPolicy answerDefaults;
  // The level adding users needs in a start-up file made from now on, and
  // before any file is read: orv.ini's addUserPasLev, which a program
  // directory made by orvc init holds; older ones keep the 0 their files
  // were made with.
  std::int32_t addUserPasLev = 0;
  bool QuitAllowed = false;
};

// Sets the program directory and the paths that follow from it.
void SetProgramDirectory(ProgramPaths& paths, const std::string& dir);

// The program directory: home (the --home option) when given, else the
// ORV_HOME environment variable, else the folder of the running program
// (the machine's shared folder for the installed program); made absolute and
// ending in "/".
std::string ProgramDirectory(const std::optional<std::string>& home);

// The program directory as ProgramDirectory names it, or std::nullopt when
// neither home nor ORV_HOME names one and the folder of the running program
// is no program directory: the installed program's machine folder counts,
// any other folder only when it holds orv.ini or the password file, as every
// program directory does. A build's own folder is then not taken for one.
std::optional<std::string> FoundProgramDirectory(const std::optional<std::string>& home);

// The folder of the running program's file, ending in "/".
std::string ExecutableFolder();

}  // namespace orv
