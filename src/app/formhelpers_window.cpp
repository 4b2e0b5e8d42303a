#include "app/formhelpers_window.h"

#include <QScreen>
#include <QWidget>

namespace orv {

void SetHint(QWidget* widget, const QString& hint) {
  qsizetype bar = hint.indexOf('|');
  widget->setToolTip(bar < 0 ? hint : hint.left(bar));
  widget->setStatusTip(bar < 0 ? hint : hint.mid(bar + 1));
}

void CentreOnScreen(QWidget* window) {
  const QScreen* screen = window->screen();
  if (screen == nullptr) return;
  QRect frame = window->frameGeometry();
  frame.moveCenter(screen->availableGeometry().center());
  window->move(frame.topLeft());
}

}  // namespace orv
