#include "exchange/csvimport.h"

#include <algorithm>

#include "exchange/delimited.h"

namespace orv {

ImportResult ReadCsv(std::string_view text, std::string_view name, const ColumnChoice& choice,
                     std::optional<char> separator) {
  ImportResult result;
  std::vector<DelimitedRecord> records;
  result.failure = ReadDelimited(text, separator.value_or(GuessSeparator(text)), 1, records);
  if (!result.failure.empty()) return result;
  std::size_t width = 0;
  for (const DelimitedRecord& record : records) width = std::max(width, record.fields.size());
  for (std::size_t c = 1; c <= width; ++c) result.columns.push_back("column " + std::to_string(c));
  if (width == 0) return result;  // an empty file makes no list
  const ColumnChoice taken = ChosenColumns(choice, width);
  if (taken.empty()) {
    result.failure =
        "the file has " + std::to_string(width) + " columns; a column beyond them was chosen";
    return result;
  }
  ImportedList& list = result.lists.emplace_back(ImportedList{"", ListNameOf(name), {}});
  list.entries.reserve(records.size());
  for (DelimitedRecord& record : records) {
    if (IsBlankRecord(record)) continue;
    const std::string where = LineWhere(record.line);
    std::optional<TakenFields> fields = TakeFields(result, where, record.fields, taken);
    if (fields)
      AddEntry(result, list, where, std::move(fields->question), std::move(fields->answer));
  }
  return result;
}

}  // namespace orv
