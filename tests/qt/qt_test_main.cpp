// The Qt tests (binding and controls) run in one offscreen QApplication
// with the binding installed, as in a host program; gtest_main would make no
// QApplication. Text is drawn without antialiasing, so that the pixels of a
// caption are exactly its colour.

#include <QApplication>
#include <QFont>

#include <gtest/gtest.h>

#include "palvex/qt/palvex_qt.h"

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  QFont font(QStringLiteral("DejaVu Sans"));
  font.setPixelSize(14);
  font.setBold(true);
  font.setStyleStrategy(QFont::NoAntialias);
  QApplication::setFont(font);
  palvex::qt::install();
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
