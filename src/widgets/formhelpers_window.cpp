#include "widgets/formhelpers_window.h"

#include <QAction>
#include <QKeySequence>
#include <QScreen>
#include <QShortcut>
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

constexpr char kCentred[] = "orvCentred";

bool EndsSentence(const QString& text) {
  return text.endsWith('.') || text.endsWith('!') || text.endsWith('?') || text.endsWith(':');
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

void SetSpokenText(QWidget* control, const QStringList& texts) {
  QStringList sentences;
  for (const QString& text : texts) {
    const QString trimmed = text.trimmed();
    if (!trimmed.isEmpty()) sentences << (EndsSentence(trimmed) ? trimmed : trimmed + '.');
  }
  control->setAccessibleDescription(sentences.join(' '));
}

void SetTabOrder(std::initializer_list<QWidget*> order) {
  QWidget* before = nullptr;
  for (QWidget* control : order) {
    if (before != nullptr) QWidget::setTabOrder(before, control);
    before = control;
  }
}

void CentreOnScreen(QWidget* window) {
  const QScreen* screen = window->screen();
  if (screen == nullptr) return;
  // A window shown again stays where it stood: once the window manager has
  // framed it, moving it would shift it by its frame.
  if (window->property(kCentred).toBool()) return;
  window->setProperty(kCentred, true);
  QRect frame = window->frameGeometry();
  frame.moveCenter(screen->availableGeometry().center());
  window->move(frame.topLeft());
}

void AddQuitKeys(QWidget* window, const std::function<void()>& quit) {
  for (const QKeySequence& key :
       {QKeySequence(Qt::ALT | Qt::Key_Q), QKeySequence(QKeySequence::Quit)}) {
    auto* shortcut = new QShortcut(key, window);
    QObject::connect(shortcut, &QShortcut::activated, window, quit);
  }
}

}  // namespace orv
