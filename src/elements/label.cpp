#include "elements/control_access.h"
#include "elements/apply_context.h"
#include "palvex/elements.h"

namespace palvex {
namespace {

constexpr PropertyRow kProperties[] = {
    // name, read key, written key, default, descriptor, control property
    {"foreColor", "foreColor", "foreColor", 0x404040, "foreColor", "foreColor"},
};
constexpr ElementTable kTable{"CLabel", "LABEL", kProperties, {}};

}  // namespace

CLabel::CLabel() : Element(kTable) {}
const ElementTable& CLabel::classTable() { return kTable; }
std::shared_ptr<CLabel> CLabel::create() { return std::make_shared<CLabel>(); }

void CLabel::applyTo(Object& control) {
  if (overrideOrUnreadableTag(control)) return;
  writeControlProperties(control);
  // Labels sit on the form: they take the back colour the last form got.
  detail::writeQuietly(control, "BackColor", Variant(detail::applyContext().formBackColorCache));
}

}  // namespace palvex
