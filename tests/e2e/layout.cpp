#include "e2e/layout.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractSpinBox>
#include <QAccessible>
#include <QAction>
#include <QComboBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QRadioButton>
#include <QStyle>
#include <QTableView>
#include <QToolBar>
#include <algorithm>
#include <map>

namespace orv::e2e {
namespace {

std::string Describe(const QWidget& w, const QString& text) {
  return w.window()->objectName().toStdString() + "/" + w.metaObject()->className() + " \"" +
         text.toStdString() + "\"";
}

// Whether the widget and every parent up to its window are shown.
bool Shown(const QWidget& w) {
  return w.isVisibleTo(w.window()) && w.isVisible();
}

void AddAccelerator(std::map<int, std::string>& seen, std::vector<std::string>& shared,
                    const QString& text, const std::string& where) {
  const QKeySequence key = QKeySequence::mnemonic(text);
  if (key.isEmpty()) return;
  const int code = key[0].toCombined();
  auto [it, added] = seen.emplace(code, text.toStdString());
  if (!added) {
    shared.push_back(where + ": " + key.toString().toStdString() + " for \"" + it->second +
                     "\" and \"" + text.toStdString() + "\"");
  }
}

bool TakesInput(const QWidget& window, QWidget& w) {
  return w.window() == &window && Shown(w) && w.isEnabled() &&
         (qobject_cast<QAbstractButton*>(&w) != nullptr ||
          qobject_cast<QLineEdit*>(&w) != nullptr || qobject_cast<QComboBox*>(&w) != nullptr ||
          qobject_cast<QAbstractSpinBox*>(&w) != nullptr ||
          qobject_cast<QAbstractItemView*>(&w) != nullptr ||
          qobject_cast<QAbstractScrollArea*>(&w) != nullptr);
}

// Parts of a control (a combo box's line edit, a spin box's, a grid's
// titles) come with it.
bool PartOfControl(const QWidget& w) {
  const QWidget* parent = w.parentWidget();
  return qobject_cast<const QAbstractSpinBox*>(parent) != nullptr ||
         qobject_cast<const QComboBox*>(parent) != nullptr ||
         qobject_cast<const QAbstractItemView*>(parent) != nullptr ||
         qobject_cast<const QAbstractItemView*>(parent ? parent->parentWidget() : nullptr) !=
             nullptr;
}

}  // namespace

std::vector<std::string> CutTexts(QWidget& window) {
  std::vector<std::string> cut;
  const QRect inside = window.rect();
  for (QWidget* w : window.findChildren<QWidget*>()) {
    if (!Shown(*w) || w->window() != &window) continue;
    const QRect where(w->mapTo(&window, QPoint(0, 0)), w->size());
    if (!inside.contains(where)) {
      cut.push_back(Describe(*w, w->objectName()) + " lies outside its window");
    }
    if (auto* label = qobject_cast<QLabel*>(w)) {
      if (label->text().isEmpty() || label->wordWrap() || label->hasScaledContents()) continue;
      if (label->width() < label->minimumSizeHint().width() ||
          label->height() < label->fontMetrics().height()) {
        cut.push_back(Describe(*w, label->text()) + " is cut off");
      }
    } else if (auto* button = qobject_cast<QAbstractButton*>(w)) {
      if (button->text().isEmpty()) continue;
      if (button->width() < button->minimumSizeHint().width() ||
          button->height() < button->fontMetrics().height()) {
        cut.push_back(Describe(*w, button->text()) + " is cut off");
      }
    } else if (auto* group = qobject_cast<QGroupBox*>(w)) {
      if (group->width() < group->fontMetrics().horizontalAdvance(group->title())) {
        cut.push_back(Describe(*w, group->title()) + " is cut off");
      }
    } else if (auto* bar = qobject_cast<QMenuBar*>(w)) {
      // Menus that do not fit hide behind an extension button.
      if (bar->width() < bar->sizeHint().width()) {
        cut.push_back(Describe(*w, "menu bar") + " hides menus");
      }
    } else if (auto* table = qobject_cast<QTableView*>(w)) {
      // Short values (a time, a date) are shown whole; longer ones may be cut
      // at the widest a grid's column is made to fit.
      constexpr int kWidestFit = 150;
      QAbstractItemModel* model = table->model();
      const int margin = 2 * (table->style()->pixelMetric(QStyle::PM_FocusFrameHMargin) + 1);
      for (int row = 0; model != nullptr && row < std::min(model->rowCount(), 50); ++row) {
        for (int column = 0; column < model->columnCount(); ++column) {
          if (table->isColumnHidden(column)) continue;
          const QString text = model->data(model->index(row, column)).toString();
          const int needed = table->fontMetrics().horizontalAdvance(text) + margin;
          if (table->columnWidth(column) < std::min(needed, kWidestFit)) {
            cut.push_back(Describe(*w, text) + " is cut off in its column");
          }
        }
      }
    } else if (auto* header = qobject_cast<QHeaderView*>(w)) {
      if (header->orientation() != Qt::Horizontal || header->model() == nullptr) continue;
      const int margin = 2 * header->style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, header);
      for (int i = 0; i < header->count(); ++i) {
        if (header->isSectionHidden(i) || header->sectionSize(i) == 0) continue;
        const QString title = header->model()->headerData(i, Qt::Horizontal).toString();
        if (header->sectionSize(i) < header->fontMetrics().horizontalAdvance(title) + margin) {
          cut.push_back(Describe(*w, title) + " column title is cut off");
        }
      }
    }
  }
  return cut;
}

