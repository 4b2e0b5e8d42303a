#pragma once
// A vocabulary file in KVTML 2.0, the XML format of the KDE learning
// programs: entries with one translation for each language of the file, and
// lessons (containers, which may nest) naming the entries they hold.
#include <string_view>

#include "exchange/imported.h"

namespace orv {

// The lessons of the file as lists: a lesson is a list, a lesson holding
// lessons a group with its own entries, if any, as a list of its name
// inside. Entries in no lesson make the list called name. Each entry's
// chosen translation is the word, or two the question and its answer; the
// languages are the columns. A translation's <sound>, a file beside the
// file (folder), becomes the word's sound. A file that is not well-formed
// XML, or not KVTML 2, fails naming its line.
ImportResult ReadKvtml(std::string_view bytes, std::string_view name, std::string_view folder,
                       const ColumnChoice& choice);

}  // namespace orv
