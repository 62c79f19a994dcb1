// The designer's and the demo's tests run in one offscreen QApplication with
// the binding installed, and with the demo's own locale, so that a window laid
// out here has the geometry of the one palvex-demo renders.

#include <cstdlib>

#include <QApplication>
#include <QLocale>

#include <gtest/gtest.h>

#include "palvex/qt/palvex_qt.h"

int main(int argc, char** argv) {
  // Also when CTest lists the tests, which it does without their environment.
  ::setenv("QT_QPA_PLATFORM", "offscreen", 0);
  QApplication app(argc, argv);
  QLocale::setDefault(QLocale(QLocale::Spanish, QLocale::Spain));
  palvex::qt::install();
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
