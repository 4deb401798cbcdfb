#include <gtest/gtest.h>

#include "ui/application.h"

// Every test executable owns one application of the program's own class (offscreen in CI), so widget tests
// and Qt Core code alike run as they do in Penwick.
int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
  penwick::Application app(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
