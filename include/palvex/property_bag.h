#pragma once
// A plain late-bound object made of declared members: what a host without a
// toolkit hands to the engine, and what tests build their controls and forms
// from (tests subclass it to log the writes). Members keep the case they were
// declared with; lookups ignore case.

#include "palvex/export.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "palvex/object.h"
#include "palvex/text.h"

namespace palvex {

class PALVEX_EXPORT PropertyBag : public Object {
 public:
  using Method = std::function<Variant(std::span<Variant> args)>;

  explicit PropertyBag(std::string typeName = "PropertyBag");
  static std::shared_ptr<PropertyBag> make(std::string typeName = "PropertyBag") {
    return std::make_shared<PropertyBag>(std::move(typeName));
  }

  // Declaration (chainable).
  PropertyBag& declare(std::string_view name, Variant initial = {});
  PropertyBag& refuseWrites(std::string_view name, Error error = Error(ErrorNumber::InvalidCall, "property is read-only"));
  PropertyBag& failOnRead(std::string_view name, Error error = Error(ErrorNumber::InvalidCall, "property cannot be read"));
  PropertyBag& method(std::string_view name, Method body);
  PropertyBag& setForm(bool isForm = true);
  // Makes the bag a collection whose members enumerate() returns.
  PropertyBag& setItems(std::vector<Variant> items);

  // Inspection.
  bool has(std::string_view name) const;
  Variant value(std::string_view name) const;  // Empty when the member is missing
  std::size_t callCount(std::string_view method) const;

  // Object.
  std::string typeName() const override { return typeName_; }
  bool isForm() const override { return isForm_; }
  Lookup tryGet(std::string_view name, Variant& out) override;
  Lookup trySet(std::string_view name, const Variant& value) override;
  Lookup tryCall(std::string_view name, std::span<Variant> args, Variant& result) override;
  std::vector<Variant> enumerate() override;

 private:
  struct Member {
    std::string name;
    Variant value;
    std::optional<Error> writeError;
    std::optional<Error> readError;
    Method method;
    std::size_t calls = 0;
  };
  Member* find(std::string_view name);
  const Member* find(std::string_view name) const;
  Member& member(std::string_view name);

  std::string typeName_;
  bool isForm_ = false;
  std::optional<std::vector<Variant>> items_;
  std::unordered_map<std::string, Member, text::CaseInsensitiveHash, text::CaseInsensitiveEqual> members_;
};

}  // namespace palvex
