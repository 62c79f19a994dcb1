// The designer tests need a QApplication (offscreen) and the Qt binding
// installed once, before any test runs.

#include <cstdlib>

#include <QApplication>

#include <gtest/gtest.h>

#include "palvex/qt/palvex_qt.h"

int main(int argc, char** argv) {
  // Also when CTest lists the tests, which it does without their environment.
  ::setenv("QT_QPA_PLATFORM", "offscreen", 0);
  QApplication app(argc, argv);
  palvex::qt::install();
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
