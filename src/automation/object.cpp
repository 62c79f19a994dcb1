#include "palvex/object.h"

namespace palvex {

Lookup Object::tryGet(std::string_view, Variant&) { return Lookup::NoMember; }
Lookup Object::trySet(std::string_view, const Variant&) { return Lookup::NoMember; }
Lookup Object::tryCall(std::string_view, std::span<Variant>, Variant&) { return Lookup::NoMember; }

std::vector<Variant> Object::enumerate() { throw noSuchMemberError(typeName(), "_NewEnum"); }

Variant Object::get(std::string_view name) {
  Variant out;
  if (tryGet(name, out) == Lookup::NoMember) throw noSuchMemberError(typeName(), std::string(name));
  return out;
}

void Object::set(std::string_view name, const Variant& value) {
  if (trySet(name, value) == Lookup::NoMember) throw noSuchMemberError(typeName(), std::string(name));
}

Variant Object::call(std::string_view name, std::span<Variant> args) {
  Variant result;
  if (tryCall(name, args, result) == Lookup::NoMember) throw noSuchMemberError(typeName(), std::string(name));
  return result;
}

Variant Object::call(std::string_view name, std::initializer_list<Variant> args) {
  std::vector<Variant> copy(args);
  return call(name, std::span<Variant>(copy));
}

ApplyBracket::ApplyBracket(Object& object) noexcept : object_(&object) {
  try {
    object.beginApply();
  } catch (...) {
    // An adapter that cannot gather writes still takes them one by one.
  }
}

ApplyBracket::~ApplyBracket() {
  try {
    object_->endApply();
  } catch (...) {
    // Theming never fails because a control could not flush its writes.
  }
}

}  // namespace palvex
