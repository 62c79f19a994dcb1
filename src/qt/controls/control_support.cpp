// Shared pieces of the suite controls.

#include "qt/controls/control_support.h"

#include <QApplication>
#include <QCommonStyle>
#include <QPainter>
#include <QPointer>
#include <QStyleOptionComplex>
#include <QWidget>

#include "palvex/contrast.h"
#include "palvex/qt/controls.h"
#include "palvex/system_colours.h"

namespace palvex::qt::controls_detail {

namespace {

QColor fromColourRef(std::int32_t rgb) {
  const auto bits = static_cast<std::uint32_t>(rgb);
  return QColor(static_cast<int>(bits & 0xFFu), static_cast<int>((bits >> 8) & 0xFFu),
                static_cast<int>((bits >> 16) & 0xFFu));
}

// The width of the drop-down area of a combo box.
constexpr int kComboArrowWidth = 17;

// The stock common style, plus the geometry of a frameless combo box: the
// control draws its own border and arrow, so the editor fills everything
// inside the 1-pixel border left of the arrow.
class BaseStyle : public QCommonStyle {
 public:
  QRect subControlRect(ComplexControl control, const QStyleOptionComplex* option, SubControl sub,
                       const QWidget* widget) const override {
    if (control != CC_ComboBox) return QCommonStyle::subControlRect(control, option, sub, widget);
    const QRect inner = option->rect.adjusted(1, 1, -1, -1);
    switch (sub) {
      case SC_ComboBoxArrow:
        return QRect(inner.right() - kComboArrowWidth + 1, inner.top(), kComboArrowWidth, inner.height());
      case SC_ComboBoxEditField:
        return inner.adjusted(0, 0, -kComboArrowWidth, 0);
      case SC_ComboBoxListBoxPopup:
        return option->rect;
      case SC_ComboBoxFrame:
        return option->rect;
      default:
        return QCommonStyle::subControlRect(control, option, sub, widget);
    }
  }
};

}  // namespace

QColor paintColour(int value, int fallback) {
  if (auto rgb = resolveColour(value)) return fromColourRef(*rgb);
  if (auto rgb = resolveColour(fallback)) return fromColourRef(*rgb);
  return QColor(Qt::black);
}

TextColours defaultTextColours() {
  // The text element's defaults: light blue border, strong blue when
  // focused, dark grey text on white.
  return TextColours({0xFDB6A2, 0xCD7407, 0x404040, 0x404040, 0xFFFFFF, 0xFFFFFF});
}

QString qstring(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QStyle* baseStyle() {
  static QPointer<QStyle> style;
  if (!style) {
    style = new BaseStyle;
    // Lives as long as the application, after the last control is gone.
    style->setParent(QCoreApplication::instance());
  }
  return style.data();
}

QPalette lookPalette(const QPalette& from, const TextLook& look) {
  QPalette palette = from;
  for (auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
    palette.setColor(group, QPalette::Base, look.back);
    palette.setColor(group, QPalette::Window, look.back);
    palette.setColor(group, QPalette::Button, look.back);
    palette.setColor(group, QPalette::Text, look.fore);
    palette.setColor(group, QPalette::ButtonText, look.fore);
    palette.setColor(group, QPalette::WindowText, look.border);
    palette.setColor(group, QPalette::Highlight, look.selection);
    palette.setColor(group, QPalette::HighlightedText, look.back);
    palette.setColor(group, QPalette::AlternateBase, look.back);
  }
  return palette;
}

void setPaletteIfChanged(QWidget* widget, const QPalette& palette) {
  if (widget->palette() == palette && widget->palette().resolveMask() == palette.resolveMask()) return;
  widget->setPalette(palette);
}

QColor readableInk(const QColor& preferred, const QColor& background) {
  auto ref = [](const QColor& c) { return c.red() | c.green() << 8 | c.blue() << 16; };
  const std::int32_t back = ref(background);
  const std::optional<double> ratio = contrastRatio(ref(preferred), back);
  if (ratio && *ratio >= kMinimumContrast) return preferred;
  return fromColourRef(readableTextOn(back));
}

void drawBorder(QPainter& painter, const QRect& rect, const QColor& colour) {
  if (rect.width() <= 0 || rect.height() <= 0) return;
  const int right = rect.right();
  const int bottom = rect.bottom();
  painter.fillRect(QRect(rect.left(), rect.top(), rect.width(), 1), colour);
  painter.fillRect(QRect(rect.left(), bottom, rect.width(), 1), colour);
  painter.fillRect(QRect(rect.left(), rect.top(), 1, rect.height()), colour);
  painter.fillRect(QRect(right, rect.top(), 1, rect.height()), colour);
}

void drawBox(QPainter& painter, const QRect& rect, const QColor& fill, const QColor& border) {
  painter.fillRect(rect, fill);
  drawBorder(painter, rect, border);
}

void drawDownArrow(QPainter& painter, const QRect& area, const QColor& colour) {
  // Row by row, so that every pixel is the exact colour.
  const int width = 7;
  const int left = area.left() + (area.width() - width) / 2;
  const int top = area.top() + (area.height() - 4) / 2;
  for (int row = 0; row < 4; ++row) painter.fillRect(QRect(left + row, top + row, width - 2 * row, 1), colour);
}

void drawCheckBox(QPainter& painter, const QRect& square, const QColor& box, const QColor& mark, bool checked) {
  drawBorder(painter, square, box);
  if (checked) painter.fillRect(square.adjusted(3, 3, -3, -3), mark);
}

int checkSide(const QWidget* widget) {
  // Follows the font so that a large caption gets a large box; 13 at 9 pt.
  return qMax(13, widget->fontMetrics().height() - 2);
}

QRect checkSquare(const QRect& widgetRect, int side) {
  const int top = widgetRect.top() + (widgetRect.height() - side) / 2;
  return QRect(widgetRect.left() + 1, top, side, side);
}

}  // namespace palvex::qt::controls_detail
