#pragma once
// A window's control by its object name; a missing one fails the test.
#include <gtest/gtest.h>
#include <QAction>
#include <QObject>
#include <QToolButton>

namespace orv::test {

template <typename T>
T* Child(const QObject& window, const char* name) {
  T* child = window.findChild<T*>(name);
  EXPECT_NE(child, nullptr) << name;
  return child;
}

// The command a tool button runs: the action it shares with its menu item.
inline QAction* ToolCommand(const QObject& window, const char* name) {
  QToolButton* button = Child<QToolButton>(window, name);
  return button == nullptr ? nullptr : button->defaultAction();
}

}  // namespace orv::test
