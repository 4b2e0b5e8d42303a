#pragma once
// A window's control by its object name; a missing one fails the test.
#include <gtest/gtest.h>
#include <QObject>

namespace orv::test {

template <typename T>
T* Child(const QObject& window, const char* name) {
  T* child = window.findChild<T*>(name);
  EXPECT_NE(child, nullptr) << name;
  return child;
}

}  // namespace orv::test
