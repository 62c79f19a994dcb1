#include "elements/control_access.h"
#include "palvex/elements.h"
#include "palvex/text.h"

namespace palvex {
namespace {

constexpr PropertyRow kProperties[] = {
    // name, read key, written key, default, descriptor, control property
    {"borderColor", "BorderColor", "BorderColor", 0xFDB6A2, "BorderColor", "borderColor"},
};
constexpr ElementTable kTable{"CShape", "SHAPE", kProperties, {}};

}  // namespace

CShape::CShape() : Element(kTable) {}
const ElementTable& CShape::classTable() { return kTable; }
std::shared_ptr<CShape> CShape::create() { return std::make_shared<CShape>(); }

void CShape::applyTo(Object& control) {
  if (text::containsIgnoreCase(control.get("Tag").toString(), detail::kOverrideMarker)) return;
  control.set("borderColor", Variant(borderColor()));
}

}  // namespace palvex
