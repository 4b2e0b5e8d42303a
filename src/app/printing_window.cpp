#include "app/printing_window.h"

#include <QFont>
#include <QFontMetrics>
#include <QPainter>
#include <QPrinter>

#include "app/printlayout.h"
#include "base/errors.h"
#include "base/translate.h"

namespace orv {

void PrintLines(QPrinter& printer, const std::string& title,
                const std::vector<std::string>& lines) {
  printer.setDocName(QString::fromStdString(title));
  QPainter painter;
  if (!painter.begin(&printer))
    throw E_Orv_Error(TrText("printing_window", "The printer could not be started"));
  QFont font("Times New Roman");
  font.setPointSize(18);
  painter.setFont(font);
  const QRect page = painter.viewport();
  const int textHeight = painter.fontMetrics().size(Qt::TextSingleLine, kPrintMeasureText).height();
  const PrintLayout layout = PlanPrint(page.height(), textHeight);
  const std::vector<PlacedLine> placed = PlaceLines(layout, lines.size());
  int currentPage = 0;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    if (placed[i].page != currentPage) {
      printer.newPage();
      currentPage = placed[i].page;
    }
    painter.drawText(QRect(0, placed[i].y, page.width(), layout.pitch),
                     Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine,
                     QString::fromStdString(lines[i]));
  }
  painter.end();
}

}  // namespace orv
