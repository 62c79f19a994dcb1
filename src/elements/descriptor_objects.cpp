#include "elements/descriptor_objects.h"

#include "palvex/text.h"

namespace palvex::detail {

using text::equalsIgnoreCase;

Lookup DescriptorObject::tryGet(std::string_view name, Variant& out) {
  if (equalsIgnoreCase(name, "propName")) out = record_.propName;
  else if (equalsIgnoreCase(name, "propType")) out = record_.propType;
  else if (equalsIgnoreCase(name, "numMin")) out = record_.numMin;
  else if (equalsIgnoreCase(name, "numMax")) out = record_.numMax;
  else if (equalsIgnoreCase(name, "valor")) out = record_.valor;
  else return Lookup::NoMember;
  return Lookup::Found;
}

Lookup DescriptorObject::trySet(std::string_view name, const Variant& value) {
  if (equalsIgnoreCase(name, "propName")) record_.propName = value.toString();
  else if (equalsIgnoreCase(name, "propType")) record_.propType = value.toInt32();
  else if (equalsIgnoreCase(name, "numMin")) record_.numMin = value.toInt16();
  else if (equalsIgnoreCase(name, "numMax")) record_.numMax = value.toInt16();
  else if (equalsIgnoreCase(name, "valor")) record_.valor = value.toInt32();
  else return Lookup::NoMember;
  return Lookup::Found;
}

Lookup DescriptorObject::tryCall(std::string_view name, std::span<Variant> args, Variant& result) {
  if (!args.empty()) return Lookup::NoMember;
  return tryGet(name, result);
}

DescriptorCollection::DescriptorCollection(const std::vector<DescriptorPropiedad>& records) {
  items_.reserve(records.size());
  for (const auto& record : records) items_.push_back(std::make_shared<DescriptorObject>(record));
}

Lookup DescriptorCollection::tryGet(std::string_view name, Variant& out) {
  if (!equalsIgnoreCase(name, "Count")) return Lookup::NoMember;
  out = static_cast<std::int32_t>(items_.size());
  return Lookup::Found;
}

Lookup DescriptorCollection::tryCall(std::string_view name, std::span<Variant> args, Variant& result) {
  if (!equalsIgnoreCase(name, "Item")) {
    if (!args.empty()) return Lookup::NoMember;
    return tryGet(name, result);
  }
  if (args.empty()) throw invalidCallError("Item needs a position");
  const std::int32_t position = args[0].toInt32();
  if (position < 1 || static_cast<std::size_t>(position) > items_.size())
    throw subscriptError("position " + std::to_string(position) + " of a collection of " +
                         std::to_string(items_.size()));
  result = items_[static_cast<std::size_t>(position) - 1];
  return Lookup::Found;
}

std::vector<Variant> DescriptorCollection::enumerate() { return {items_.begin(), items_.end()}; }

}  // namespace palvex::detail
