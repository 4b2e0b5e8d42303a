#pragma once
// A grid's rows as text to keep: CSV for spreadsheets (RFC 4180: a header
// row, fields separated by commas, a field quoted when it holds a comma, a
// quote or a line break, quotes doubled, lines ended by CR LF, UTF-8), and a
// plain table with aligned columns for reading in a terminal.
#include <QAbstractItemModel>
#include <string>
#include <string_view>

namespace orv {

// The model's header titles and the text of every cell, row by row, as the
// grid shows them.
std::string CsvText(const QAbstractItemModel& model);

// The same cells laid out in columns two blanks apart, each as wide as its
// widest text (counted in characters, not bytes); line breaks inside a cell
// become blanks, so each row stays on one line.
std::string ReadableTable(const QAbstractItemModel& model);

// The cells as an HTML table under a heading, for printing: texts escaped,
// line breaks inside a cell kept.
QString HtmlTable(const QAbstractItemModel& model, const QString& title);

}  // namespace orv
