#include "binding_fixture.h"

#include <QApplication>
#include <QScreen>
#include <QTest>
#include <QWidget>

#include "palvex/element.h"
#include "palvex/globales.h"
#include "palvex/system_colours.h"

namespace palvex::qt::testing {

std::int32_t fixtureColour(int theme, std::size_t element, std::size_t property) {
  const int red = 0x18 + static_cast<int>(element) * 0x16;
  const int green = 0x20 + static_cast<int>(property) * 0x14;
  const int blue = theme == 0 ? 0x50 : 0xB0;
  return red | green << 8 | blue << 16;
}

std::int32_t toColourRef(const QColor& colour) { return colour.red() | colour.green() << 8 | colour.blue() << 16; }

BindingTest::BindingTest() {
  tema_ = Tema::create();
  loadFixtureTheme(0);
}

BindingTest::~BindingTest() {
  QApplication::closeAllWindows();
  settle();
}

void BindingTest::loadFixtureTheme(int theme) {
  for (std::size_t e = 0; e < std::size(kElements); ++e) {
    std::shared_ptr<Element> element = globales::sharedElement(kElements[e]);
    const ElementTable& table = element->table();
    for (std::size_t p = 0; p < table.properties.size(); ++p) {
      if (table.properties[p].width == PropertyWidth::Whole16)
        element->setValue(p, theme == 0 ? 1 : 0);
      else
        element->setValue(p, fixtureColour(theme, e, p));
    }
  }
}

QColor BindingTest::themeColour(std::string_view element, std::string_view property) const {
  std::shared_ptr<Element> e = globales::sharedElement(element);
  const std::size_t i = e->indexOf(property);
  EXPECT_NE(i, Element::npos) << element << "." << property;
  const std::int32_t rgb = resolveColour(e->value(i)).value_or(0);
  return QColor(rgb & 0xFF, (rgb >> 8) & 0xFF, (rgb >> 16) & 0xFF);
}

void showActive(QWidget* window) {
  window->show();
  window->activateWindow();
  QApplication::setActiveWindow(window);
  EXPECT_TRUE(QTest::qWaitForWindowExposed(window));
  settle();
}

void settle() {
  for (int i = 0; i < 3; ++i) {
    QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents();
  }
}

// The window's backing store as the screen shows it: what was repainted, not
// what a fresh rendering would give.
QImage shot(QWidget* widget) {
  QWidget* window = widget->window();
  return window->screen()->grabWindow(window->winId()).toImage();
}

QColor pixel(const QImage& image, const QWidget* widget, QPoint point) {
  const QPoint at = widget->mapTo(widget->window(), point);
  return QColor(image.pixel(at)).toRgb();
}

int countColour(const QImage& image, const QWidget* widget, const QColor& colour, QRect area) {
  if (area.isEmpty()) area = widget->rect();
  const QRgb wanted = colour.rgb();
  int count = 0;
  for (int y = area.top(); y <= area.bottom(); ++y)
    for (int x = area.left(); x <= area.right(); ++x) {
      const QPoint at = widget->mapTo(widget->window(), QPoint(x, y));
      if (image.rect().contains(at) && image.pixel(at) == wanted) ++count;
    }
  return count;
}

}  // namespace palvex::qt::testing
