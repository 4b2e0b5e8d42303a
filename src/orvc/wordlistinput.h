#pragma once
// A word list read for orvc the way a test reads it: loaded, checked for
// "$noSort" and cleaned, without anything written back.
#include <cstddef>
#include <iosfwd>
#include <string>
#include <string_view>
#include <vector>

#include "lists/buffers.h"
#include "lists/compile.h"

namespace orv::orvc {

struct WordListInput {
  BufferO lines;                    // the cleaned list
  std::vector<LineNo> lineNumbers;  // for each cleaned line, its line in the file
  bool noSort = false;
  // What a teacher should know about the file itself, one line each: an end
  // mark that hides lines, lines that are not UTF-8.
  std::vector<std::string> warnings;
};

// The text as a terminal can show it: control characters, which would move
// the cursor, clear the screen or ring the bell instead of being seen, are
// written out as \xNN (C0 and DEL) or \u00NN (C1, U+0080 to U+009F).
std::string ShownOnTerminal(std::string_view text);

// Throws CommandError (exit code 2) naming the file when it cannot be read.
WordListInput ReadWordList(const std::string& path);

// Compiles the list without showing anything; each line that cannot be
// asked is written to out as its file, line number and source line, then
// its error line, all shown on a terminal as ShownOnTerminal shows them. Returns the compiled list
// and counts the failures; policies, when given, gets each line's answer policy.
BufferO CompileReporting(const std::string& path, const WordListInput& input, std::ostream& out,
                         std::size_t& failures, AnswerPolicies* policies = nullptr);

}  // namespace orv::orvc
