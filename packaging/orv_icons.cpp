// Paints the program's picture into the icon files of the desktop's hicolor
// theme: PNG files of the sizes the package ships and one scalable SVG.
#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgGenerator>
#include <cstdio>

#include "app/picture_window.h"

int main(int argc, char** argv) {
  QGuiApplication app(argc, argv);
  if (argc != 3) {
    std::fprintf(stderr, "usage: orv_icons OUTDIR ICON_NAME\n");
    return 2;
  }
  const QString out = QString::fromLocal8Bit(argv[1]) + "/hicolor/";
  const QString name = QString::fromLocal8Bit(argv[2]);
  for (const int side : {48, 64, 128, 256}) {
    const QString folder = out + QString("%1x%1/apps/").arg(side);
    QImage image(side, side, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    {
      QPainter painter(&image);
      orv::PaintOrvPicture(painter, QSize(side, side));
    }
    if (!QDir().mkpath(folder) || !image.save(folder + name + ".png")) {
      std::fprintf(stderr, "orv_icons: could not write %s\n", qPrintable(folder));
      return 1;
    }
  }
  const QString folder = out + "scalable/apps/";
  if (!QDir().mkpath(folder)) return 1;
  QSvgGenerator svg;
  svg.setFileName(folder + name + ".svg");
  svg.setSize(QSize(256, 256));
  svg.setViewBox(QRect(0, 0, 256, 256));
  svg.setTitle("Orv");
  svg.setDescription("A slate with letters and a sum");
  QPainter painter;
  if (!painter.begin(&svg)) return 1;
  orv::PaintOrvPicture(painter, QSize(256, 256));
  return painter.end() ? 0 : 1;
}
