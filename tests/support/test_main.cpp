// The main of the core test programs: a QCoreApplication exists, as in the
// program, so Qt's core classes behave as they do there.
#include <QCoreApplication>
#include <gtest/gtest.h>

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
