#include "app/picture_window.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <algorithm>

namespace orv {

void PaintOrvPicture(QPainter& p, QSize size) {
  p.setRenderHint(QPainter::Antialiasing);
  const QRectF frame(QPointF(0, 0), QSizeF(size));
  const qreal edge = std::max<qreal>(2, frame.width() / 16);
  p.setBrush(QColor(0x8b, 0x5a, 0x2b));
  p.setPen(Qt::NoPen);
  p.drawRoundedRect(frame, edge, edge);
  QLinearGradient slate(frame.topLeft(), frame.bottomRight());
  slate.setColorAt(0, QColor(0x2f, 0x4f, 0x4f));
  slate.setColorAt(1, QColor(0x1c, 0x30, 0x30));
  p.setBrush(slate);
  p.drawRect(frame.adjusted(edge, edge, -edge, -edge));
  QFont chalk("Lucida Handwriting");
  chalk.setStyleHint(QFont::Cursive);
  chalk.setPixelSize(std::max(6, size.height() / 4));
  p.setFont(chalk);
  p.setPen(QColor(0xf5, 0xf5, 0xdc));
  const QRectF top(frame.left() + edge, frame.top() + edge, frame.width() - 2 * edge,
                   (frame.height() - 2 * edge) / 2);
  p.drawText(top, Qt::AlignCenter, "Abc");
  p.setPen(QColor(0xff, 0xff, 0x80));
  p.drawText(top.translated(0, top.height()), Qt::AlignCenter, "2+3=5");
}

QPixmap OrvPicture(QSize size) {
  QPixmap picture(size);
  picture.fill(Qt::transparent);
  QPainter p(&picture);
  PaintOrvPicture(p, size);
  return picture;
}

QIcon OrvIcon() {
  QIcon icon;
  for (int side : {16, 24, 32, 48, 64, 128, 256}) icon.addPixmap(OrvPicture(QSize(side, side)));
  return icon;
}

}  // namespace orv
