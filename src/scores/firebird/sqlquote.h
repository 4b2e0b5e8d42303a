#pragma once
// Texts placed in SQL statements as string literals.
#include <cstdint>
#include <string>
#include <string_view>

namespace orv {

// Appends value to statement as a literal: "'", the value with every "'"
// doubled and without NUL bytes, "'" (O'Neil becomes 'O''Neil').
void SqlQuote(std::string& statement, std::string_view value);

// As SqlQuote, but first appends ", " when list is not empty.
void SqlQuoteList(std::string& list, std::string_view value);

// The literal of value on its own.
std::string SqlLiteral(std::string_view value);

// The literal of a calendar day given as its Julian day number: DATE '2026-12-10'.
std::string SqlDayLiteral(std::int64_t julianDay);

}  // namespace orv
