#pragma once
// What the Qt binding tests share: a fresh engine with a fixture theme whose
// every value names its element, property and theme, and the means to look
// at what a user sees (the window grabbed to an image).

#include <cstdint>
#include <memory>
#include <string_view>

#include <QColor>
#include <QImage>
#include <QRect>
#include <QString>
#include <ostream>

#include "palvex/qt/palvex_qt.h"
#include "palvex/tema.h"
#include "support/test_env.h"

class QWidget;

// Colour names print as text in failure messages.
inline void PrintTo(const QString& text, std::ostream* out) { *out << text.toStdString(); }

namespace palvex::qt::testing {

// The ten element classes, in the order the fixture numbers them.
inline constexpr std::string_view kElements[] = {"CCommandButton", "CGrid",      "CText",  "CTabStrip", "CCheckBox",
                                                 "CLabel",         "CToolBar",   "CStatusBar", "CForm", "CShape"};

// Property `property` of element `element` in fixture theme `theme` (0 or 1):
// red tells the element, green the property, blue the theme.
std::int32_t fixtureColour(int theme, std::size_t element, std::size_t property);
std::int32_t toColourRef(const QColor& colour);

class BindingTest : public palvex::testing::EngineTest {
 protected:
  BindingTest();
  ~BindingTest() override;

  // Gives the shared elements the values of fixture theme `theme`.
  void loadFixtureTheme(int theme);
  // The value the shared element holds now, as painted.
  QColor themeColour(std::string_view element, std::string_view property) const;

  std::shared_ptr<Tema> tema_;
};

// The engine's view of `widget`.
inline Object& adapter(QWidget* widget) { return *object(widget).objectRef(); }

// Shows `window`, makes it the active window and lets it paint.
void showActive(QWidget* window);
// Lets posted events (palette changes, repaints) run.
void settle();
// The window of `widget` as the screen shows it now.
QImage shot(QWidget* widget);
// The colour at `point` (in `widget`'s coordinates) of a shot of its window.
QColor pixel(const QImage& shot, const QWidget* widget, QPoint point);
// How many pixels inside `area` (in `widget`'s coordinates; the whole widget
// when empty) have exactly `colour`.
int countColour(const QImage& shot, const QWidget* widget, const QColor& colour, QRect area = {});

}  // namespace palvex::qt::testing
