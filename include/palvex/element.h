#pragma once
// The contract every theme element follows. An element holds the values one
// kind of control takes from the current theme, loads them from the settings
// store when created, writes them back with Update, describes them to the
// designer as property descriptors and applies them to one control at a time.
//
// The ten element classes differ mostly in their property tables, so an
// element is its ElementTable (data) plus a few overridden behaviours.

#include "palvex/export.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "palvex/object.h"

namespace palvex {

// One editable property as the designer sees it.
struct DescriptorPropiedad {
  std::string propName;
  std::int32_t propType = 0;  // 0 colour, 1 whole number
  std::int16_t numMin = 0;
  std::int16_t numMax = 0;
  std::int32_t valor = 0;
  friend bool operator==(const DescriptorPropiedad&, const DescriptorPropiedad&) = default;
};

inline constexpr std::int32_t kPropTypeColour = 0;
inline constexpr std::int32_t kPropTypeWholeNumber = 1;

// Note the argument order: valor comes before the bounds.
PALVEX_EXPORT DescriptorPropiedad crearDescriptor(std::string propName, std::int32_t propType, std::int32_t valor,
                                                  std::int16_t numMin, std::int16_t numMax);

enum class PropertyWidth { Colour32, Whole16 };

struct PropertyRow {
  std::string_view name;             // the property's own name ("BackColor")
  std::string_view readKey;          // settings key read at creation
  std::string_view writeKey;         // settings key written by Update
  std::int32_t defaultValue;
  std::string_view descriptorName;   // propName of its descriptor
  std::string_view controlProperty;  // control property Aplicar writes ("" when none)
  PropertyWidth width = PropertyWidth::Colour32;
};

struct ElementTable {
  std::string_view className;    // "CCommandButton"
  std::string_view sectionWord;  // "BUTTON"
  std::span<const PropertyRow> properties;  // property order
  std::span<const std::uint8_t> readOrder;   // creation reading order; empty = property order
};

class PALVEX_EXPORT Element : public Object {
 public:
  static constexpr std::size_t npos = static_cast<std::size_t>(-1);

  const ElementTable& table() const { return table_; }
  std::string_view className() const { return table_.className; }

  // Applies the element's values to a control. Most elements never throw
  // here; the toolbar, status-bar and shape elements let failures through
  // (an empty reference included), as their callers expect.
  void Aplicar(const Variant& control);
  void Aplicar(Object& control);
  // A new collection on every call, one record per property in property order.
  std::vector<DescriptorPropiedad> propDesc() const;
  // Writes every property under its written key, in one store transaction:
  // all of them or, when one write fails, none.
  void Update() const;

  // Raw access by position in property order. A 16-bit property refuses
  // values outside its range with an overflow error. A value that changes
  // moves revision() and is told to the value observers (below).
  std::int32_t value(std::size_t index) const { return values_.at(index); }
  void setValue(std::size_t index, std::int32_t v);
  // How many changes the setters made to this element's values since it was
  // created (loading counts none; storing the value already held is no change).
  // Lets a view that shows an element tell cheaply whether it is stale.
  std::uint64_t revision() const { return revision_; }
  // Position of the property reached by `name`: its own name or its
  // descriptor name, without regard to case. npos when none.
  std::size_t indexOf(std::string_view name) const;

  // Object: typeName() is the class name; properties by name (case-blind,
  // descriptor names too); methods "Aplicar", "propDesc", "Update".
  std::string typeName() const override { return std::string(table_.className); }
  Lookup tryGet(std::string_view name, Variant& out) override;
  Lookup trySet(std::string_view name, const Variant& value) override;
  Lookup tryCall(std::string_view name, std::span<Variant> args, Variant& result) override;

 protected:
  // Loads every property through ReadElementSetting in reading order; throws
  // what it throws (an overflow for a stored value too wide for its property).
  explicit Element(const ElementTable& table);

  virtual void applyTo(Object& control) = 0;
  // Whether Aplicar swallows its failures; an element that does not is also
  // handed the failure of an argument that refers to no object.
  virtual bool trapsErrors() const { return true; }

  // The standard apply: stop when the control's Tag holds the override marker
  // or cannot be read; otherwise write each control property in order,
  // skipping the ones the control refuses. Never throws.
  void applyStandard(Object& control) const;
  // Writes each property that has a control property, in property order,
  // skipping refused writes. Never throws.
  void writeControlProperties(Object& control) const;
  // The value as a control receives it: 32-bit, or 16-bit for a whole number.
  Variant controlValue(std::size_t index) const;

 private:
  const ElementTable& table_;
  std::vector<std::int32_t> values_;
  std::uint64_t revision_ = 0;
};

// Change notification: an observer is told after a setter changed a value of
// any element, with the element and the property's position, so that two
// designer windows, an undo history and a live preview of the same shared
// element stay consistent. Observers run at once, on the caller's thread, in
// the order they were added. One may add or remove observers (itself
// included) while it is told: a removed observer is not called again, not
// even for the change in progress. What an observer throws reaches the
// caller of the setter, after the value is stored; later observers are not told.
using ValueObserver = std::function<void(const Element& element, std::size_t index)>;
using ValueObserverId = std::uint64_t;
PALVEX_EXPORT ValueObserverId addValueObserver(ValueObserver observer);
// Unknown or already removed ids are ignored.
PALVEX_EXPORT void removeValueObserver(ValueObserverId id);

// True when the Tag of `control` holds "THEMEOVERRIDE" (any case) or cannot be read.
PALVEX_EXPORT bool overrideOrUnreadableTag(Object& control);

}  // namespace palvex
