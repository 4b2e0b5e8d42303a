#pragma once
// What the list editor writes back: the edited lines in the forms the list's
// file spelled them in, so that a text saved unchanged gives the file back
// byte for byte and an edited one keeps the file's encoding and line ends.
#include <string>
#include <vector>

#include "lists/listfile.h"

namespace orv {

// The edited lines as a list file to save over original's. A line equal to
// one of the file's lines takes that line's encoding and line end (each file
// line serves once); any other line takes the encoding and the line end most
// of the file's lines have (UTF-8 and CR LF for a file without either). The
// last line goes without a line end when the file's last line did. The
// byte-order mark and whatever followed a Ctrl-Z are kept. When a line read
// as Windows-1252 now holds a character that encoding lacks, the whole file
// is written as UTF-8, so that any editor reads it as one text.
ListFile EditedListFile(const ListFile& original, const std::vector<std::string>& lines);

}  // namespace orv
