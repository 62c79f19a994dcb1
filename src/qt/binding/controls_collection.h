#pragma once
// The "Controls" of a form or container: the widgets a user placed, as the
// engine walks them.

#include <vector>

#include <QPointer>
#include <QWidget>

#include "palvex/object.h"

namespace palvex::qt::detail {

class ControlsCollection final : public Object {
 public:
  explicit ControlsCollection(const std::vector<QWidget*>& widgets);

  std::string typeName() const override { return "Object"; }
  // "Count"; "Item"(i), 0-based like a form's Controls.
  Lookup tryGet(std::string_view name, Variant& out) override;
  Lookup tryCall(std::string_view name, std::span<Variant> args, Variant& result) override;
  // The widgets still alive, in order.
  std::vector<Variant> enumerate() override;

 private:
  std::vector<QPointer<QWidget>> widgets_;
};

}  // namespace palvex::qt::detail
