#pragma once
// A word list read for orvc the way a test reads it: loaded, checked for
// "$noSort" and cleaned, without anything written back.
#include <cstddef>
#include <iosfwd>
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

// Compiles the list without showing anything; each line that cannot be
// asked is written to out as its file, line number and source line, then
// its error line. Returns the compiled list and counts the failures.
BufferO CompileReporting(const std::string& path, const WordListInput& input, std::ostream& out,
                         std::size_t& failures);

}  // namespace orv::orvc
