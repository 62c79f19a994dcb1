#pragma once
// What the suite controls share: colour resolution, the fixed base style of
// their inner editors, palettes built from theme colours, and the painting
// of flat boxes.

#include <QColor>
#include <QPalette>
#include <QRect>
#include <QString>
#include <string_view>

class QPainter;
class QStyle;
class QWidget;

namespace palvex::qt::controls_detail {

QString qstring(std::string_view text);

// A style that draws the inner editors of the controls with the palette's
// colours exactly (the stock styles shade and blend them). One per process.
QStyle* baseStyle();

// The colours one text control shows in its present state.
struct TextLook {
  QColor border;
  QColor fore;
  QColor back;
  QColor selection;  // behind selected text and the current list entry
};

// A palette that gives every widget role the look's colours, in every colour
// group (a disabled or inactive editor keeps them too). Starts from `from` so
// that roles the look does not name stay inherited.
QPalette lookPalette(const QPalette& from, const TextLook& look);
// Sets the palette only when it differs, so that repainting stays cheap.
void setPaletteIfChanged(QWidget* widget, const QPalette& palette);

// Text the theme gives no colour for (tab captions, menu and toolbar
// captions, group-box titles) keeps `preferred` where it reads well on the
// background the theme did give, and turns black or white where it would
// not: a dark tab strip must not carry near-black captions.
QColor readableInk(const QColor& preferred, const QColor& background);

// A 1-pixel outline along the inside of `rect`.
void drawBorder(QPainter& painter, const QRect& rect, const QColor& colour);
// A filled rectangle with a 1-pixel outline, both exact.
void drawBox(QPainter& painter, const QRect& rect, const QColor& fill, const QColor& border);

// A small downward triangle centred in `area`.
void drawDownArrow(QPainter& painter, const QRect& area, const QColor& colour);

// The check square of a check box: outline in `box`, and when checked a
// solid inner square in `mark`.
void drawCheckBox(QPainter& painter, const QRect& square, const QColor& box, const QColor& mark, bool checked);
// The square's place in a check box of `size` (vertically centred, at the left).
QRect checkSquare(const QRect& widgetRect, int side);
int checkSide(const QWidget* widget);

}  // namespace palvex::qt::controls_detail
