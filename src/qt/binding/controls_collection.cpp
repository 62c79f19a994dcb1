#include "qt/binding/controls_collection.h"

#include "palvex/qt/palvex_qt.h"
#include "palvex/text.h"

namespace palvex::qt::detail {

ControlsCollection::ControlsCollection(const std::vector<QWidget*>& widgets)
    : widgets_(widgets.begin(), widgets.end()) {}

Lookup ControlsCollection::tryGet(std::string_view name, Variant& out) {
  if (!text::equalsIgnoreCase(name, "Count")) return Lookup::NoMember;
  out = static_cast<std::int32_t>(widgets_.size());
  return Lookup::Found;
}

Lookup ControlsCollection::tryCall(std::string_view name, std::span<Variant> args, Variant& result) {
  if (!text::equalsIgnoreCase(name, "Item")) return tryGet(name, result);
  if (args.size() != 1) throw invalidCallError("Item takes one index");
  const std::int32_t i = args[0].toInt32();
  if (i < 0 || static_cast<std::size_t>(i) >= widgets_.size()) throw subscriptError("no control at " + std::to_string(i));
  result = object(widgets_[static_cast<std::size_t>(i)].data());
  return Lookup::Found;
}

std::vector<Variant> ControlsCollection::enumerate() {
  std::vector<Variant> items;
  items.reserve(widgets_.size());
  for (const QPointer<QWidget>& widget : widgets_)
    if (widget) items.push_back(object(widget.data()));
  return items;
}

}  // namespace palvex::qt::detail
