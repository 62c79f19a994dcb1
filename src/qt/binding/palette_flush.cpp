// The end of an apply session: every widget whose colours changed gets its
// palette once, built from its slots.
//
// Qt hands a widget's palette down to its children. Two rules keep that from
// costing time or leaking colours:
// - A themed widget holds its background (Window) explicitly, copied from its
//   parent's new palette, so that a form's change does not ripple through
//   every control again; palettes are computed parents first and set
//   children first.
// - A placed widget the engine left alone (override marker, unknown kind)
//   holds the background it had before the form was themed, so the form's
//   colour does not leak into it.

#include <algorithm>
#include <array>
#include <string>
#include <unordered_map>

#include <QApplication>
#include <QFrame>

#include "qt/binding/registry.h"
#include "qt/binding/widget_walk.h"
#include "qt/binding/widget_object.h"

namespace palvex::qt::detail {
namespace {

using Mask = QPalette::ResolveMask;
constexpr std::array<QPalette::ColorGroup, 3> kGroups = {QPalette::Active, QPalette::Inactive, QPalette::Disabled};

// The resolve-mask bit of one role in one group, as QPalette sets it.
Mask bitOf(QPalette::ColorGroup group, QPalette::ColorRole role) {
  static const auto bits = [] {
    std::array<std::array<Mask, QPalette::NColorRoles>, 3> table{};
    for (std::size_t g = 0; g < kGroups.size(); ++g)
      for (int r = 0; r < QPalette::NColorRoles; ++r) {
        QPalette p;
        p.setResolveMask(0);
        p.setColor(kGroups[g], static_cast<QPalette::ColorRole>(r), Qt::red);
        table[g][static_cast<std::size_t>(r)] = p.resolveMask();
      }
    return table;
  }();
  const std::size_t g = group == QPalette::Active ? 0 : group == QPalette::Inactive ? 1 : 2;
  return bits[g][static_cast<std::size_t>(role)];
}

Mask bitsOf(QPalette::ColorRole role) {
  Mask mask = 0;
  for (QPalette::ColorGroup g : kGroups) mask |= bitOf(g, role);
  return mask;
}

Mask windowBits() {
  static const Mask bits = bitsOf(QPalette::Window);
  return bits;
}

int depthOf(const QWidget* widget) {
  int depth = 0;
  for (const QWidget* w = widget->parentWidget(); w; w = w->parentWidget()) ++depth;
  return depth;
}

bool isStock(const WidgetObject& o) { return !o.identity().suiteControl && paintsStock(o.paint().paint); }

// Untouched placed widgets of stock or unknown kinds are kept apart; the
// suite's own controls paint from their properties and keep their palettes.
bool pinCandidate(const WidgetObject& o) {
  if (o.look().themed) return false;
  const Identity& id = o.identity();
  return !id.suiteControl && id.paint != Paint::Properties;
}

bool focusWithin(const QWidget* widget) {
  const QWidget* focus = QApplication::focusWidget();
  return focus && (focus == widget || widget->isAncestorOf(focus));
}

class Flush {
 public:
  explicit Flush(Registry& registry) : registry_(registry) {}

  void add(WidgetObject* o) {
    if (!o || !o->widget() || o->look().inBatch) return;
    o->look().inBatch = true;
    o->look().computed = false;
    batch_.push_back(o);
  }

  // Controls that copied the background of a container whose background
  // changed must copy it again. The walk of a form brought its controls
  // already; other containers are searched.
  void addCopiesBelowChangedBackgrounds(const std::vector<QWidget*>& walkedContainers) {
    auto walked = [&](const QWidget* w) {
      for (; w; w = w->parentWidget())
        if (std::find(walkedContainers.begin(), walkedContainers.end(), w) != walkedContainers.end()) return true;
      return false;
    };
    for (std::size_t i = 0; i < batch_.size(); ++i) {
      WidgetObject* o = batch_[i];
      if (!o->look().backgroundChanged) continue;
      o->look().backgroundChanged = false;
      if (walked(o->widget())) continue;
      forEachDescendant(o->widget(), [&](QWidget* child) {
        WidgetObject* c = registry_.find(child);
        if (c && c->look().windowCopied) add(c);
        return true;
      });
    }
  }

