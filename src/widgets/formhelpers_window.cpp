#include "widgets/formhelpers_window.h"

#include <QAction>
#include <QScreen>
#include <QWidget>

namespace orv {
namespace {

QString ShortPart(const QString& hint) {
  const qsizetype bar = hint.indexOf('|');
  return bar < 0 ? hint : hint.left(bar);
}

QString LongPart(const QString& hint) {
  const qsizetype bar = hint.indexOf('|');
  return bar < 0 ? hint : hint.mid(bar + 1);
}

}  // namespace

void SetHint(QWidget* widget, const QString& hint) {
  widget->setToolTip(ShortPart(hint));
  widget->setStatusTip(LongPart(hint));
}

void SetHint(QAction* action, const QString& hint) {
  action->setToolTip(ShortPart(hint));
  action->setStatusTip(LongPart(hint));
}

void CentreOnScreen(QWidget* window) {
  const QScreen* screen = window->screen();
  if (screen == nullptr) return;
  QRect frame = window->frameGeometry();
  frame.moveCenter(screen->availableGeometry().center());
  window->move(frame.topLeft());
}

}  // namespace orv
