#pragma once
// A word list together with how its file spells it, so that the cleaned list
// is written back as the teacher's editor wrote it: each line in its own
// encoding and with its own line end, a byte-order mark kept, and whatever
// follows an old end-of-file mark (Ctrl-Z) kept as it stood.
#include <string>
#include <string_view>
#include <vector>

#include "lists/buffers.h"
#include "lists/textlines.h"

namespace orv {

struct ListLineForm {
  bool windows1252 = false;  // the line was not UTF-8 and was read as Windows-1252
  LineEnd end = LineEnd::kNone;
};

struct ListFile {
  BufferO lines;                    // the text (UTF-8) of each line before a Ctrl-Z
  std::vector<ListLineForm> forms;  // one for each line of lines
  bool byteOrderMark = false;
  std::string fromEndMark;  // the Ctrl-Z that ended the text and every byte after it
};

// Reads a word list; returns the I/O code (600 for an empty name). Each line
// that is not valid UTF-8 is read as Windows-1252 on its own, so one such
// line changes no other. Lines are split as LoadFromFile splits them, and a
// file of more lines than a buffer holds raises the buffer's Add error.
int LoadListFile(ListFile& file, std::string_view name);

// Cleans the lines as CleanList does, keeping each line's form. Returns
// whether the list was already clean; origins as for CleanList.
bool CleanListFile(ListFile& file, bool isNameList, std::vector<LineNo>* origins = nullptr);

// Writes the list back in its own forms, replacing the file safely; returns
// the I/O code (600 for an empty name).
int SaveListFile(const ListFile& file, std::string_view name);

// The number of lines after the Ctrl-Z that hold more than blanks; the rest
// of the Ctrl-Z's own line counts as one.
std::size_t TextLinesAfterEndMark(const ListFile& file);

}  // namespace orv
