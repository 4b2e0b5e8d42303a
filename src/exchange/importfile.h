#pragma once
// A file of another program read as lists, its format known by its name and
// its first bytes.
#include <string>
#include <string_view>

#include "exchange/imported.h"

namespace orv {

enum class ImportFormat { Csv, Tsv, Kvtml, Anki, PlainText };

// The format of a file: ".kvtml" or an XML start is KVTML; ".csv" and
// ".tsv" are themselves; other text beginning with Anki's header lines is
// Anki's export, with a tab on its first line TSV, else a plain page of words.
ImportFormat FormatOf(std::string_view path, std::string_view text);

// The name of a format as the import shows it.
std::string FormatName(ImportFormat format);

// Reads the file and turns it into lists; a file that cannot be read fails
// with the file layer's error text.
ImportResult ImportFile(const std::string& path, const ColumnChoice& choice);

}  // namespace orv
