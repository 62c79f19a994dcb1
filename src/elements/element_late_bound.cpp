// Access to an element by name, as the designer and scripting hosts use it.

#include "elements/descriptor_objects.h"
#include "palvex/element.h"
#include "palvex/text.h"

namespace palvex {

Lookup Element::tryGet(std::string_view name, Variant& out) {
  const std::size_t index = indexOf(name);
  if (index == npos) return Lookup::NoMember;
  out = controlValue(index);
  return Lookup::Found;
}

Lookup Element::trySet(std::string_view name, const Variant& value) {
  const std::size_t index = indexOf(name);
  if (index == npos) return Lookup::NoMember;
  if (table_.properties[index].width == PropertyWidth::Whole16)
    setValue(index, value.toInt16());
  else
    setValue(index, value.toInt32());
  return Lookup::Found;
}

Lookup Element::tryCall(std::string_view name, std::span<Variant> args, Variant& result) {
  using text::equalsIgnoreCase;
  if (equalsIgnoreCase(name, "Aplicar")) {
    if (args.size() != 1) throw invalidCallError("Aplicar takes one control");
    Aplicar(args[0]);
  } else if (equalsIgnoreCase(name, "propDesc")) {
    result = std::make_shared<detail::DescriptorCollection>(propDesc());
  } else if (equalsIgnoreCase(name, "Update")) {
    Update();
  } else if (args.empty()) {
    return tryGet(name, result);
  } else {
    return Lookup::NoMember;
  }
  return Lookup::Found;
}

}  // namespace palvex
