#include "exchange/tabletext.h"

#include <algorithm>
#include <vector>

#include "base/translate.h"
#include "exchange/delimited.h"

namespace orv {
namespace {

using Cells = std::vector<std::vector<QString>>;

// The header row first, then every row of the model. Files take the titles
// and the cells the model has a source text for as written, a printed page
// the ones on the screen.
Cells CellsOf(const QAbstractItemModel& model, int headerRole) {
  const int columns = model.columnCount();
  Cells cells(1);
  for (int c = 0; c < columns; ++c) {
    const QVariant title = model.headerData(c, Qt::Horizontal, headerRole);
    cells[0].push_back(title.isValid() ? title.toString()
                                       : model.headerData(c, Qt::Horizontal).toString());
  }
  for (int r = 0; r < model.rowCount(); ++r) {
    std::vector<QString> row;
    for (int c = 0; c < columns; ++c) {
      const QVariant written = model.data(model.index(r, c), headerRole);
      row.push_back(written.isValid() ? written.toString()
                                      : model.data(model.index(r, c)).toString());
    }
    cells.push_back(std::move(row));
  }
  return cells;
}

}  // namespace

std::string CsvText(const QAbstractItemModel& model) {
  std::string text;
  for (const auto& row : CellsOf(model, kSourceTextRole)) {
    for (std::size_t c = 0; c < row.size(); ++c) {
      if (c > 0) text += ',';
      text += DelimitedField(row[c].toStdString(), ',');
    }
    text += "\r\n";
  }
  return text;
}

std::string ReadableTable(const QAbstractItemModel& model) {
  Cells cells = CellsOf(model, kSourceTextRole);
  std::vector<qsizetype> widths(static_cast<std::size_t>(model.columnCount()), 0);
  for (auto& row : cells) {
    for (std::size_t c = 0; c < row.size(); ++c) {
      row[c].replace(QLatin1String("\r\n"), QLatin1String(" "));
      row[c]
          .replace(QLatin1Char('\r'), QLatin1Char(' '))
          .replace(QLatin1Char('\n'), QLatin1Char(' '));
      widths[c] = std::max(widths[c], row[c].size());
    }
  }
  std::string text;
  for (const auto& row : cells) {
    QString line;
    for (std::size_t c = 0; c < row.size(); ++c) {
      if (c > 0) line += QLatin1String("  ");
      line += row[c].leftJustified(widths[c]);
    }
    // No line ends in blanks, whatever its last cells hold.
    while (line.endsWith(QLatin1Char(' '))) line.chop(1);
    text += line.toStdString() + "\n";
  }
  return text;
}

QString HtmlTable(const QAbstractItemModel& model, const QString& title) {
  const Cells cells = CellsOf(model, Qt::DisplayRole);
  auto cell = [](const QString& text) {
    return text.toHtmlEscaped().replace(QLatin1Char('\n'), QLatin1String("<br>"));
  };
  QString html = QLatin1String("<h3>") + title.toHtmlEscaped() +
                 QLatin1String("</h3><table border=\"1\" cellspacing=\"0\" cellpadding=\"3\">");
  for (std::size_t r = 0; r < cells.size(); ++r) {
    const QLatin1String tag(r == 0 ? "th" : "td");
    html += QLatin1String("<tr>");
    for (const QString& text : cells[r]) {
      html += QLatin1Char('<') + tag + QLatin1Char('>') + cell(text) + QLatin1String("</") + tag +
              QLatin1Char('>');
    }
    html += QLatin1String("</tr>");
  }
  return html + QLatin1String("</table>");
}

}  // namespace orv
