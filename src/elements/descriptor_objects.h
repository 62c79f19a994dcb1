#pragma once
// The late-bound face of propDesc: a 1-based collection (Count, Item(i),
// enumerable) of descriptor records with the members propName, propType,
// numMin, numMax and valor. Records are copies: changing one changes
// neither the element nor another collection.

#include <memory>
#include <vector>

#include "palvex/element.h"

namespace palvex::detail {

class DescriptorObject final : public Object {
 public:
  explicit DescriptorObject(DescriptorPropiedad record) : record_(std::move(record)) {}
  const DescriptorPropiedad& record() const { return record_; }

  std::string typeName() const override { return "DescriptorPropiedad"; }
  Lookup tryGet(std::string_view name, Variant& out) override;
  Lookup trySet(std::string_view name, const Variant& value) override;
  Lookup tryCall(std::string_view name, std::span<Variant> args, Variant& result) override;

 private:
  DescriptorPropiedad record_;
};

class DescriptorCollection final : public Object {
 public:
  explicit DescriptorCollection(const std::vector<DescriptorPropiedad>& records);

  std::string typeName() const override { return "Collection"; }
  Lookup tryGet(std::string_view name, Variant& out) override;
  Lookup tryCall(std::string_view name, std::span<Variant> args, Variant& result) override;
  std::vector<Variant> enumerate() override;

 private:
  std::vector<std::shared_ptr<DescriptorObject>> items_;
};

}  // namespace palvex::detail
