// The demo tests run in one offscreen QApplication with the binding
// installed and the demo's own locale, so that a window laid out here has the
// geometry of the one palvex-demo renders.

#include <QApplication>
#include <QLocale>

#include <gtest/gtest.h>

#include "palvex/qt/palvex_qt.h"

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  QLocale::setDefault(QLocale(QLocale::Spanish, QLocale::Spain));
  palvex::qt::install();
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
