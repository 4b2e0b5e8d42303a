#pragma once
// The score database a command opens: the one the configuration names, read
// as every command reads it; orvc never asks for another one.
#include <functional>

namespace orv {
class Dialogs;
class ScoreDatabase;
}  // namespace orv

namespace orv::orvc {

struct Invocation;

// Opens the configured score database of the program directory in force and
// hands it to work, with the dialogs on the terminal. Raises CommandError
// (exit code 1) when the directory does not exist, no database is named, it
// cannot be opened, or work raises an error of Orv's.
void WithConfiguredDatabase(const Invocation& inv,
                            const std::function<void(ScoreDatabase&, Dialogs&)>& work);

}  // namespace orv::orvc
