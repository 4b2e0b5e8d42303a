#pragma once
// What a file brought in from another program turns into, before anything is
// written: lists of entries, each with the line or element it came from, and
// the entries that cannot become a line of a list, with the reason.
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace orv {

struct ImportedEntry {
  std::string question;  // the spelling word when there is no answer
  std::string answer;
  std::string sound;  // the path of the word's sound file beside the file; empty without
};

struct ImportedList {
  std::string group;  // the groups below the chosen one it goes into: "animals.orv\birds.orv\"
  std::string name;   // the list's name, without ".orv"
  std::vector<ImportedEntry> entries;
};

struct ImportProblem {
  std::string where;  // "line 4", "line 12, <entry id=\"3\">"
  std::string what;
  bool leftOut = true;  // the entry is left out (else it comes without its sound)
};

struct ImportResult {
  std::vector<ImportedList> lists;
  std::vector<ImportProblem> problems;  // entries left out, sounds not found
  // Why the file cannot be imported at all, naming its line or element;
  // with a failure nothing of the file is made.
  std::string failure;
  // The columns (or translations) the entries can be taken from, by name or
  // number, for the choice of the columns.
  std::vector<std::string> columns;
};

// Which columns (0-based) the entries are taken from: none given, the first
// column alone makes spelling words and the first two make questions and
// answers; one makes spelling words, two make questions and answers.
using ColumnChoice = std::vector<std::size_t>;

// The columns taken of a record (or entry) of count columns; empty when the
// choice names a column beyond them.
ColumnChoice ChosenColumns(const ColumnChoice& choice, std::size_t count);

// The entry as the line of a word list: the word, or question "|" answer.
std::string EntryLine(const ImportedEntry& entry);

// Adds the entry made of the fields to the list (a spelling word without an
// answer), or a problem at where when
// it cannot be a line: an empty word or answer, a question holding "|",
// which would split it, or a word the list compiler takes as a directive.
// Blanks around the fields go, and line breaks and tabs inside them become
// blanks; an answer equal to its question makes a spelling word.
void AddEntry(ImportResult& result, ImportedList& list, std::string_view where,
              std::string question, std::optional<std::string> answer, std::string sound = {});

struct TakenFields {
  std::string question;
  std::optional<std::string> answer;
};

// The chosen fields of a record, moved out of it; std::nullopt, and a
// problem at where, when it lacks a chosen column.
std::optional<TakenFields> TakeFields(ImportResult& result, std::string_view where,
                                      std::vector<std::string>& fields, const ColumnChoice& taken);

// "line N".
std::string LineWhere(std::size_t line);

// A list's name that can be a file name: the characters a file name may not
// hold become blanks; "list" for an empty one.
std::string ListNameOf(std::string_view text);

}  // namespace orv