  void run() {
    for (WidgetObject* o : batch_) o->look().depth = depthOf(o->widget());
    std::stable_sort(batch_.begin(), batch_.end(),
                     [](const WidgetObject* a, const WidgetObject* b) { return a->look().depth < b->look().depth; });
    for (WidgetObject* o : batch_) compute(*o);
    const std::vector<QWidget*> held = holdRepaints();
    for (auto it = batch_.rbegin(); it != batch_.rend(); ++it) show(**it);
    for (QWidget* window : held) releaseRepaints(window);
    for (WidgetObject* o : batch_) {
      o->look().inBatch = false;
      o->look().dirty = false;
    }
  }

 private:
  // Each palette change asks for a repaint of its widget; gathering a
  // thousand small regions costs more than repainting the window once. Shown
  // windows with many changed widgets take no repaints until the batch is
  // shown, then one.
  std::vector<QWidget*> holdRepaints() const {
    constexpr int kManyWidgets = 32;
    std::unordered_map<QWidget*, int> perWindow;
    for (const WidgetObject* o : batch_) ++perWindow[o->widget()->window()];
    std::vector<QWidget*> held;
    for (const auto& [window, count] : perWindow) {
      if (count < kManyWidgets || !window->isVisible() || !window->updatesEnabled()) continue;
      window->setUpdatesEnabled(false);
      held.push_back(window);
    }
    return held;
  }

  // Lets the window repaint again in few regions. Re-enabling updates the Qt
  // way would ask every widget for a repaint of its own; instead the flags
  // Qt set while holding are cleared as Qt would clear them (not below a
  // widget whose host disabled its updates), and only the window and the
  // opaque widgets ask: a repaint of a widget covers the widgets inside it
  // except the opaque ones, which paint their whole background.
  static void releaseRepaints(QWidget* window) {
    window->setAttribute(Qt::WA_ForceUpdatesDisabled, false);
    window->setAttribute(Qt::WA_UpdatesDisabled, false);
    window->update();
    forEachDescendant(window, [](QWidget* c) {
      if (c->isWindow() || c->testAttribute(Qt::WA_ForceUpdatesDisabled)) return false;
      c->setAttribute(Qt::WA_UpdatesDisabled, false);
      if (c->autoFillBackground() || c->testAttribute(Qt::WA_OpaquePaintEvent) ||
          c->testAttribute(Qt::WA_NoSystemBackground))
        c->update();
      return true;
    });
  }

  // The palette whose background `widget` would inherit once the batch is shown.
  QPalette inheritedBackground(const QWidget* widget) const {
    for (const QWidget* a = widget->parentWidget(); a; a = a->parentWidget()) {
      if (const WidgetObject* ao = registry_.find(a); ao && ao->look().inBatch && ao->look().computed)
        return ao->look().normal;
      if ((a->palette().resolveMask() & windowBits()) || a->isWindow()) return a->palette();
    }
    return widget->palette();
  }

  // The background `o` would have if no theme had touched its ancestors;
  // nullopt when the host gave it one of its own.
  std::optional<QPalette> naturalBackground(const WidgetObject& o) const {
    if (o.look().hostMask & windowBits()) return std::nullopt;
    const QWidget* widget = o.widget();
    for (const QWidget* a = widget->parentWidget(); a; a = a->parentWidget()) {
      if (const WidgetObject* ao = registry_.find(a); ao && ao->look().hostCaptured) {
        if (ao->look().hostMask & windowBits()) return ao->look().host;
      } else if (a->palette().resolveMask() & windowBits()) {
        return a->palette();
      }
      if (a->isWindow()) break;
    }
    return QApplication::palette(widget);
  }

  // The roles the binding sets on one widget, as assignments; also the key
  // under which widgets with the same colours share one palette.
  struct Recipe {
    struct Assignment {
      QPalette::ColorGroup group;
      QPalette::ColorRole role;
      QRgb colour;
      bool focusedOnly;  // the focused look's, over the normal one
    };
    std::vector<Assignment> assignments;
    Mask ours = 0;
    bool windowFromRows = false;
    bool hasFocused = false;

