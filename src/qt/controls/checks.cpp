// skinCheck and plainCheck: check boxes painted flat. The state shows as a
// square outline with a solid inner square when checked; the caption sits
// to its right. The background is the parent's.

#include <QPainter>

#include "palvex/control_types.h"
#include "palvex/qt/controls.h"
#include "qt/controls/control_support.h"

namespace palvex::qt {

namespace {

constexpr int kGap = 6;  // between the square and the caption

QSize checkSizeHint(const QAbstractButton* check) {
  const QFontMetrics metrics = check->fontMetrics();
  const int side = controls_detail::checkSide(check);
  return QSize(1 + side + kGap + metrics.horizontalAdvance(check->text()) + 4, qMax(side, metrics.height()) + 4);
}

QRect captionRect(const QAbstractButton* check) {
  const QRect box = controls_detail::checkSquare(check->rect(), controls_detail::checkSide(check));
  return check->rect().adjusted(box.right() + 1 + kGap, 0, 0, 0);
}

void paintCheck(QAbstractButton* check, const QColor& box, const QColor& mark, const QColor& caption) {
  QPainter painter(check);
  controls_detail::drawCheckBox(painter, controls_detail::checkSquare(check->rect(), controls_detail::checkSide(check)), box, mark,
                       check->isChecked());
  const QRect area = captionRect(check);
  const QString shown = check->fontMetrics().elidedText(check->text(), Qt::ElideRight, area.width() - 2);
  painter.setPen(caption);
  painter.drawText(area, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextShowMnemonic, shown);
  if (!check->hasFocus() || shown.isEmpty()) return;
  // The focus: a dotted line under the caption.
  const QRect text = painter.boundingRect(area, Qt::AlignLeft | Qt::AlignVCenter, shown);
  painter.setPen(QPen(caption, 1, Qt::DotLine));
  painter.drawLine(text.left(), text.bottom() + 1, text.right(), text.bottom() + 1);
}

void setUpCheck(QAbstractButton* check) {
  check->setCheckable(true);
  check->setFocusPolicy(Qt::StrongFocus);
}

}  // namespace

// ---------------------------------------------------------------- skinCheck

skinCheck::skinCheck(QWidget* parent)
    // The check-box element's defaults: grey caption and grey box.
    : QAbstractButton(parent), colours_({0x808080, 0x808080}) {
  setUpCheck(this);
}

skinCheck::skinCheck(const QString& caption, QWidget* parent) : skinCheck(parent) { setText(caption); }

QString skinCheck::ControlClass() const { return controls_detail::qstring(controlclass::kCheck); }

void skinCheck::setColour(std::size_t slot, int colour) {
  if (colours_.set(slot, colour)) update();
}
void skinCheck::setForeColor(int colour) { setColour(kFore, colour); }
void skinCheck::setCheckColor(int colour) { setColour(kCheck, colour); }

QRect skinCheck::boxRect() const { return controls_detail::checkSquare(rect(), controls_detail::checkSide(this)); }
QSize skinCheck::sizeHint() const { return checkSizeHint(this); }
bool skinCheck::hitButton(const QPoint& pos) const { return rect().contains(pos); }

void skinCheck::paintEvent(QPaintEvent*) {
  const QColor mark = colours_.paint(kCheck);
  paintCheck(this, mark, mark, colours_.paint(kFore));
}

// ---------------------------------------------------------------- plainCheck

plainCheck::plainCheck(QWidget* parent)
    // The label colour, also when focused; grey when disabled.
    : QAbstractButton(parent), colours_({0x404040, 0x404040, 0x808080}) {
  setUpCheck(this);
}

plainCheck::plainCheck(const QString& caption, QWidget* parent) : plainCheck(parent) { setText(caption); }

void plainCheck::setColour(std::size_t slot, int colour) {
  if (colours_.set(slot, colour)) update();
}
void plainCheck::setForeColor(int colour) { setColour(kFore, colour); }
void plainCheck::setForeColorFocused(int colour) { setColour(kForeFocused, colour); }
void plainCheck::setForeColorDisabled(int colour) { setColour(kForeDisabled, colour); }

QRect plainCheck::boxRect() const { return controls_detail::checkSquare(rect(), controls_detail::checkSide(this)); }
QSize plainCheck::sizeHint() const { return checkSizeHint(this); }
bool plainCheck::hitButton(const QPoint& pos) const { return rect().contains(pos); }

void plainCheck::paintEvent(QPaintEvent*) {
  const QColor colour = colours_.paint(!isEnabled() ? kForeDisabled : hasFocus() ? kForeFocused : kFore);
  paintCheck(this, colour, colour, colour);
}

}  // namespace palvex::qt
