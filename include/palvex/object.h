#pragma once
// Late-bound access to objects: host controls, forms and the engine's own
// elements are all reached by member name at run time. Member names match
// without regard to case, for every letter (not only ASCII).
//
// The try* operations are the hot path: a missing member is an ordinary answer
// (Lookup::NoMember), not an exception, because the apply dispatch probes many
// controls for optional members. Every other failure is thrown as palvex::Error.
// The throwing wrappers turn NoMember into error 438 for callers that want it.

#include "palvex/export.h"

#include <functional>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "palvex/error.h"
#include "palvex/variant.h"

namespace palvex {

enum class Lookup { Found, NoMember };

class PALVEX_EXPORT Object : public std::enable_shared_from_this<Object> {
 public:
  virtual ~Object() = default;

  // The class name as the platform reports it ("Label", "MSFlexGrid", "CText").
  virtual std::string typeName() const = 0;
  // True for a top-level form of the host toolkit.
  virtual bool isForm() const { return false; }

  virtual Lookup tryGet(std::string_view name, Variant& out);
  virtual Lookup trySet(std::string_view name, const Variant& value);
  // Arguments may be modified by the callee (by-reference parameters).
  virtual Lookup tryCall(std::string_view name, std::span<Variant> args, Variant& result);
  // The members of a collection object, in the collection's order.
  // Objects that are not collections throw error 438.
  virtual std::vector<Variant> enumerate();

  // The apply bracket: the engine calls beginApply before the first property
  // it writes to this object while theming it, and endApply after the last,
  // so that a toolkit adapter can gather one control's colour writes into one
  // repaint. Brackets nest (a form is bracketed around the walk of its
  // controls) and always close, also when theming fails. No-ops by default;
  // neither may throw past the engine.
  virtual void beginApply() {}
  virtual void endApply() {}

  // Throwing wrappers: NoMember becomes error 438 naming the type and member.
  Variant get(std::string_view name);
  void set(std::string_view name, const Variant& value);
  Variant call(std::string_view name, std::span<Variant> args = {});
  Variant call(std::string_view name, std::initializer_list<Variant> args);

 protected:
  Object() = default;
  Object(const Object&) = default;
  Object& operator=(const Object&) = default;
};

// Opens the apply bracket of an object for one scope. Whatever the object
// throws from beginApply or endApply is swallowed: theming never fails.
class PALVEX_EXPORT ApplyBracket {
 public:
  explicit ApplyBracket(Object& object) noexcept;
  ~ApplyBracket();
  ApplyBracket(const ApplyBracket&) = delete;
  ApplyBracket& operator=(const ApplyBracket&) = delete;

 private:
  Object* object_;
};

}  // namespace palvex
