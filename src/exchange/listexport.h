#pragma once
// Word lists written for other programs: CSV, KVTML 2.0 and Anki's text
// format, with the words' stored sounds beside the file where the format
// carries sounds. A list goes out as the questions a test asks of it today:
// its sums are the questions they make now.
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "exchange/imported.h"
#include "lists/buffers.h"

namespace orv {

enum class ExportFormat { Csv, Kvtml, Anki };

// "csv", "kvtml" or "anki"; std::nullopt for any other name.
std::optional<ExportFormat> ExportFormatNamed(std::string_view name);

struct ExportedEntry {
  ImportedEntry entry;     // its sound: the file name beside the exported file
  bool generated = false;  // made by a sum of the list
};

struct ExportedList {
  std::string name;
  std::vector<ExportedEntry> entries;
  std::size_t generated = 0;
};

// The list called name as it compiles from its (cleaned) lines; a line the
// compiler makes that is not a line of the list is generated.
ExportedList ExportedListOf(std::string_view name, const BufferO& lines);

// What a teacher is told of a list with generated questions; empty without.
std::string GeneratedNote(const ExportedList& list);

// The file's text. CSV and Anki's format have a column for answers when a
// list has questions (a spelling word is its own answer there); CSV joins
// several lists, Anki's format gives each its deck, KVTML its lesson.
std::string ExportText(ExportFormat format, const std::vector<ExportedList>& lists);

// The stored sound (a WAV file) of a word, if any.
using StoredSound = std::function<std::optional<std::string>(const std::string& word)>;

// Writes the lists to path, and for KVTML and Anki the stored sound of each
// word (or question) beside it as "WORD.wav". Returns why it failed, naming the
// file; empty when all was written.
std::string WriteExport(ExportFormat format, std::vector<ExportedList> lists,
                        const std::string& path, const StoredSound& soundOf);

}  // namespace orv
