// The main of the end-to-end tests: the program's own application object, so
// a window's error reaches the same error box as in the program.
#include <gtest/gtest.h>

#include "app/application_window.h"

int main(int argc, char** argv) {
  if (qgetenv("QT_QPA_PLATFORM").isEmpty()) qputenv("QT_QPA_PLATFORM", "offscreen");
  orv::OrvApplication app(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
