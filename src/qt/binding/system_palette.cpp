#include "qt/binding/system_palette.h"

#include <array>

#include <QApplication>
#include <QEvent>

#include "palvex/system_colours.h"
#include "qt/binding/registry.h"

namespace palvex::qt::detail {
namespace {

struct RoleOf {
  int index;
  QPalette::ColorGroup group;
  QPalette::ColorRole role;
};

// System colour index -> palette role (docs/qt-binding.md). Indices missing
// here (desktop, caption gradients) keep the engine's defaults.
constexpr std::array<RoleOf, 27> kRoles = {{
    {0, QPalette::Active, QPalette::Button},            // scroll bar
    {2, QPalette::Active, QPalette::Highlight},         // active caption
    {3, QPalette::Inactive, QPalette::Highlight},       // inactive caption
    {4, QPalette::Active, QPalette::Window},            // menu
    {5, QPalette::Active, QPalette::Base},              // window background
    {6, QPalette::Active, QPalette::Shadow},            // window frame
    {7, QPalette::Active, QPalette::WindowText},        // menu text
    {8, QPalette::Active, QPalette::Text},              // window text
    {9, QPalette::Active, QPalette::HighlightedText},   // caption text
    {10, QPalette::Active, QPalette::Mid},              // active border
    {11, QPalette::Inactive, QPalette::Mid},            // inactive border
    {12, QPalette::Active, QPalette::Dark},             // MDI workspace
    {13, QPalette::Active, QPalette::Highlight},        // highlight
    {14, QPalette::Active, QPalette::HighlightedText},  // highlighted text
    {15, QPalette::Active, QPalette::Button},           // button face
    {16, QPalette::Active, QPalette::Dark},             // button shadow
    {17, QPalette::Disabled, QPalette::Text},           // grey text
    {18, QPalette::Active, QPalette::ButtonText},       // button text
    {19, QPalette::Inactive, QPalette::HighlightedText},// inactive caption text
    {20, QPalette::Active, QPalette::Light},            // button highlight
    {21, QPalette::Active, QPalette::Shadow},           // dark 3-D shadow
    {22, QPalette::Active, QPalette::Midlight},         // light 3-D edge
    {23, QPalette::Active, QPalette::ToolTipText},      // tooltip text
    {24, QPalette::Active, QPalette::ToolTipBase},      // tooltip background
    {26, QPalette::Active, QPalette::Link},             // hot-tracked item
    {29, QPalette::Active, QPalette::Highlight},        // menu highlight
    {30, QPalette::Active, QPalette::Window},           // menu bar
}};

std::optional<std::int32_t> fromApplicationPalette(int index) {
  const std::optional<std::pair<QPalette::ColorGroup, QPalette::ColorRole>> role = systemColourRole(index);
  if (!role || !QCoreApplication::instance()) return std::nullopt;
  const QColor c = QGuiApplication::palette().color(role->first, role->second);
  return c.red() | c.green() << 8 | c.blue() << 16;
}

// Hears the application palette change (the desktop's theme, or the host's
// QApplication::setPalette) and has every system colour resolved again.
class PaletteWatcher final : public QObject {
 public:
  using QObject::QObject;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::ApplicationPaletteChange && watched == QCoreApplication::instance())
      systemColoursChanged();
    return false;
  }
};

}  // namespace

std::optional<std::pair<QPalette::ColorGroup, QPalette::ColorRole>> systemColourRole(int index) {
  for (const RoleOf& r : kRoles)
    if (r.index == index) return std::make_pair(r.group, r.role);
  return std::nullopt;
}

void installSystemPalette() {
  installSystemColourResolver(fromApplicationPalette);
  addSystemColourListener([] {
    if (Registry* registry = Registry::existing()) registry->refreshAll();
  });
  QCoreApplication* app = QCoreApplication::instance();
  app->installEventFilter(new PaletteWatcher(app));
}

}  // namespace palvex::qt::detail