std::vector<std::string> SharedAccelerators(QWidget& window) {
  std::vector<std::string> shared;
  std::map<int, std::string> seen;
  const std::string name = window.objectName().toStdString();
  for (QWidget* w : window.findChildren<QWidget*>()) {
    if (!Shown(*w) || w->window() != &window || !w->isEnabled()) continue;
    if (auto* button = qobject_cast<QAbstractButton*>(w)) {
      AddAccelerator(seen, shared, button->text(), name);
    } else if (auto* group = qobject_cast<QGroupBox*>(w)) {
      if (group->isCheckable()) AddAccelerator(seen, shared, group->title(), name);
    } else if (auto* label = qobject_cast<QLabel*>(w)) {
      if (label->buddy() != nullptr) AddAccelerator(seen, shared, label->text(), name);
    }
  }
  if (auto* bar = window.findChild<QMenuBar*>(QString(), Qt::FindDirectChildrenOnly)) {
    for (QAction* menu : bar->actions()) {
      if (!menu->isVisible()) continue;
      AddAccelerator(seen, shared, menu->text(), name + " menu bar");
      if (menu->menu() == nullptr) continue;
      std::map<int, std::string> items;
      for (QAction* item : menu->menu()->actions()) {
        if (item->isVisible() && !item->isSeparator()) {
          AddAccelerator(items, shared, item->text(), name + " menu " + menu->text().toStdString());
        }
      }
    }
  }
  return shared;
}

std::vector<std::string> KeyboardGaps(QWidget& window) {
  std::vector<std::string> gaps;
  auto takesInput = [&window](QWidget* w) { return TakesInput(window, *w); };
  std::vector<QWidget*> chain;
  for (QWidget* w = window.nextInFocusChain(); w != &window; w = w->nextInFocusChain()) {
    if (takesInput(w) && (w->focusPolicy() & Qt::TabFocus) != 0 && w->focusProxy() == nullptr) {
      chain.push_back(w);
    }
  }
  for (QWidget* w : window.findChildren<QWidget*>()) {
    // A radio button is reached with the arrow keys from the checked one of
    // its group; a tool bar repeats menu items.
    if (!takesInput(w) || w->focusProxy() != nullptr || PartOfControl(*w)) continue;
    if (qobject_cast<QRadioButton*>(w) != nullptr || qobject_cast<QToolBar*>(w->parentWidget())) {
      continue;
    }
    if (auto* edit = qobject_cast<QLineEdit*>(w); edit != nullptr && edit->isReadOnly()) continue;
    if ((w->focusPolicy() & Qt::TabFocus) == 0) {
      gaps.push_back(Describe(*w, w->objectName()) + " cannot be reached with Tab");
    }
  }
  for (std::size_t i = 1; i < chain.size(); ++i) {
    const QRect before(chain[i - 1]->mapTo(&window, QPoint(0, 0)), chain[i - 1]->size());
    const QRect after(chain[i]->mapTo(&window, QPoint(0, 0)), chain[i]->size());
    // Up and to the right is the next column of a form; up and not to the
    // right goes back over what was filled in.
    if (after.bottom() < before.top() && after.left() <= before.left()) {
      gaps.push_back(window.objectName().toStdString() + ": Tab goes from " +
                     Describe(*chain[i - 1], chain[i - 1]->objectName()) + " back up to " +
                     Describe(*chain[i], chain[i]->objectName()));
    }
  }
  return gaps;
}

std::vector<std::string> UnnamedControls(QWidget& window) {
  std::vector<std::string> unnamed;
  for (QWidget* w : window.findChildren<QWidget*>()) {
    if (!TakesInput(window, *w) || w->focusPolicy() == Qt::NoFocus || PartOfControl(*w)) continue;
    QAccessibleInterface* control = QAccessible::queryAccessibleInterface(w);
    if (control == nullptr) {
      unnamed.push_back(Describe(*w, w->objectName()) + " is not seen by a screen reader");
      continue;
    }
    // On Linux a combo box's name is its choice: only a label names it.
    const bool named = !control->relations(QAccessible::Label).isEmpty() ||
                       (qobject_cast<QComboBox*>(w) == nullptr &&
                        !control->text(QAccessible::Name).trimmed().isEmpty());
    if (!named) unnamed.push_back(Describe(*w, w->objectName()) + " has no accessible name");
  }
  return unnamed;
}

}  // namespace orv::e2e
