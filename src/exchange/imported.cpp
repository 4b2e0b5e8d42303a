#include "exchange/imported.h"

#include <algorithm>

#include "base/strings.h"
#include "lists/compile.h"

namespace orv {
namespace {

std::string Cleaned(std::string field) {
  for (char& c : field) {
    if (c == '\r' || c == '\n' || c == '\t') c = ' ';
  }
  const std::size_t first = field.find_first_not_of(' ');
  if (first == std::string::npos) return {};
  return field.substr(first, field.find_last_not_of(' ') - first + 1);
}

}  // namespace

ColumnChoice ChosenColumns(const ColumnChoice& choice, std::size_t count) {
  ColumnChoice taken = choice;
  if (taken.empty()) taken = count >= 2 ? ColumnChoice{0, 1} : ColumnChoice{0};
  for (const std::size_t column : taken) {
    if (column >= count) return {};
  }
  return taken;
}

std::string EntryLine(const ImportedEntry& entry) {
  return entry.answer.empty() ? entry.question : entry.question + "|" + entry.answer;
}

void AddEntry(ImportResult& result, ImportedList& list, std::string_view where,
              std::string question, std::optional<std::string> answer, std::string sound) {
  question = Cleaned(std::move(question));
  if (answer) answer = Cleaned(std::move(*answer));
  std::string what;
  if (question.empty()) {
    what = "the entry is empty";
  } else if (answer && answer->empty()) {
    what = "\"" + question + "\" has no answer";
  } else if (question.find('|') != std::string::npos) {
    what = "\"" + question + "\" holds \"|\", which would split it into a question and an answer";
  } else if (IsDirective(question)) {
    what = "\"" + question + "\" would be taken for a directive of the list";
  }
  if (!what.empty()) {
    result.problems.push_back({std::string(where), what});
    return;
  }
  std::string kept = answer && *answer != question ? std::move(*answer) : std::string();
  list.entries.push_back({std::move(question), std::move(kept), std::move(sound)});
}

std::optional<TakenFields> TakeFields(ImportResult& result, std::string_view where,
                                      std::vector<std::string>& fields, const ColumnChoice& taken) {
  const std::size_t needed = *std::max_element(taken.begin(), taken.end());
  if (needed >= fields.size()) {
    result.problems.push_back(
        {std::string(where), "it has no column " + std::to_string(needed + 1)});
    return std::nullopt;
  }
  TakenFields out{std::move(fields[taken[0]]), std::nullopt};
  if (taken.size() > 1) out.answer = std::move(fields[taken[1]]);
  return out;
}

std::string LineWhere(std::size_t line) {
  return "line " + std::to_string(line);
}

std::string ListNameOf(std::string_view text) {
  std::string name(text);
  for (char& c : name) {
    if (InSet("\\/:*?\"<>|", c) || static_cast<unsigned char>(c) < 0x20) c = ' ';
  }
  name = TrimSet(name, " .");
  return name.empty() ? "list" : name;
}

}  // namespace orv
