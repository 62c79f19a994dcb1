#include "palvex/property_bag.h"

#include "palvex/text.h"

namespace palvex {

PropertyBag::PropertyBag(std::string typeName) : typeName_(std::move(typeName)) {}

PropertyBag::Member* PropertyBag::find(std::string_view name) {
  auto it = members_.find(name);
  return it == members_.end() ? nullptr : &it->second;
}

const PropertyBag::Member* PropertyBag::find(std::string_view name) const {
  auto it = members_.find(name);
  return it == members_.end() ? nullptr : &it->second;
}

PropertyBag::Member& PropertyBag::member(std::string_view name) {
  if (Member* m = find(name)) return *m;
  auto [it, inserted] = members_.emplace(std::string(name), Member{});
  it->second.name = std::string(name);
  return it->second;
}

PropertyBag& PropertyBag::declare(std::string_view name, Variant initial) {
  member(name).value = std::move(initial);
  return *this;
}

PropertyBag& PropertyBag::refuseWrites(std::string_view name, Error error) {
  member(name).writeError = std::move(error);
  return *this;
}

PropertyBag& PropertyBag::failOnRead(std::string_view name, Error error) {
  member(name).readError = std::move(error);
  return *this;
}

PropertyBag& PropertyBag::method(std::string_view name, Method body) {
  member(name).method = std::move(body);
  return *this;
}

PropertyBag& PropertyBag::setForm(bool isForm) {
  isForm_ = isForm;
  return *this;
}

PropertyBag& PropertyBag::setItems(std::vector<Variant> items) {
  items_ = std::move(items);
  return *this;
}

bool PropertyBag::has(std::string_view name) const { return find(name) != nullptr; }

Variant PropertyBag::value(std::string_view name) const {
  const Member* m = find(name);
  return m ? m->value : Variant{};
}

std::size_t PropertyBag::callCount(std::string_view name) const {
  const Member* m = find(name);
  return m ? m->calls : 0;
}

Lookup PropertyBag::tryGet(std::string_view name, Variant& out) {
  Member* m = find(name);
  if (!m || m->method) return Lookup::NoMember;
  if (m->readError) throw *m->readError;
  out = m->value;
  return Lookup::Found;
}

Lookup PropertyBag::trySet(std::string_view name, const Variant& value) {
  Member* m = find(name);
  if (!m || m->method) return Lookup::NoMember;
  if (m->writeError) throw *m->writeError;
  m->value = value;
  return Lookup::Found;
}

Lookup PropertyBag::tryCall(std::string_view name, std::span<Variant> args, Variant& result) {
  Member* m = find(name);
  if (!m || !m->method) return Lookup::NoMember;
  ++m->calls;
  result = m->method(args);
  return Lookup::Found;
}

std::vector<Variant> PropertyBag::enumerate() {
  if (!items_) return Object::enumerate();
  return *items_;
}

}  // namespace palvex
