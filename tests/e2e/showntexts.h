#pragma once
// The texts a window shows a person: its title, labels, buttons, group boxes,
// tabs, menus, column titles, tool tips, placeholders and screen-reader names.
#include <QString>
#include <QWidget>
#include <string>
#include <vector>

namespace orv::e2e {

struct ShownText {
  std::string where;  // "Window/Class objectName"
  QString text;
};

// Every non-empty text of the window's shown widgets and of its menus.
std::vector<ShownText> ShownTexts(QWidget& window);

}  // namespace orv::e2e
