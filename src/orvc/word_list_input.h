#pragma once
// A word list read for orvc the way a test reads it: loaded, checked for
// "$noSort" and cleaned, without anything written back.
#include <string>
#include <vector>

#include "lists/buffers.h"

namespace orv::orvc {

struct WordListInput {
  BufferO lines;                    // the cleaned list
  std::vector<LineNo> lineNumbers;  // for each cleaned line, its line in the file
  bool noSort = false;
  // What a teacher should know about the file itself, one line each: an end
  // mark that hides lines, lines that are not UTF-8.
  std::vector<std::string> warnings;
};

// Throws CommandError (exit code 2) naming the file when it cannot be read.
WordListInput ReadWordList(const std::string& path);

// One line for a compile that a conversion or arithmetic failure or the
// buffer's limit abandoned.
std::string AbandonedText(const std::string& path, const std::string& reason);

}  // namespace orv::orvc
