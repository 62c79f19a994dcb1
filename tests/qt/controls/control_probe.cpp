#include "qt/controls/control_probe.h"

#include <QApplication>
#include <QTest>

namespace palvex::qt::testing {

int fixtureColour(int control, int property) {
  const int red = 0x21 + 0x13 * property;
  const int green = 0x35 + 0x0B * control;
  const int blue = 0x6C;
  return red | (green << 8) | (blue << 16);
}

QColor qcolour(int colourRef) {
  return QColor(colourRef & 0xFF, (colourRef >> 8) & 0xFF, (colourRef >> 16) & 0xFF);
}

Host::Host(QWidget* control, QSize size) : window_(std::make_unique<QWidget>()), control_(control) {
  window_->setObjectName(QStringLiteral("host"));
  window_->resize(size.width() + 40, size.height() + 40);
  control_->setParent(window_.get());
  control_->setGeometry(QRect(QPoint(20, 20), size));
  window_->show();
  window_->activateWindow();
  QApplication::setActiveWindow(window_.get());
  (void)QTest::qWaitForWindowExposed(window_.get());
  // Activation hands the focus to the first control that takes it; the
  // states under test start without it.
  if (QWidget* focused = QApplication::focusWidget()) focused->clearFocus();
  QApplication::processEvents();
}

bool Host::focus() {
  QApplication::setActiveWindow(window_.get());
  control_->setFocus(Qt::OtherFocusReason);
  QApplication::processEvents();
  return control_->hasFocus();
}

QImage Host::grab() const {
  QApplication::processEvents();
  return control_->grab().toImage();
}

std::string name(const QColor& colour) { return colour.name().toStdString(); }

std::string pixelAt(const QImage& image, QPoint at) {
  if (!image.rect().contains(at)) return "outside " + std::to_string(image.width()) + "x" + std::to_string(image.height());
  return name(QColor(image.pixel(at)));
}

bool contains(const QImage& image, const QRect& area, const QColor& colour) {
  const QRect inside = area.intersected(image.rect());
  const QRgb wanted = colour.rgb();
  for (int y = inside.top(); y <= inside.bottom(); ++y)
    for (int x = inside.left(); x <= inside.right(); ++x)
      if ((image.pixel(x, y) | 0xFF000000u) == wanted) return true;
  return false;
}

}  // namespace palvex::qt::testing
