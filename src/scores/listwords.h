#pragma once
// The words of a word list that a sound is kept for: its spelling words.
#include <string>
#include <vector>

#include "lists/buffers.h"

namespace orv {

class Dialogs;

// The spelling words of a compiled list in its order, each once (letter case
// ignored, as sounds are looked up); questions with a prompt of their own
// (sums) are left out.
std::vector<std::string> SpellingWords(const BufferO& compiled);

// The spelling words of the list file, cleaned and compiled as a test
// compiles it (the compiler's warning shown through dialogs); nothing is
// written back. Empty when the file cannot be read.
std::vector<std::string> ListFileWords(const std::string& path, Dialogs& dialogs);

}  // namespace orv
