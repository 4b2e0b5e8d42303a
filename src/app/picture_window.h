#pragma once
// The program's picture: a slate with letters and a sum, drawn at any size
// (the main window's pictures, the About box and the window icon).
#include <QIcon>
#include <QPixmap>
#include <QSize>

namespace orv {

QPixmap OrvPicture(QSize size);

// The picture as the program's icon, drawn for each size a desktop asks for.
QIcon OrvIcon();

}  // namespace orv
