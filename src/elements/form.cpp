#include <vector>

#include "elements/apply_context.h"
#include "elements/control_access.h"
#include "palvex/api_calls.h"
#include "palvex/control_types.h"
#include "palvex/elements.h"

namespace palvex {
namespace {

constexpr PropertyRow kProperties[] = {
    // name, read key, written key, default, descriptor, control property
    {"BackColor", "BackColor", "BackColor", 0xEED9D0, "BackColor", "BackColor"},
    {"MenuColor", "MenuColor", "MenuColor", 0xEED9D0, "MenuColor", ""},
};
constexpr ElementTable kTable{"CForm", "FORM", kProperties, {}};

// Every control on the form; none when it has no readable "Controls".
std::vector<Variant> controlsOf(Object& form) {
  try {
    Variant controls;
    if (form.tryGet("Controls", controls) == Lookup::NoMember) return {};
    return controls.toObject()->enumerate();
  } catch (...) {  // a host collection may throw anything
    return {};
  }
}

// A host object that cannot say is taken for no form: its menus are left alone.
bool isHostForm(Object& object) {
  try {
    return object.isForm();
  } catch (...) {
    return false;
  }
}

// Frames take the form's colour here (an unreadable Tag is no override);
// everything else goes through the first Tema's dispatch. Type names are
// compared exactly: a "frame" is not a Frame.
void themeControl(const Variant& item, std::int32_t backColor) {
  const ObjectRef& control = item.objectRef();
  if (control->typeName() == typenames::kFrame) {
    if (!detail::tagHoldsOverride(*control).value_or(false))
      detail::writeQuietly(*control, "BackColor", Variant(backColor));
    return;
  }
  if (const auto& themeControl = detail::applyContext().themeControl) themeControl(item);
}

}  // namespace

CForm::CForm() : Element(kTable) {}
const ElementTable& CForm::classTable() { return kTable; }
std::shared_ptr<CForm> CForm::create() { return std::make_shared<CForm>(); }

void CForm::applyTo(Object& form) {
  const std::int32_t backColor = BackColor();
  detail::writeQuietly(form, "BackColor", Variant(backColor));
  detail::applyContext().formBackColorCache = backColor;
  if (isHostForm(form)) ApiCalls::setMenuBackColor(form, MenuColor());
  for (const Variant& control : controlsOf(form)) {
    try {
      themeControl(control, backColor);
    } catch (...) {
      // One control failing, whatever it throws, does not end the walk.
    }
  }
}

}  // namespace palvex
