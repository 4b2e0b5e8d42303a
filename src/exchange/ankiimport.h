#pragma once
// Anki's export of notes as text: header lines ("#separator:", "#html:",
// "#columns:", "#deck:", "#deck column:" and the columns of tags, note types
// and ids), then one note a line as delimited fields.
#include <string>
#include <string_view>

#include "exchange/imported.h"

namespace orv {

// Whether the text begins with one of the header lines of Anki's export.
bool HasAnkiHeader(std::string_view text);

// The text without HTML: tags removed (a line break becomes a blank) and
// the character entities written out.
std::string WithoutHtml(std::string_view html);

// The notes of the text as entries: one list called name, or one a deck
// when a column holds the decks ("Spelling::Week 1" makes the list "Week 1"
// in the group "Spelling"). A "[sound:FILE]" in a field is taken out of its
// text; FILE in folder becomes the word's sound. The columns of decks, tags,
// note types and ids are not offered for the entries.
ImportResult ReadAnki(std::string_view text, std::string_view name, std::string_view folder,
                      const ColumnChoice& choice);

}  // namespace orv
