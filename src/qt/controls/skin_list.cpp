// skinList: a QListWidget with a 1-pixel border of its own; the list area
// and its entries take the colours through the palette.

#include <QFocusEvent>
#include <QPainter>

#include "palvex/qt/controls.h"
#include "qt/controls/text_look.h"

namespace palvex::qt {

skinList::skinList(QWidget* parent) : QListWidget(parent), colours_(controls_detail::defaultTextColours()) {
  setStyle(controls_detail::baseStyle());
  // A plain 1-pixel frame reserves the border's room; the control paints it.
  setFrameStyle(QFrame::Box | QFrame::Plain);
  setLineWidth(1);
  setFocusPolicy(Qt::StrongFocus);
  syncPalette();
}

PALVEX_TEXT_CONTROL_ACCESSORS(skinList)

void skinList::syncPalette() {
  controls_detail::setPaletteIfChanged(this, controls_detail::lookPalette(palette(), controls_detail::textLook(colours_, hasFocus())));
}

QSize skinList::sizeHint() const { return QSize(120, fontMetrics().height() * 4 + 6); }

bool skinList::event(QEvent* event) {
  // The frame's own paint event (the list area is a child and paints itself).
  if (event->type() != QEvent::Paint) return QListWidget::event(event);
  syncPalette();
  QPainter painter(this);
  controls_detail::drawBorder(painter, rect(), controls_detail::textLook(colours_, hasFocus()).border);
  return true;
}

void skinList::focusInEvent(QFocusEvent* event) {
  QListWidget::focusInEvent(event);
  update();  // the border: the list itself repaints only its entries
}

void skinList::focusOutEvent(QFocusEvent* event) {
  QListWidget::focusOutEvent(event);
  update();
}

}  // namespace palvex::qt
