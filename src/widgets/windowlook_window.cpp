#include "widgets/windowlook_window.h"

#include <QWidget>
#include <cmath>

namespace orv {
namespace {

WindowLook& CurrentLook() {
  static WindowLook look;
  return look;
}

}  // namespace

const WindowLook& Look() {
  return CurrentLook();
}

void SetLook(const WindowLook& look) {
  CurrentLook() = look;
}

int Scaled(int pixels) {
  return static_cast<int>(std::lround(pixels * Look().textScale));
}

QRect Scaled(const QRect& design) {
  return {Scaled(design.x()), Scaled(design.y()), Scaled(design.width()), Scaled(design.height())};
}

void FitScaled(QWidget* window, const QSize& design) {
  const QSize size(Scaled(design.width()), Scaled(design.height()));
  window->setMinimumSize(size);
  window->resize(size);
}

void SetScaledPoints(QWidget* control, int points) {
  QFont font = control->window()->font();
  font.setPointSize(Scaled(points));
  control->setFont(font);
}

void SetScaledPixels(QWidget* control, int pixels) {
  QFont font = control->window()->font();
  font.setPixelSize(Scaled(pixels));
  control->setFont(font);
}

}  // namespace orv
