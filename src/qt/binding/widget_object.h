#pragma once
// The engine's view of one widget: properties by name (Q_PROPERTYs, dynamic
// properties, and the engine's colour names mapped onto the widget's look),
// invokable methods, the type name of the dispatch, "Controls" of forms and
// containers, and window handles. Colour writes between beginApply and
// endApply are gathered: the widget's palette changes once, when the
// outermost bracket closes.

#include <cstdint>
#include <optional>

#include <QPalette>
#include <QPointer>
#include <QWidget>

#include "palvex/object.h"
#include "palvex/win32.h"
#include "qt/binding/paint_state.h"
#include "qt/binding/widget_mapping.h"

class QObject;

namespace palvex::qt::detail {

class Registry;

class WidgetObject final : public Object {
 public:
  WidgetObject(QWidget* widget, Registry& registry);

  std::string typeName() const override;
  bool isForm() const override;
  Lookup tryGet(std::string_view name, Variant& out) override;
  Lookup trySet(std::string_view name, const Variant& value) override;
  Lookup tryCall(std::string_view name, std::span<Variant> args, Variant& result) override;
  void beginApply() override;
  void endApply() override;

  QWidget* widget() const { return widget_; }
  const Identity& identity() const;
  PaintState& paint() { return paint_; }
  const PaintState& paint() const { return paint_; }

  // Sets (or with nullopt clears) a slot as the window calls do; marks the
  // widget for the next palette flush.
  void setSlot(Slot slot, std::optional<std::int32_t> value);

  // Bookkeeping of the palette flush (palette_flush.cpp) and the window
  // calls (window_calls.cpp); the registry owns the logic.
  struct Look {
    bool themed = false;      // took engine colours at least once
    bool pinned = false;      // kept out of the form's colours
    bool styled = false;      // the flat style is set on it and its inner parts
    bool dirty = false;       // waits for the flush
    bool hostCaptured = false;
    QPalette host;            // the palette before the binding first changed it
    QPalette::ResolveMask hostMask = 0;
    bool hostAutoFill = false;
    bool autoFillSet = false;
    QPalette::ResolveMask ours = 0;  // roles the binding set last time
    bool windowCopied = false;       // holds its parent's background as its own
    bool fillsWindow = false;        // paints its background (autoFillBackground)
    bool backgroundChanged = false;  // its background slot changed since the last flush
    QPalette normal;
    QPalette focused;
    bool hasFocusedLook = false;
    // Scratch of one flush.
    bool inBatch = false;
    bool computed = false;
    int depth = 0;
  };
  Look& look() { return look_; }
  const Look& look() const { return look_; }

  struct Handles {
    win32::HWND window = 0;
    win32::HMENU menu = 0;
  };
  Handles& handles() { return handles_; }

 private:
  QWidget* live() const;
  Lookup readTag(Variant& out) const;
  Lookup readControlClass(Variant& out) const;
  Lookup writeIdentityProperty(std::string_view canonical, const Variant& value);
  void setEnabledFlag(bool enabled);
  void applyPendingEnabled();
  bool readColourSlot(Slot slot, Variant& out) const;

  // The registry lives as long as the application; an adapter kept beyond
  // it finds its widget gone.
  Registry& registry() const;

  QPointer<QWidget> widget_;
  QPointer<Registry> registry_;
  PaintState paint_;
  Look look_;
  Handles handles_;
  int bracketDepth_ = 0;
  std::optional<bool> pendingEnabled_;
  mutable Identity identity_;
  mutable std::uint64_t identityStamp_ = 0;
};

}  // namespace palvex::qt::detail
