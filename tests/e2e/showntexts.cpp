#include "e2e/showntexts.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAction>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTabBar>

namespace orv::e2e {
namespace {

class Collector {
 public:
  explicit Collector(QWidget& window) : window_(window) {}

  void Add(const QObject& object, const char* what, const QString& text) {
    if (text.trimmed().isEmpty()) return;
    texts_.push_back({window_.objectName().toStdString() + "/" + object.metaObject()->className() +
                          " " + object.objectName().toStdString() + " " + what,
                      text});
  }

  void AddMenu(const QMenu& menu) {
    for (const QAction* action : menu.actions()) {
      if (action->isSeparator()) continue;
      Add(*action, "item", action->text());
      Add(*action, "hint", action->statusTip());
      if (action->menu() != nullptr) AddMenu(*action->menu());
    }
  }

  std::vector<ShownText> Texts() { return std::move(texts_); }

 private:
  QWidget& window_;
  std::vector<ShownText> texts_;
};

bool Shown(const QWidget& w) {
  return w.isVisibleTo(w.window());
}

}  // namespace

std::vector<ShownText> ShownTexts(QWidget& window) {
  Collector c(window);
  c.Add(window, "title", window.windowTitle());
  for (QWidget* w : window.findChildren<QWidget*>()) {
    if (w->window() != &window || !Shown(*w)) continue;
    c.Add(*w, "tool tip", w->toolTip());
    c.Add(*w, "name", w->accessibleName());
    if (auto* label = qobject_cast<QLabel*>(w)) c.Add(*w, "text", label->text());
    if (auto* button = qobject_cast<QAbstractButton*>(w)) c.Add(*w, "text", button->text());
    if (auto* button = qobject_cast<QPushButton*>(w); button != nullptr && button->menu()) {
      c.AddMenu(*button->menu());
    }
    if (auto* box = qobject_cast<QGroupBox*>(w)) c.Add(*w, "title", box->title());
    if (auto* edit = qobject_cast<QLineEdit*>(w)) c.Add(*w, "placeholder", edit->placeholderText());
    if (auto* tabs = qobject_cast<QTabBar*>(w)) {
      for (int i = 0; i < tabs->count(); ++i) c.Add(*w, "tab", tabs->tabText(i));
    }
    if (auto* header = qobject_cast<QHeaderView*>(w);
        header != nullptr && header->orientation() == Qt::Horizontal && header->model()) {
      for (int i = 0; i < header->count(); ++i) {
        c.Add(*w, "column", header->model()->headerData(i, Qt::Horizontal).toString());
      }
    }
    if (auto* bar = qobject_cast<QMenuBar*>(w)) {
      for (const QAction* action : bar->actions()) {
        c.Add(*action, "menu", action->text());
        if (action->menu() != nullptr) c.AddMenu(*action->menu());
      }
    }
  }
  return c.Texts();
}

}  // namespace orv::e2e
