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

#include <QApplication>
#include <QFrame>

#include "qt/binding/registry.h"
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

void copyWindow(const QPalette& from, QPalette& to) {
  for (QPalette::ColorGroup g : kGroups) to.setBrush(g, QPalette::Window, from.brush(g, QPalette::Window));
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
  // changed must copy it again.
  void addCopiesBelowChangedBackgrounds() {
    for (std::size_t i = 0; i < batch_.size(); ++i) {
      WidgetObject* o = batch_[i];
      if (!o->look().backgroundChanged) continue;
      o->look().backgroundChanged = false;
      for (QWidget* child : o->widget()->findChildren<QWidget*>()) {
        WidgetObject* c = registry_.find(child);
        if (c && c->look().windowCopied) add(c);
      }
    }
  }

  void run() {
    for (WidgetObject* o : batch_) o->look().depth = depthOf(o->widget());
    std::stable_sort(batch_.begin(), batch_.end(),
                     [](const WidgetObject* a, const WidgetObject* b) { return a->look().depth < b->look().depth; });
    for (WidgetObject* o : batch_) compute(*o);
    for (auto it = batch_.rbegin(); it != batch_.rend(); ++it) show(**it);
    for (WidgetObject* o : batch_) {
      o->look().inBatch = false;
      o->look().dirty = false;
    }
  }

 private:
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

  void compute(WidgetObject& o) {
    QWidget* w = o.widget();
    WidgetObject::Look& look = o.look();
    const PaintState& paint = o.paint();
    if (!look.hostCaptured) {
      look.host = w->palette();
      look.hostMask = look.host.resolveMask();
      look.hostAutoFill = w->autoFillBackground();
      look.hostCaptured = true;
    }

    QPalette p = w->palette();
    Mask ours = 0;
    std::vector<std::pair<QPalette::ColorRole, QColor>> focusedRoles;
    bool windowFromRows = false;
    const bool stock = isStock(o);
    if (look.themed && stock) {
      for (const RoleRow& row : kindTable(paint.paint).roles) {
        const std::optional<QColor> normal = paint.colour(row.normal);
        if (!normal) continue;
        const QColor disabled = paint.colour(row.disabled).value_or(*normal);
        const QColor focused = paint.colour(row.focused).value_or(*normal);
        p.setColor(QPalette::Active, row.role, *normal);
        p.setColor(QPalette::Inactive, row.role, *normal);
        p.setColor(QPalette::Disabled, row.role, disabled);
        ours |= bitsOf(row.role);
        if (focused != *normal) focusedRoles.emplace_back(row.role, focused);
        if (row.role == QPalette::Window) windowFromRows = true;
      }
    }

    // A widget that paints its background paints it in its background role,
    // which for buttons of the check and radio kind is not Window.
    const QPalette::ColorRole background = w->backgroundRole();
    if (windowFromRows && kindTable(paint.paint).fillsBackground && background != QPalette::Window &&
        background != QPalette::NoRole) {
      for (QPalette::ColorGroup g : kGroups) p.setBrush(g, background, p.brush(g, QPalette::Window));
      ours |= bitsOf(background);
    }

    look.windowCopied = false;
    if (!windowFromRows) {
      if (look.themed && stock) {
        copyWindow(inheritedBackground(w), p);
        ours |= windowBits();
        look.windowCopied = true;
      } else if (pinCandidate(o)) {
        if (std::optional<QPalette> natural = naturalBackground(o)) {
          copyWindow(*natural, p);
          ours |= windowBits();
          look.pinned = true;
        }
      }
    }

    // Roles set last time and not now go back to the host's, or are inherited again.
    Mask mask = (p.resolveMask() & ~look.ours) | ours;
    const Mask dropped = look.ours & ~ours;
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

    look.ours = ours;
    look.normal = p;
    look.hasFocusedLook = !focusedRoles.empty();
    if (look.hasFocusedLook) {
      look.focused = p;
      for (const auto& [role, colour] : focusedRoles) {
        look.focused.setColor(QPalette::Active, role, colour);
        look.focused.setColor(QPalette::Inactive, role, colour);
      }
    } else {
      look.focused = QPalette();
    }
    look.fillsWindow = windowFromRows && kindTable(paint.paint).fillsBackground;
    look.computed = true;
  }

  void show(WidgetObject& o) {
    QWidget* w = o.widget();
    WidgetObject::Look& look = o.look();
    PaintState& paint = o.paint();
    paint.focused = (paint.paint == Paint::Button || paint.paint == Paint::Text) && focusWithin(w);

    const QPalette& target = paint.focused && look.hasFocusedLook ? look.focused : look.normal;
    const QPalette current = w->palette();
    if (!(current == target) || current.resolveMask() != target.resolveMask()) w->setPalette(target);

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

  // 0: no border; 1: a single line.
  static void showBorderStyle(QWidget* widget, std::int16_t style) {
    auto* frame = qobject_cast<QFrame*>(widget);
    if (!frame) return;
    if (style == 0) {
      frame->setFrameShape(QFrame::NoFrame);
      return;
    }
    frame->setFrameShape(QFrame::Box);
    frame->setFrameShadow(QFrame::Plain);
    frame->setLineWidth(1);
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
    if (WidgetObject* o = find(widget); o && pinCandidate(*o)) flush.add(o);
  }
  dirty_.clear();
  walked_.clear();
  flush.addCopiesBelowChangedBackgrounds();
  flush.run();
  flushing_ = false;
}

}  // namespace palvex::qt::detail
