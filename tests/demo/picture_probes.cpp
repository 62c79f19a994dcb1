#include "picture_probes.h"

#include <map>

#include <QStatusBar>
#include <QTableWidget>

#include "demo_window.h"
#include "palvex/elements.h"
#include "palvex/globales.h"
#include "palvex/system_colours.h"

namespace palvex::testing {
namespace {

QColor paintColour(std::int32_t value) {
  const auto rgb = static_cast<std::uint32_t>(resolveColour(value).value_or(0));
  return QColor(static_cast<int>(rgb & 0xFF), static_cast<int>(rgb >> 8 & 0xFF), static_cast<int>(rgb >> 16 & 0xFF));
}

QRect inWindow(QWidget* window, QWidget* widget, QRect area) {
  return QRect(widget->mapTo(window, area.topLeft()), area.size());
}

}  // namespace

std::vector<Probe> demoProbes(demo::DemoWindow& window) {
  auto* central = window.centralWidget();
  auto* text = window.findChild<QWidget*>("txtCodigo");
  auto* grid = window.findChild<QTableWidget*>("grdLineas");

  return {
      {"form", inWindow(&window, central, QRect(1, 1, 4, 4)), paintColour(globales::sharedForm()->BackColor())},
      {"text field", inWindow(&window, text, text->rect().adjusted(3, 3, -3, -3)),
       paintColour(globales::sharedText()->BackColor())},
      {"grid cell", inWindow(&window, grid->viewport(), grid->visualItemRect(grid->item(0, 1)).adjusted(1, 1, -1, -1)),
       paintColour(globales::sharedGrid()->BackColor())},
      {"status bar", inWindow(&window, window.statusBar(), window.statusBar()->rect().adjusted(2, 2, -2, -2)),
       paintColour(globales::sharedStatusBar()->BackColor())},
  };
}

QColor dominantColour(const QImage& image, const QRect& area) {
  std::map<QRgb, int> counts;
  const QRect inside = area.intersected(image.rect());
  for (int y = inside.top(); y <= inside.bottom(); ++y)
    for (int x = inside.left(); x <= inside.right(); ++x) ++counts[image.pixel(x, y) | 0xFF000000u];
  QRgb best = 0;
  int most = -1;
  for (const auto& [rgb, count] : counts)
    if (count > most) {
      best = rgb;
      most = count;
    }
  return QColor::fromRgb(best);
}

std::string mismatches(const QImage& image, const std::vector<Probe>& probes) {
  std::string found;
  for (const auto& probe : probes) {
    const QColor got = dominantColour(image, probe.area);
    if (got.rgb() == probe.expected.rgb()) continue;
    found += probe.what + ": expected " + probe.expected.name().toStdString() + ", got " + got.name().toStdString() +
             "; ";
  }
  return found;
}

}  // namespace palvex::testing
