// boxedLabel: a caption on a flat fill inside a 1-pixel border.

#include <QPainter>

#include "palvex/qt/controls.h"
#include "qt/controls/control_support.h"

namespace palvex::qt {

namespace {
constexpr int kMargin = 3;  // between the border and the caption
}  // namespace

boxedLabel::boxedLabel(QWidget* parent)
    // The text element's colours, which the theme gives it too.
    : QWidget(parent), colours_({0xFFFFFF, 0xFDB6A2, 0x404040}) {
  setAttribute(Qt::WA_OpaquePaintEvent);
}

boxedLabel::boxedLabel(const QString& text, QWidget* parent) : boxedLabel(parent) { setText(text); }

void boxedLabel::setColour(std::size_t slot, int colour) {
  if (colours_.set(slot, colour)) update();
}
void boxedLabel::setBackColor(int colour) { setColour(kBack, colour); }
void boxedLabel::setBorderColor(int colour) { setColour(kBorder, colour); }
void boxedLabel::setForeColor(int colour) { setColour(kFore, colour); }

void boxedLabel::setText(const QString& text) {
  if (text_ == text) return;
  text_ = text;
  updateGeometry();
  update();
}

void boxedLabel::setAlignment(Qt::Alignment alignment) {
  if (alignment_ == alignment) return;
  alignment_ = alignment;
  update();
}

QSize boxedLabel::sizeHint() const {
  const QRect text = fontMetrics().boundingRect(QRect(0, 0, 10000, 10000), Qt::AlignLeft | Qt::AlignTop, text_);
  return QSize(qMax(text.width(), 40) + 2 * (kMargin + 1), text.height() + 2 * (kMargin + 1));
}

QSize boxedLabel::minimumSizeHint() const {
  return QSize(2 * (kMargin + 1), fontMetrics().height() + 2 * (kMargin + 1));
}

void boxedLabel::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  controls_detail::drawBox(painter, rect(), colours_.paint(kBack), colours_.paint(kBorder));
  painter.setPen(colours_.paint(kFore));
  const QRect area = rect().adjusted(kMargin + 1, 1, -(kMargin + 1), -1);
  painter.setClipRect(area);
  painter.drawText(area, static_cast<int>(alignment_), text_);
}

}  // namespace palvex::qt
