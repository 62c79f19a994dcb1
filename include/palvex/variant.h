#pragma once
// The value type of late-bound calls, with the classic conversions between its
// kinds. Narrowing conversions round half to even and raise an overflow when the
// result does not fit; text that is not a number raises a type mismatch.

#include "palvex/export.h"

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <type_traits>
#include <variant>

#include "palvex/currency.h"

namespace palvex {

class Object;
using ObjectRef = std::shared_ptr<Object>;

enum class VarType {
  Empty,     // never assigned
  Boolean,
  Integer,   // 16-bit
  Long,      // 32-bit
  LongLong,  // 64-bit
  Double,
  Currency,
  String,
  Object,    // a live object reference
  Nothing,   // an object reference that refers to nothing
};

struct Nothing {
  friend bool operator==(Nothing, Nothing) { return true; }
};

class PALVEX_EXPORT Variant {
 public:
  Variant() = default;
  Variant(bool v) : value_(v) {}
  Variant(std::int16_t v) : value_(v) {}
  Variant(std::int32_t v) : value_(v) {}
  Variant(std::int64_t v) : value_(v) {}
  Variant(double v) : value_(v) {}
  Variant(Currency v) : value_(v) {}
  Variant(std::string v) : value_(std::move(v)) {}
  Variant(std::string_view v) : value_(std::string(v)) {}
  Variant(const char* v) : value_(std::string(v)) {}
  Variant(ObjectRef v);  // a null pointer becomes Nothing
  template <class T>
    requires(!std::is_same_v<T, Object> && std::is_convertible_v<T*, Object*>)
  Variant(std::shared_ptr<T> v) : Variant(ObjectRef(std::move(v))) {}
  Variant(Nothing) : value_(Nothing{}) {}

  VarType type() const;
  const char* typeName() const;  // "Empty", "Boolean", "Integer", "Long", ...
  bool isEmpty() const { return type() == VarType::Empty; }
  bool isObject() const { return type() == VarType::Object; }
  bool isNothing() const { return type() == VarType::Nothing; }
  bool isString() const { return type() == VarType::String; }

  // Conversions. Each throws palvex::Error (13 type mismatch, 6 overflow).
  bool toBool() const;
  std::int16_t toInt16() const;
  std::int32_t toInt32() const;
  std::int64_t toInt64() const;
  double toDouble() const;
  Currency toCurrency() const;
  std::string toString() const;
  // The referenced object; throws 91 for Nothing and 13 for a non-object.
  ObjectRef toObject() const;
  // The same without taking a counted reference: valid while this Variant lives.
  const ObjectRef& objectRef() const;

  // Exact kind-and-value equality (no conversion), for tests and logs.
  friend PALVEX_EXPORT bool operator==(const Variant& a, const Variant& b);

 private:
  std::variant<std::monostate, bool, std::int16_t, std::int32_t, std::int64_t, double, Currency,
               std::string, ObjectRef, Nothing>
      value_;
};

// Classic conversion helpers, shared by Variant and the settings code.
// Round half to even and range-check; throw an overflow error when out of range.
PALVEX_EXPORT std::int16_t roundToInt16(double value);
PALVEX_EXPORT std::int32_t roundToInt32(double value);
PALVEX_EXPORT std::int64_t roundToInt64(double value);

}  // namespace palvex
