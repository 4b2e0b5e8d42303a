#pragma once
// The sound store of the program directory's score database, for the
// commands that read or write the words' sounds.
#include <functional>

#include "orvc/command.h"
#include "scores/soundstore.h"

namespace orv::orvc {

// Opens the score database of the program directory in use and runs work on
// its sound store; returns work's exit code. Throws CommandError when the
// program directory or the database is not there.
int WithSoundStore(const Invocation& inv, const std::function<int(SoundStore&)>& work);

}  // namespace orv::orvc
