#pragma once
// What answers may be where a list says nothing: program-wide, kept in
// orv.ini beside the other machine-wide values, each option off until the
// options window switches it on.
#include "judging/answerpolicy.h"

namespace orv {

// Every option on or off, as orv.ini holds them.
AnswerPolicy ReadAnswerDefaults();
void WriteAnswerDefaults(const AnswerPolicy& defaults);

}  // namespace orv