    void set(QPalette::ColorGroup g, QPalette::ColorRole r, QRgb c, bool focusedOnly = false) {
      assignments.push_back({g, r, c, focusedOnly});
      if (!focusedOnly) ours |= bitOf(g, r);
      hasFocused = hasFocused || focusedOnly;
    }
    void setAllGroups(QPalette::ColorRole r, const QPalette& from) {
      for (QPalette::ColorGroup g : kGroups) set(g, r, from.color(g, r).rgba());
    }
    std::string key() const {
      std::string k;
      k.reserve(assignments.size() * 7);
      for (const Assignment& a : assignments) {
        k.push_back(static_cast<char>(a.group));
        k.push_back(static_cast<char>(a.role));
        k.push_back(a.focusedOnly ? '1' : '0');
        for (int shift = 0; shift < 32; shift += 8) k.push_back(static_cast<char>((a.colour >> shift) & 0xFF));
      }
      return k;
    }
    void applyTo(QPalette& p, bool focusedLook) const {
      for (const Assignment& a : assignments)
        if (!a.focusedOnly || focusedLook) p.setColor(a.group, a.role, QColor::fromRgba(a.colour));
    }
  };

  Recipe recipeFor(WidgetObject& o) {
    QWidget* w = o.widget();
    WidgetObject::Look& look = o.look();
    const PaintState& paint = o.paint();
    Recipe recipe;
    const bool stock = isStock(o);
    if (look.themed && stock) {
      for (const RoleRow& row : kindTable(paint.paint).roles) {
        const std::optional<QColor> normal = paint.colour(row.normal);
        if (!normal) continue;
        const QColor disabled = paint.colour(row.disabled).value_or(*normal);
        const QColor focused = paint.colour(row.focused).value_or(*normal);
        recipe.set(QPalette::Active, row.role, normal->rgba());
        recipe.set(QPalette::Inactive, row.role, normal->rgba());
        recipe.set(QPalette::Disabled, row.role, disabled.rgba());
        if (focused != *normal) {
          recipe.set(QPalette::Active, row.role, focused.rgba(), true);
          recipe.set(QPalette::Inactive, row.role, focused.rgba(), true);
        }
        if (row.role == QPalette::Window) recipe.windowFromRows = true;
      }
    }
    // A widget that paints its background paints it in its background role,
    // which for buttons of the check and radio kind is not Window.
    const QPalette::ColorRole background = w->backgroundRole();
    if (recipe.windowFromRows && kindTable(paint.paint).fillsBackground && background != QPalette::Window &&
        background != QPalette::NoRole) {
      for (std::size_t i = 0, n = recipe.assignments.size(); i < n; ++i) {
        const Recipe::Assignment a = recipe.assignments[i];
        if (a.role == QPalette::Window && !a.focusedOnly) recipe.set(a.group, background, a.colour);
      }
    }
    look.windowCopied = false;
    if (!recipe.windowFromRows) {
      if (look.themed && stock) {
        recipe.setAllGroups(QPalette::Window, inheritedBackground(w));
        look.windowCopied = true;
      } else if (pinCandidate(o)) {
        if (std::optional<QPalette> natural = naturalBackground(o)) {
          recipe.setAllGroups(QPalette::Window, *natural);
          look.pinned = true;
        }
      }
    }
    return recipe;
  }

  // Widgets whose palettes hold nothing but the binding's roles share one
  // palette per set of colours, built once; the others keep their own roles.
  void compute(WidgetObject& o) {
    QWidget* w = o.widget();
    WidgetObject::Look& look = o.look();
    if (!look.hostCaptured) {
      look.host = w->palette();
      look.hostMask = look.host.resolveMask();
      look.hostAutoFill = w->autoFillBackground();
      look.hostCaptured = true;
    }
    const Recipe recipe = recipeFor(o);
    const Mask current = w->palette().resolveMask();
    if (look.hostMask == 0 && (current & ~look.ours) == 0) {
      const SharedLook& shared = sharedLook(recipe);
      look.normal = shared.normal;
      look.focused = shared.focused;
    } else {
      look.normal = ownLook(o, recipe);
      if (recipe.hasFocused) {
        look.focused = look.normal;
        recipe.applyTo(look.focused, true);
      }
    }
    look.ours = recipe.ours;
    look.hasFocusedLook = recipe.hasFocused;
    look.fillsWindow = recipe.windowFromRows && kindTable(o.paint().paint).fillsBackground;
    look.computed = true;
  }

  struct SharedLook {
    QPalette normal;
    QPalette focused;
  };

  static const SharedLook& sharedLook(const Recipe& recipe) {
    static std::unordered_map<std::string, SharedLook> cache;
    std::string key = recipe.key();
    if (auto it = cache.find(key); it != cache.end()) return it->second;
    if (cache.size() > 512) cache.clear();  // themes come and go; keep the few in use
    SharedLook look;
    look.normal.setResolveMask(0);
    recipe.applyTo(look.normal, false);
    look.normal.setResolveMask(recipe.ours);
    if (recipe.hasFocused) {
      look.focused = look.normal;
      recipe.applyTo(look.focused, true);
      look.focused.setResolveMask(recipe.ours);
    }
    return cache.emplace(std::move(key), std::move(look)).first->second;
  }

