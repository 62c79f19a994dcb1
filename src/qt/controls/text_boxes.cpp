// skinText and skinCodeBox: line edits drawn by the base style (a flat fill
// of the palette's base colour) inside a 1-pixel border of their own.

#include <QFocusEvent>
#include <QPainter>

#include "palvex/qt/controls.h"
#include "qt/controls/text_look.h"

namespace palvex::qt {

namespace {

// Room between the border and the text.
constexpr int kTextMargin = 3;

template <class Box>
void setUpBox(Box* box) {
  box->setStyle(controls_detail::baseStyle());
  box->setFrame(false);
  box->setTextMargins(kTextMargin, 1, kTextMargin, 1);
  box->setFocusPolicy(Qt::StrongFocus);
  box->setAttribute(Qt::WA_MacShowFocusRect, false);
}

template <class Box>
controls_detail::TextLook applyLook(Box* box, const controls_detail::TextColours& colours) {
  const controls_detail::TextLook look = controls_detail::textLook(colours, box->hasFocus());
  controls_detail::setPaletteIfChanged(box, controls_detail::lookPalette(box->palette(), look));
  return look;
}

QSize boxSize(const QWidget* box, int characters) {
  const QFontMetrics metrics = box->fontMetrics();
  return QSize(metrics.horizontalAdvance(QLatin1Char('x')) * characters + 2 * (kTextMargin + 3),
               metrics.height() + 8);
}

}  // namespace

// ---------------------------------------------------------------- skinText

skinText::skinText(QWidget* parent) : QLineEdit(parent), colours_(controls_detail::defaultTextColours()) {
  setUpBox(this);
  syncPalette();
}

PALVEX_TEXT_CONTROL_ACCESSORS(skinText)

void skinText::syncPalette() { applyLook(this, colours_); }

QSize skinText::sizeHint() const { return boxSize(this, 17); }

void skinText::paintEvent(QPaintEvent* event) {
  // Resolved again here: a system colour may have changed since the last paint.
  const controls_detail::TextLook look = applyLook(this, colours_);
  QLineEdit::paintEvent(event);
  QPainter painter(this);
  controls_detail::drawBorder(painter, rect(), look.border);
}

void skinText::focusInEvent(QFocusEvent* event) {
  QLineEdit::focusInEvent(event);
  syncPalette();
}

void skinText::focusOutEvent(QFocusEvent* event) {
  QLineEdit::focusOutEvent(event);
  syncPalette();
}

void skinText::changeEvent(QEvent* event) {
  QLineEdit::changeEvent(event);
  if (event->type() == QEvent::EnabledChange) syncPalette();
}

// ---------------------------------------------------------------- skinCodeBox

skinCodeBox::skinCodeBox(QWidget* parent) : skinText(parent) {
  // Codes are looked up in capitals whatever the user types.
  connect(this, &QLineEdit::textEdited, this, [this](const QString& typed) {
    const QString upper = typed.toUpper();
    if (upper == typed) return;
    const int cursor = cursorPosition();
    setText(upper);
    setCursorPosition(cursor);
  });
}

QSize skinCodeBox::sizeHint() const {
  // Wide enough for a short code; a long limit gets a text box's width.
  return boxSize(this, qBound(6, maxLength(), 17));
}

}  // namespace palvex::qt
