#pragma once
// Helpers for checking what a control shows: fixture colours that encode
// their slot, a host window that can hold the focus, and pixel probes on
// the grabbed image.

#include <QColor>
#include <QImage>
#include <QPoint>
#include <QRect>
#include <QWidget>
#include <memory>
#include <string>

namespace palvex::qt::testing {

// A plain colour (0x00BBGGRR) unique to (control, property): red carries
// the property index, green the control index.
int fixtureColour(int control, int property);
// The QColor the engine's colour value stands for (plain values only).
QColor qcolour(int colourRef);

// A window holding one control at a fixed place and size, shown and active
// so that the control can take the keyboard focus.
class Host {
 public:
  Host(QWidget* control, QSize size);

  QWidget* control() const { return control_; }
  // Gives the control the keyboard focus; false when it did not get it.
  bool focus();
  QImage grab() const;

 private:
  std::unique_ptr<QWidget> window_;
  QWidget* control_;
};

// "#rrggbb" of the pixel, or a note when `at` lies outside the image.
std::string pixelAt(const QImage& image, QPoint at);
std::string name(const QColor& colour);
// True when some pixel inside `area` is exactly `colour`.
bool contains(const QImage& image, const QRect& area, const QColor& colour);

}  // namespace palvex::qt::testing
