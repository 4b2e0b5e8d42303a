// The main of the end-to-end tests: the program's own application object, so
// a window's error reaches the same error box as in the program, and the
// signals that end the program left to it as its own main leaves them.
#include <gtest/gtest.h>

#include "app/application_window.h"
#include "app/endsignals.h"

int main(int argc, char** argv) {
  orv::BlockEndSignals();
  if (qgetenv("QT_QPA_PLATFORM").isEmpty()) qputenv("QT_QPA_PLATFORM", "offscreen");
  orv::OrvApplication app(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
