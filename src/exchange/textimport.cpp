#include "exchange/textimport.h"

#include "lists/textlines.h"

namespace orv {

ImportResult ReadPlainText(std::string_view text, std::string_view name) {
  ImportResult result;
  result.columns = {"column 1"};
  ImportedList& list = result.lists.emplace_back(ImportedList{"", ListNameOf(name), {}});
  std::size_t line = 0;
  SplitLines(text, [&](std::string_view word, LineEnd) {
    ++line;
    if (word.find_first_not_of(" \t") == std::string_view::npos) return;
    AddEntry(result, list, LineWhere(line), std::string(word), std::nullopt);
  });
  return result;
}

}  // namespace orv
