#include "widgets/passwordecho_window.h"

#include <QAccessible>
#include <QLineEdit>

namespace orv {
namespace {

// What handled the events before: nothing, or a test that records them.
QAccessible::UpdateHandler before = nullptr;

QString Stars(const QString& text) {
  return QString(text.size(), '*');
}

void Masked(QAccessibleEvent* event) {
  QAccessible::installUpdateHandler(before);
  const auto* edit = qobject_cast<const QLineEdit*>(event->object());
  if (edit == nullptr || edit->echoMode() == QLineEdit::Normal) {
    QAccessible::updateAccessibility(event);
  } else if (event->type() == QAccessible::TextInserted) {
    const auto* change = static_cast<QAccessibleTextInsertEvent*>(event);
    QAccessibleTextInsertEvent stars(event->object(), change->changePosition(),
                                     Stars(change->textInserted()));
    QAccessible::updateAccessibility(&stars);
  } else if (event->type() == QAccessible::TextRemoved) {
    const auto* change = static_cast<QAccessibleTextRemoveEvent*>(event);
    QAccessibleTextRemoveEvent stars(event->object(), change->changePosition(),
                                     Stars(change->textRemoved()));
    QAccessible::updateAccessibility(&stars);
  } else if (event->type() == QAccessible::TextUpdated) {
    const auto* change = static_cast<QAccessibleTextUpdateEvent*>(event);
    QAccessibleTextUpdateEvent stars(event->object(), change->changePosition(),
                                     Stars(change->textRemoved()), Stars(change->textInserted()));
    QAccessible::updateAccessibility(&stars);
  } else {
    QAccessible::updateAccessibility(event);
  }
  QAccessible::installUpdateHandler(&Masked);
}

}  // namespace

void KeepPasswordsFromScreenReaders() {
  before = QAccessible::installUpdateHandler(&Masked);
}

}  // namespace orv
