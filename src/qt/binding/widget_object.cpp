#include "qt/binding/widget_object.h"

#include "palvex/qt/palvex_qt.h"
#include "qt/binding/controls_collection.h"
#include "qt/binding/meta_access.h"
#include "qt/binding/registry.h"
#include "qt/binding/window_calls.h"

namespace palvex::qt::detail {
namespace {

// The members the binding answers itself are ASCII: a plain case fold will do.
bool is(std::string_view name, std::string_view member) {
  if (name.size() != member.size()) return false;
  for (std::size_t i = 0; i < name.size(); ++i) {
    char a = name[i], b = member[i];
    if (a >= 'A' && a <= 'Z') a = static_cast<char>(a - 'A' + 'a');
    if (b >= 'A' && b <= 'Z') b = static_cast<char>(b - 'A' + 'a');
    if (a != b) return false;
  }
  return true;
}

std::int32_t colourRef(const QColor& c) { return c.red() | c.green() << 8 | c.blue() << 16; }

// The toolbar's own window carries the class background.
constexpr std::int32_t kToolbarStyleOwnWindow = 1;

}  // namespace

WidgetObject::WidgetObject(QWidget* widget, Registry& registry) : widget_(widget), registry_(&registry) {}

QWidget* WidgetObject::live() const {
  if (!widget_ || !registry_) throw objectNotSetError("the widget no longer exists");
  return widget_.data();
}

Registry& WidgetObject::registry() const {
  if (!registry_) throw objectNotSetError("the widget no longer exists");
  return *registry_;
}

const Identity& WidgetObject::identity() const {
  QWidget* w = live();
  const std::uint64_t stamp = registry().sessionStamp();
  if (stamp == 0 || stamp != identityStamp_) {
    identity_ = identify(w);
    identityStamp_ = stamp;
  }
  return identity_;
}

std::string WidgetObject::typeName() const { return widget_ ? identity().typeName : std::string("Nothing"); }

bool WidgetObject::isForm() const { return widget_ && identity().form; }

Lookup WidgetObject::readTag(Variant& out) const {
  if (readProperty(*widget_, "Tag", out) == Lookup::Found) return Lookup::Found;
  out = std::string();  // every widget has a Tag, empty until the host sets one
  return Lookup::Found;
}

Lookup WidgetObject::readControlClass(Variant& out) const {
  const Identity& id = identity();
  if (id.controlClassOverridden || id.typeNameOverridden) {
    if (!id.hasControlClass) return Lookup::NoMember;
    out = id.controlClass;
    return Lookup::Found;
  }
  if (id.suiteControl || id.paint == Paint::Properties) {
    if (findProperty(*widget_, "ControlClass").isValid()) return readProperty(*widget_, "ControlClass", out);
  }
  if (!id.hasControlClass) return Lookup::NoMember;
  out = id.controlClass;
  return Lookup::Found;
}

bool WidgetObject::readColourSlot(Slot slot, Variant& out) const {
  if (auto raw = paint_.raw(slot)) {
    out = *raw;
    return true;
  }
  for (const RoleRow& row : kindTable(paint_.paint).roles) {
    if (row.normal != slot) continue;
    out = colourRef(widget_->palette().color(QPalette::Active, row.role));
    return true;
  }
  return false;
}

Lookup WidgetObject::tryGet(std::string_view name, Variant& out) {
  QWidget* w = live();
  if (is(name, "Tag")) return readTag(out);
  if (is(name, "ControlClass")) return readControlClass(out);
  if (is(name, "Enabled")) {
    out = pendingEnabled_.value_or(!w->testAttribute(Qt::WA_ForceDisabled));
    return Lookup::Found;
  }
  const Identity& id = identity();
  if (is(name, "hWnd")) {
    if (win32::HWND window = registry().windows().windowOf(*this)) {
      out = window;
      return Lookup::Found;
    }
  }
  if (is(name, "Style") && id.paint == Paint::Toolbar) {
    out = kToolbarStyleOwnWindow;
    return Lookup::Found;
  }
  if (is(name, "Controls") && holdsControls(w)) {
    std::vector<QWidget*> controls = placedControls(w);
    registry().noteWalked(w, controls);
    out = std::make_shared<ControlsCollection>(controls);
    return Lookup::Found;
  }
  if (is(name, "Name")) {
    out = w->objectName().toStdString();
    return Lookup::Found;
  }
  if (!id.suiteControl && paintsStock(id.paint)) {
    paint_.paint = id.paint;
    if (is(name, "borderStyle") && kindTable(id.paint).takesBorderStyle) {
      out = paint_.borderStyle.value_or(std::int16_t{0});
      return Lookup::Found;
    }
    if (std::optional<Slot> slot = slotNamed(name); slot && kindTable(id.paint).accepted.test(index(*slot)))
      if (readColourSlot(*slot, out)) return Lookup::Found;
  }
  return readProperty(*w, name, out);
}

Lookup WidgetObject::writeIdentityProperty(std::string_view canonical, const Variant& value) {
  QWidget* w = live();
  if (findProperty(*w, canonical).isValid()) return writeProperty(*w, canonical, value);
  QByteArray key = findDynamicProperty(*w, canonical);
  if (key.isEmpty()) key = QByteArray(canonical.data(), static_cast<qsizetype>(canonical.size()));
  w->setProperty(key.constData(), QString::fromStdString(value.toString()));
  identityStamp_ = 0;
  return Lookup::Found;
}

Lookup WidgetObject::trySet(std::string_view name, const Variant& value) {
  QWidget* w = live();
  if (is(name, "Enabled")) {
    setEnabledFlag(value.toBool());
    return Lookup::Found;
  }
  if (is(name, "Tag")) return writeIdentityProperty("Tag", value);
  if (is(name, "ControlClass")) return writeIdentityProperty("ControlClass", value);
  if (is(name, "TypeName")) return writeIdentityProperty("TypeName", value);

  const Identity& id = identity();
  if (id.suiteControl || id.paint == Paint::Properties) {
    const Lookup found = writeProperty(*w, name, value);
    if (found == Lookup::Found && slotNamed(name)) look_.themed = true;
    return found;
  }
  if (paintsStock(id.paint)) {
    const KindTable& kind = kindTable(id.paint);
    if (std::optional<Slot> slot = slotNamed(name); slot && kind.accepted.test(index(*slot))) {
      paint_.paint = id.paint;
      setSlot(*slot, value.toInt32());
      return Lookup::Found;
    }
    if (is(name, "borderStyle") && kind.takesBorderStyle) {
      paint_.paint = id.paint;
      const std::int16_t style = value.toInt16();
      if (paint_.borderStyle != style || !look_.themed) {
        paint_.borderStyle = style;
        look_.themed = true;
        registry().markDirty(*this);
      }
      return Lookup::Found;
    }
  }
  return writeProperty(*w, name, value);
}

void WidgetObject::setSlot(Slot slot, std::optional<std::int32_t> value) {
  if (!widget_) return;
  paint_.paint = identity().paint;
  const std::size_t i = index(slot);
  if (value) {
    if (paint_.written.test(i) && paint_.values[i] == *value && look_.themed) return;
    paint_.values[i] = *value;
    paint_.written.set(i);
    look_.themed = true;
  } else {
    if (!paint_.written.test(i)) return;
    paint_.written.reset(i);
  }
  if (slot == Slot::BackColor || slot == Slot::BarColor) look_.backgroundChanged = true;
  registry().markDirty(*this);
}

Lookup WidgetObject::tryCall(std::string_view name, std::span<Variant> args, Variant& result) {
  return invokeMethod(*live(), name, args, result);
}

void WidgetObject::setEnabledFlag(bool enabled) {
  if (bracketDepth_ > 0) {
    pendingEnabled_ = enabled;  // only the net change is made, at endApply
    return;
  }
  live()->setEnabled(enabled);
}

void WidgetObject::applyPendingEnabled() {
  if (!pendingEnabled_ || !widget_) return;
  const bool wanted = *pendingEnabled_;
  pendingEnabled_.reset();
  // The widget's own flag, not the effective state: a button inside a
  // disabled frame stays enabled in its own right.
  if (wanted == !widget_->testAttribute(Qt::WA_ForceDisabled)) return;
  widget_->setEnabled(wanted);
}

void WidgetObject::beginApply() {
  registry().beginSession();
  ++bracketDepth_;
}

void WidgetObject::endApply() {
  if (bracketDepth_ > 0 && --bracketDepth_ == 0) applyPendingEnabled();
  if (registry_) registry_->endSession();
}

}  // namespace palvex::qt::detail
