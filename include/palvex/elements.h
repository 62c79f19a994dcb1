#pragma once
// The ten theme element classes. Each is its property table (in its own
// source file) plus what it does differently when applied; the typed
// accessors below are one-liners over the base's indexed storage, named after
// the properties (getter `BackColor()`, setter `setBackColor(v)`).
//
// Creating an element reads its values from the current theme; a creation
// fails with the store's or the conversion's error (an overflow for a stored
// border style outside 16 bits).

#include "palvex/export.h"

#include <cstdint>
#include <memory>
#include <span>
#include <string_view>

#include "palvex/element.h"

// A 32-bit colour property at position `index` of the class's table.
#define PALVEX_COLOUR_PROPERTY(getter, setter, index)                  \
  std::int32_t getter() const { return value(index); }                 \
  void setter(std::int32_t v) { setValue(index, v); }

namespace palvex {

class PALVEX_EXPORT CCommandButton final : public Element {
 public:
  enum Property : std::size_t {
    kForeColor, kForeColorFocused, kForeColorDisabled, kBackColor, kBackColorFocused, kBackColorDisabled,
  };
  CCommandButton();
  static std::shared_ptr<CCommandButton> create();
  static const ElementTable& classTable();

  PALVEX_COLOUR_PROPERTY(foreColor, setForeColor, kForeColor)
  PALVEX_COLOUR_PROPERTY(foreColorFocused, setForeColorFocused, kForeColorFocused)
  PALVEX_COLOUR_PROPERTY(foreColorDisabled, setForeColorDisabled, kForeColorDisabled)
  PALVEX_COLOUR_PROPERTY(BackColor, setBackColor, kBackColor)
  PALVEX_COLOUR_PROPERTY(backColorFocused, setBackColorFocused, kBackColorFocused)
  PALVEX_COLOUR_PROPERTY(backColorDisabled, setBackColorDisabled, kBackColorDisabled)

 private:
  // Colours are written while the control is enabled; a disabled control
  // ends disabled again.
  void applyTo(Object& control) override;
};

class PALVEX_EXPORT CGrid final : public Element {
 public:
  enum Property : std::size_t {
    kBackColor, kBackColorBkg, kBackColorFixed, kBackColorSel, kForeColor, kForeColorFixed, kForeColorSel,
    kGridColor, kGridColorFixed, kBorderStyle,
  };
  CGrid();
  static std::shared_ptr<CGrid> create();
  static const ElementTable& classTable();

  PALVEX_COLOUR_PROPERTY(BackColor, setBackColor, kBackColor)
  PALVEX_COLOUR_PROPERTY(backColorBkg, setBackColorBkg, kBackColorBkg)
  PALVEX_COLOUR_PROPERTY(backColorFixed, setBackColorFixed, kBackColorFixed)
  PALVEX_COLOUR_PROPERTY(backColorSel, setBackColorSel, kBackColorSel)
  PALVEX_COLOUR_PROPERTY(foreColor, setForeColor, kForeColor)
  PALVEX_COLOUR_PROPERTY(foreColorFixed, setForeColorFixed, kForeColorFixed)
  PALVEX_COLOUR_PROPERTY(foreColorSel, setForeColorSel, kForeColorSel)
  PALVEX_COLOUR_PROPERTY(gridColor, setGridColor, kGridColor)
  PALVEX_COLOUR_PROPERTY(gridColorFixed, setGridColorFixed, kGridColorFixed)
  std::int16_t borderStyle() const { return static_cast<std::int16_t>(value(kBorderStyle)); }
  void setBorderStyle(std::int16_t v) { setValue(kBorderStyle, v); }

 private:
  void applyTo(Object& control) override { applyStandard(control); }
};

class PALVEX_EXPORT CText final : public Element {
 public:
  enum Property : std::size_t {
    kBorderColor, kBorderColorFocused, kForeColor, kForeColorFocused, kBackColor, kBackColorFocused,
  };
  CText();
  static std::shared_ptr<CText> create();
  static const ElementTable& classTable();

  PALVEX_COLOUR_PROPERTY(borderColor, setBorderColor, kBorderColor)
  PALVEX_COLOUR_PROPERTY(borderColorFocused, setBorderColorFocused, kBorderColorFocused)
  PALVEX_COLOUR_PROPERTY(foreColor, setForeColor, kForeColor)
  PALVEX_COLOUR_PROPERTY(foreColorFocused, setForeColorFocused, kForeColorFocused)
  PALVEX_COLOUR_PROPERTY(BackColor, setBackColor, kBackColor)
  PALVEX_COLOUR_PROPERTY(backColorFocused, setBackColorFocused, kBackColorFocused)

 private:
  void applyTo(Object& control) override { applyStandard(control); }
};

class PALVEX_EXPORT CTabStrip final : public Element {
 public:
  enum Property : std::size_t {
    kTabBackColor, kTabBackColorSelected, kTabBorderColorHover, kTabInnerBorder, kTabInnerBorderSelected,
    kTabBorderColor, kTabBorderColorSelected, kBorderColor,
  };
  CTabStrip();
  static std::shared_ptr<CTabStrip> create();
  static const ElementTable& classTable();

