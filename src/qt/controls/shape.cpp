// Shape: an outlined figure. Only the outline is painted, so the form shows
// through; mouse events go to the controls beneath.

#include <QPainter>

#include "palvex/qt/controls.h"
#include "qt/controls/control_support.h"

namespace palvex::qt {

Shape::Shape(QWidget* parent)
    // The shape element's default: a light blue outline.
    : QWidget(parent), colours_({0xFDB6A2}) {
  setAttribute(Qt::WA_TransparentForMouseEvents);
  setFocusPolicy(Qt::NoFocus);
}

void Shape::setBorderColor(int colour) {
  if (colours_.set(0, colour)) update();
}

void Shape::setShape(Kind kind) {
  if (kind_ == kind) return;
  kind_ = kind;
  update();
}

void Shape::setBorderWidth(int width) {
  width = qMax(1, width);
  if (borderWidth_ == width) return;
  borderWidth_ = width;
  update();
}

QRect Shape::figureRect() const {
  const bool square = kind_ == Square || kind_ == Circle || kind_ == RoundedSquare;
  if (!square) return rect();
  const int side = qMin(width(), height());
  return QRect((width() - side) / 2, (height() - side) / 2, side, side);
}

QSize Shape::sizeHint() const { return QSize(100, 60); }

void Shape::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  const QColor colour = colours_.paint(0);
  const QRect figure = figureRect();
  if (kind_ == Rectangle || kind_ == Square) {
    // Straight edges as fills: exact pixels at any width.
    for (int ring = 0; ring < borderWidth_; ++ring)
      controls_detail::drawBorder(painter, figure.adjusted(ring, ring, -ring, -ring), colour);
    return;
  }
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setPen(QPen(colour, borderWidth_));
  painter.setBrush(Qt::NoBrush);
  const qreal inset = borderWidth_ / 2.0;
  const QRectF outline = QRectF(figure).adjusted(inset, inset, -inset, -inset);
  if (kind_ == Oval || kind_ == Circle) {
    painter.drawEllipse(outline);
    return;
  }
  const qreal radius = qMin(outline.width(), outline.height()) / 6;
  painter.drawRoundedRect(outline, radius, radius);
}

}  // namespace palvex::qt
