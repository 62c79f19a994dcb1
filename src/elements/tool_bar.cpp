#include "palvex/api_calls.h"
#include "palvex/elements.h"

namespace palvex {
namespace {

constexpr PropertyRow kProperties[] = {
    // name, read key, written key, default, descriptor, control property (none: a window call)
    {"BackColor", "BackColor", "BackColor", 0xFEE2CF, "backColor", ""},
};
constexpr ElementTable kTable{"CToolBar", "TOOLBAR", kProperties, {}};

}  // namespace

CToolBar::CToolBar() : Element(kTable) {}
const ElementTable& CToolBar::classTable() { return kTable; }
std::shared_ptr<CToolBar> CToolBar::create() { return std::make_shared<CToolBar>(); }

void CToolBar::applyTo(Object& control) { ApiCalls::setToolbarBackColor(control, BackColor()); }

}  // namespace palvex