  PALVEX_COLOUR_PROPERTY(TabBackColor, setTabBackColor, kTabBackColor)
  PALVEX_COLOUR_PROPERTY(TabBackColorSelected, setTabBackColorSelected, kTabBackColorSelected)
  PALVEX_COLOUR_PROPERTY(TabBorderColorHover, setTabBorderColorHover, kTabBorderColorHover)
  PALVEX_COLOUR_PROPERTY(TabInnerBorder, setTabInnerBorder, kTabInnerBorder)
  PALVEX_COLOUR_PROPERTY(TabInnerBorderSelected, setTabInnerBorderSelected, kTabInnerBorderSelected)
  PALVEX_COLOUR_PROPERTY(TabBorderColor, setTabBorderColor, kTabBorderColor)
  PALVEX_COLOUR_PROPERTY(TabBorderColorSelected, setTabBorderColorSelected, kTabBorderColorSelected)
  PALVEX_COLOUR_PROPERTY(borderColor, setBorderColor, kBorderColor)

 private:
  void applyTo(Object& control) override { applyStandard(control); }
};

class PALVEX_EXPORT CCheckBox final : public Element {
 public:
  enum Property : std::size_t { kForeColor, kCheckColor };
  CCheckBox();
  static std::shared_ptr<CCheckBox> create();
  static const ElementTable& classTable();

  PALVEX_COLOUR_PROPERTY(foreColor, setForeColor, kForeColor)
  PALVEX_COLOUR_PROPERTY(CheckColor, setCheckColor, kCheckColor)

 private:
  void applyTo(Object& control) override { applyStandard(control); }
};

class PALVEX_EXPORT CLabel final : public Element {
 public:
  enum Property : std::size_t { kForeColor };
  CLabel();
  static std::shared_ptr<CLabel> create();
  static const ElementTable& classTable();

  PALVEX_COLOUR_PROPERTY(foreColor, setForeColor, kForeColor)

 private:
  // Also gives the control the back colour of the last configured form.
  void applyTo(Object& control) override;
};

class PALVEX_EXPORT CToolBar final : public Element {
 public:
  enum Property : std::size_t { kBackColor };
  CToolBar();
  static std::shared_ptr<CToolBar> create();
  static const ElementTable& classTable();

  PALVEX_COLOUR_PROPERTY(BackColor, setBackColor, kBackColor)

 private:
  // Colours the toolbar's window class; no override marker, nothing trapped.
  void applyTo(Object& control) override;
  bool trapsErrors() const override { return false; }
};

class PALVEX_EXPORT CStatusBar final : public Element {
 public:
  enum Property : std::size_t { kBackColor };
  CStatusBar();
  static std::shared_ptr<CStatusBar> create();
  static const ElementTable& classTable();

  PALVEX_COLOUR_PROPERTY(BackColor, setBackColor, kBackColor)

 private:
  // Sends the colour to the status bar's window; no override marker, nothing trapped.
  void applyTo(Object& control) override;
  bool trapsErrors() const override { return false; }
};

class PALVEX_EXPORT CForm final : public Element {
 public:
  enum Property : std::size_t { kBackColor, kMenuColor };
  CForm();
  static std::shared_ptr<CForm> create();
  static const ElementTable& classTable();

  PALVEX_COLOUR_PROPERTY(BackColor, setBackColor, kBackColor)
  PALVEX_COLOUR_PROPERTY(MenuColor, setMenuColor, kMenuColor)

 private:
  // Configures a whole form: its back colour, its menus, its frames, and
  // every other control through the first Tema. Never throws.
  void applyTo(Object& form) override;
};

// The one element class hosts create for themselves: an instance reads the
// current theme when created and is independent of every other afterwards.
class PALVEX_EXPORT CShape final : public Element {
 public:
  enum Property : std::size_t { kBorderColor };
  CShape();
  static std::shared_ptr<CShape> create();
  static const ElementTable& classTable();

  PALVEX_COLOUR_PROPERTY(borderColor, setBorderColor, kBorderColor)

 private:
  // Honours the override marker but traps nothing: a control without "Tag"
  // or "borderColor" makes Aplicar fail.
  void applyTo(Object& control) override;
  bool trapsErrors() const override { return false; }
};

// A new element of the class named `className` (case-blind), reading the
// current theme. An unknown name is error 5, listing the valid ones.
PALVEX_EXPORT std::shared_ptr<Element> createElement(std::string_view className);
// The ten class names in shared-slot order, CCommandButton to CShape.
PALVEX_EXPORT std::span<const std::string_view> elementClassNames();
// The tables of the ten classes, in the same order, without creating an element.
PALVEX_EXPORT std::span<const ElementTable* const> elementTables();

}  // namespace palvex

#undef PALVEX_COLOUR_PROPERTY
