#include "scores/firebird/sqlquote.h"

#include <QDate>

namespace orv {

void SqlQuote(std::string& statement, std::string_view value) {
  statement += '\'';
  for (char c : value) {
    // A NUL byte would end the statement's text where it stands.
    if (c == '\0') continue;
    if (c == '\'') statement += '\'';
    statement += c;
  }
  statement += '\'';
}

void SqlQuoteList(std::string& list, std::string_view value) {
  if (!list.empty()) list += ", ";
  SqlQuote(list, value);
}

std::string SqlLiteral(std::string_view value) {
  std::string literal;
  SqlQuote(literal, value);
  return literal;
}

std::string SqlDayLiteral(std::int64_t julianDay) {
  return "DATE " + SqlLiteral(QDate::fromJulianDay(julianDay).toString(Qt::ISODate).toStdString());
}

}  // namespace orv
