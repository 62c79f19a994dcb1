#include "palvex/api_calls.h"
#include "palvex/elements.h"

namespace palvex {
namespace {

constexpr PropertyRow kProperties[] = {
    // name, read key, written key, default, descriptor, control property (none: a window call)
    {"BackColor", "backColor", "BackColor", 0xFEE2CF, "backColor", ""},
};
constexpr ElementTable kTable{"CStatusBar", "STATUSBAR", kProperties, {}};

}  // namespace

CStatusBar::CStatusBar() : Element(kTable) {}
const ElementTable& CStatusBar::classTable() { return kTable; }
std::shared_ptr<CStatusBar> CStatusBar::create() { return std::make_shared<CStatusBar>(); }

void CStatusBar::applyTo(Object& control) { ApiCalls::setStatusBarBackColor(control, BackColor()); }

}  // namespace palvex
