#pragma once
// What answers may be where a list says nothing: program-wide, kept in
// orv.ini beside the other machine-wide values, each option off until the
// options window switches it on.
#include "judging/answerpolicy.h"

namespace orv {

struct ProgramPaths;

// Every option on or off, as the program directory's orv.ini holds them.
AnswerPolicy ReadAnswerDefaults(const ProgramPaths& paths);
void WriteAnswerDefaults(const ProgramPaths& paths, const AnswerPolicy& defaults);

}  // namespace orv
