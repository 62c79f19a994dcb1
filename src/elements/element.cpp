// The element contract over a property table: loading, saving, describing
// and the standard apply.

#include "palvex/element.h"

#include "elements/control_access.h"
#include "elements/element_loading.h"
#include "elements/value_observers.h"
#include "palvex/settings.h"
#include "palvex/settings_store.h"
#include "palvex/text.h"
#include "palvex/variant.h"
#include "settings/theme_name.h"

namespace palvex {

DescriptorPropiedad crearDescriptor(std::string propName, std::int32_t propType, std::int32_t valor,
                                    std::int16_t numMin, std::int16_t numMax) {
  return DescriptorPropiedad{std::move(propName), propType, numMin, numMax, valor};
}

namespace detail {

void checkPropertyWidth(const ElementTable& table, std::size_t index, std::int32_t value) {
  const PropertyRow& property = table.properties[index];
  if (property.width == PropertyWidth::Whole16 && (value < INT16_MIN || value > INT16_MAX))
    throw overflowError(std::string(table.className) + "." + std::string(property.name) + " cannot hold " +
                        std::to_string(value));
}

std::vector<std::int32_t> loadElementValues(const ElementTable& table, std::string_view themeName) {
  std::vector<std::int32_t> values(table.properties.size(), 0);
  ElementLoadScope scope;
  auto load = [&](std::size_t index) {
    const PropertyRow& property = table.properties[index];
    const std::int32_t value = ReadThemeSetting(themeName, table.sectionWord, property.readKey, property.defaultValue);
    checkPropertyWidth(table, index, value);
    values[index] = value;
  };
  if (table.readOrder.empty()) {
    for (std::size_t i = 0; i < values.size(); ++i) load(i);
  } else {
    for (std::uint8_t i : table.readOrder) load(i);
  }
  return values;
}

}  // namespace detail

Element::Element(const ElementTable& table)
    : table_(table), values_(detail::loadElementValues(table, settings::currentThemeName())) {}

void Element::setValue(std::size_t index, std::int32_t v) {
  detail::checkPropertyWidth(table_, index, v);
  std::int32_t& held = values_.at(index);
  if (held == v) return;
  held = v;
  ++revision_;
  detail::notifyValueChanged(*this, index);
}

std::size_t Element::indexOf(std::string_view name) const {
  for (std::size_t i = 0; i < table_.properties.size(); ++i) {
    const PropertyRow& property = table_.properties[i];
    if (text::equalsIgnoreCase(property.name, name) || text::equalsIgnoreCase(property.descriptorName, name))
      return i;
  }
  return npos;
}

std::vector<DescriptorPropiedad> Element::propDesc() const {
  std::vector<DescriptorPropiedad> descriptors;
  descriptors.reserve(values_.size());
  for (std::size_t i = 0; i < values_.size(); ++i) {
    const PropertyRow& property = table_.properties[i];
    std::string name(property.descriptorName);
    if (property.width == PropertyWidth::Whole16)
      // The designer only offers the 0..1 range, and always shows 0.
      descriptors.push_back(crearDescriptor(std::move(name), kPropTypeWholeNumber, 0, 0, 1));
    else
      descriptors.push_back(crearDescriptor(std::move(name), kPropTypeColour, values_[i], 0, 0));
  }
  return descriptors;
}

// One transaction: an element half saved would mix two versions of a theme.
void Element::Update() const {
  settingsStore().transaction([&] {
    for (std::size_t i = 0; i < values_.size(); ++i)
      WriteElementSetting(table_.sectionWord, table_.properties[i].writeKey, values_[i]);
  });
}

void Element::Aplicar(const Variant& control) {
  if (!control.isObject() && trapsErrors()) return;
  Aplicar(*control.objectRef());  // throws for Nothing or a value that is no object
}

// Callers hold a counted reference to the element for the call (the
// accessors hand one out), so a control that replaces the shared element
// while it is being applied cannot pull it from under us.
void Element::Aplicar(Object& control) {
  ApplyBracket bracket(control);
  applyTo(control);
}

Variant Element::controlValue(std::size_t index) const {
  if (table_.properties[index].width == PropertyWidth::Whole16)
    return Variant(static_cast<std::int16_t>(values_[index]));
  return Variant(values_[index]);
}

void Element::writeControlProperties(Object& control) const {
  for (std::size_t i = 0; i < values_.size(); ++i) {
    std::string_view property = table_.properties[i].controlProperty;
    if (!property.empty()) detail::writeQuietly(control, property, controlValue(i));
  }
}

void Element::applyStandard(Object& control) const {
  if (overrideOrUnreadableTag(control)) return;
  writeControlProperties(control);
}

}  // namespace palvex
