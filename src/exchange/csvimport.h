#pragma once
// A spreadsheet's CSV or TSV file as one list.
#include <optional>
#include <string_view>

#include "exchange/imported.h"

namespace orv {

// The records of the text as the entries of
// one list called name; the separator is guessed from the first lines
// unless given. Blank lines are passed over; a record without a chosen
// column is a problem.
ImportResult ReadCsv(std::string_view text, std::string_view name, const ColumnChoice& choice,
                     std::optional<char> separator = std::nullopt);

}  // namespace orv
