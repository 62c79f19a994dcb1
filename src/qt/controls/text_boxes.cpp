// skinText and skinCodeBox: line edits drawn by the base style (a flat fill
// of the palette's base colour) inside a 1-pixel border of their own.

#include <QPainter>

#include "palvex/qt/controls.h"
#include "qt/controls/text_look.h"

namespace palvex::qt {

namespace {

// Room between the border and the text.
constexpr int kTextMargin = 3;

QSize boxSize(const QWidget* box, int characters) {
  const QFontMetrics metrics = box->fontMetrics();
  return QSize(metrics.horizontalAdvance(QLatin1Char('x')) * characters + 2 * (kTextMargin + 3),
               metrics.height() + 8);
}

}  // namespace

// ---------------------------------------------------------------- skinText

skinText::skinText(QWidget* parent) : QLineEdit(parent), colours_(controls_detail::defaultTextColours()) {
  setStyle(controls_detail::baseStyle());
  setFrame(false);
  setTextMargins(kTextMargin, 1, kTextMargin, 1);
  setFocusPolicy(Qt::StrongFocus);
  syncPalette();
}

PALVEX_TEXT_CONTROL_ACCESSORS(skinText)

void skinText::syncPalette() {
  controls_detail::setPaletteIfChanged(
      this, controls_detail::lookPalette(palette(), controls_detail::textLook(colours_, hasFocus())));
}

QSize skinText::sizeHint() const { return boxSize(this, 17); }

void skinText::paintEvent(QPaintEvent* event) {
  // Here rather than in the setters: the state, a colour or what a system
  // colour resolves to may have changed since the last paint.
  syncPalette();
  QLineEdit::paintEvent(event);
  QPainter painter(this);
  controls_detail::drawBorder(painter, rect(), controls_detail::textLook(colours_, hasFocus()).border);
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
