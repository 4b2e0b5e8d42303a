#pragma once
// The program's picture: a slate with letters and a sum, drawn at any size
// (the main window's pictures, the About box, the window icon and the
// desktop's icons).
#include <QIcon>
#include <QPixmap>
#include <QSize>

class QPainter;

namespace orv {

// Paints the picture in the square of side size at the painter's origin
// (the icons in the package are painted into files with it).
void PaintOrvPicture(QPainter& painter, QSize size);

QPixmap OrvPicture(QSize size);

// The picture as the program's icon, drawn for each size a desktop asks for.
QIcon OrvIcon();

}  // namespace orv
