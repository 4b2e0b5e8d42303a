#pragma once
// Text in records of fields split by a separator, as spreadsheets write it
// (CSV, TSV): a field may be quoted, a quote inside it doubled, and a quoted
// field may hold the separator and line breaks.
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace orv {

struct DelimitedRecord {
  std::size_t line = 0;  // the line the record begins on
  std::vector<std::string> fields;
};

// The separator of the first lines: of tab, ";" and "," (outside quotes)
// the one found on each of them, the most often on the line that has it
// least; '\0' (a line is one field) when none is on every line.
char GuessSeparator(std::string_view text);

// Appends the records of text to records, numbering lines from firstLine;
// lines end in LF or CR LF. Returns why the text cannot be read (a quoted
// field that is not closed, naming its line), or an empty text.
std::string ReadDelimited(std::string_view text, char separator, std::size_t firstLine,
                          std::vector<DelimitedRecord>& records);

// Whether every field of the record is empty (a blank line).
bool IsBlankRecord(const DelimitedRecord& record);

// The field written for a record split by separator: quoted, quotes doubled,
// when it holds the separator, a quote, a line break or blanks at its ends,
// or begins with "#" (which would read as a header line of Anki's export).
std::string DelimitedField(std::string_view field, char separator);

}  // namespace orv