  // The widget's own palette with the binding's roles over it; roles set
  // last time and not now go back to the host's, or are inherited again.
  static QPalette ownLook(const WidgetObject& o, const Recipe& recipe) {
    const WidgetObject::Look& look = o.look();
    QPalette p = o.widget()->palette();
    recipe.applyTo(p, false);
    Mask mask = (p.resolveMask() & ~look.ours) | recipe.ours;
    const Mask dropped = look.ours & ~recipe.ours;
    if (dropped) {
      for (QPalette::ColorGroup g : kGroups)
        for (int r = 0; r < QPalette::NColorRoles; ++r) {
          const auto role = static_cast<QPalette::ColorRole>(r);
          const Mask bit = bitOf(g, role);
          if (!(dropped & bit) || !(look.hostMask & bit)) continue;
          p.setBrush(g, role, look.host.brush(g, role));
          mask |= bit;
        }
    }
    p.setResolveMask(mask);
    return p;
  }

  void show(WidgetObject& o) {
    QWidget* w = o.widget();
    WidgetObject::Look& look = o.look();
    PaintState& paint = o.paint();
    paint.focused = (paint.paint == Paint::Button || paint.paint == Paint::Text) && focusWithin(w);

    const QPalette& target = paint.focused && look.hasFocusedLook ? look.focused : look.normal;
    // New colours always change the palette; a widget only walked past may
    // already hold what it should.
    if (look.dirty || !samePalette(w->palette(), target)) w->setPalette(target);

    if (look.fillsWindow) {
      if (!w->autoFillBackground()) w->setAutoFillBackground(true);
      look.autoFillSet = true;
    } else if (look.autoFillSet) {
      w->setAutoFillBackground(look.hostAutoFill);
      look.autoFillSet = false;
    }
    if (!look.themed || !isStock(o)) return;

    if (!look.styled && paint.paint != Paint::Form) {
      registry_.applyFlatStyle(w);
      look.styled = true;
    }
    if (paint.borderStyle && paint.paint == Paint::Grid) showBorderStyle(w, *paint.borderStyle);
    w->update();
  }

  // Same explicit roles with the same colours (the others are inherited).
  static bool samePalette(const QPalette& a, const QPalette& b) {
    const Mask mask = b.resolveMask();
    if (a.resolveMask() != mask) return false;
    for (QPalette::ColorGroup g : kGroups)
      for (int r = 0; r < QPalette::NColorRoles; ++r) {
        const auto role = static_cast<QPalette::ColorRole>(r);
        if ((mask & bitOf(g, role)) && a.brush(g, role) != b.brush(g, role)) return false;
      }
    return true;
  }

  // 0: no border; 1: a single line. A frame change lays the grid out again,
  // so it is made only when the style changed.
  static void showBorderStyle(QWidget* widget, std::int16_t style) {
    auto* frame = qobject_cast<QFrame*>(widget);
    if (!frame) return;
    const int wanted = style == 0 ? QFrame::NoFrame : (QFrame::Box | QFrame::Plain);
    if (frame->frameStyle() != wanted) frame->setFrameStyle(wanted);
    if (style != 0 && frame->lineWidth() != 1) frame->setLineWidth(1);
  }

  Registry& registry_;
  std::vector<WidgetObject*> batch_;
};

}  // namespace

void Registry::flush() {
  if (flushing_) return;
  flushing_ = true;
  Flush flush(*this);
  for (const QPointer<QWidget>& widget : dirty_)
    if (widget) flush.add(find(widget));
  for (const QPointer<QWidget>& widget : walked_) {
    if (!widget) continue;
    if (WidgetObject* o = find(widget); o && (o->look().windowCopied || pinCandidate(*o))) flush.add(o);
  }
  std::vector<QWidget*> containers;
  for (const QPointer<QWidget>& container : walkedContainers_)
    if (container) containers.push_back(container.data());
  dirty_.clear();
  walked_.clear();
  walkedContainers_.clear();
  flush.addCopiesBelowChangedBackgrounds(containers);
  flush.run();
  flushing_ = false;
}

}  // namespace palvex::qt::detail
