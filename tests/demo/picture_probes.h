#pragma once
// Where to look in a picture of the demo window, and what colour the theme
// says should be there.

#include <string>
#include <vector>

#include <QColor>
#include <QImage>
#include <QRect>

namespace palvex::demo {
class DemoWindow;
}

namespace palvex::testing {

struct Probe {
  std::string what;
  QRect area;       // in window coordinates
  QColor expected;  // the current theme's value for it
};

// The form's margin, a text field, a grid cell and the status bar of `window`
// as laid out now, each with the value the engine holds for it in the
// current theme.
std::vector<Probe> demoProbes(demo::DemoWindow& window);

// The colour covering most of `area` (text and borders are the minority).
QColor dominantColour(const QImage& image, const QRect& area);

// Every probe whose dominant colour differs, as "what: expected #.. got #..".
std::string mismatches(const QImage& image, const std::vector<Probe>& probes);

}  // namespace palvex::testing
