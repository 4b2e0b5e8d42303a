#pragma once
// A file of another program read as lists, its format known by its name and
// its first bytes.
#include <functional>
#include <string>
#include <string_view>
#include <vector>

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

// The files of one import, read together.
struct ImportBatch {
  std::vector<ImportedList> lists;
  // Each named by the file's name: "farm.csv: line 4: left out: the entry is empty".
  std::vector<std::string> problems;
  std::vector<std::string> failures;  // "farm.csv: line 2: a quoted field is not closed"
  std::vector<std::string> columns;   // those of the first file
};

// Reads the files one after another, telling progress how many are read.
ImportBatch ReadImportFiles(const std::vector<std::string>& files, const ColumnChoice& choice,
                            const std::function<void(std::size_t)>& progress = {});

}  // namespace orv
