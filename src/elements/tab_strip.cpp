#include "palvex/elements.h"

namespace palvex {
namespace {

// Shares the "BUTTON" section with the command button; no key of one is a
// key of the other in any case.
constexpr PropertyRow kProperties[] = {
    // name, read key, written key, default, descriptor, control property
    {"TabBackColor", "TabBackColor", "TabBackColor", 0xFFFFFF, "TabBackColor", "TabBackColor"},
    {"TabBackColorSelected", "TabBackColorSelected", "TabBackColorSelected", 0xFFFFFF, "TabBackColorSelected", "TabBackColorSelected"},
    {"TabBorderColorHover", "TabBorderColorHover", "TabBorderColorHover", 0xFFD3D0, "TabBorderColorHover", "TabBorderColorHover"},
    {"TabInnerBorder", "TabInnerBorder", "TabInnerBorder", 0x80C0FF, "TabInnerBorder", "TabInnerBorder"},
    {"TabInnerBorderSelected", "TabInnerBorderSelected", "TabInnerBorderSelected", 0xFDB6A2, "TabInnerBorderSelected", "TabInnerBorderSelected"},
    {"TabBorderColor", "TabBorderColor", "TabBorderColor", 0xCD7407, "TabBorderColor", "TabBorderColor"},
    {"TabBorderColorSelected", "TabBorderColorSelected", "TabBorderColorSelected", 0xFFFFFF, "TabBorderColorSelected", "TabBorderColorSelected"},
    {"borderColor", "BorderColor", "borderColor", 0xCD7407, "borderColor", "borderColor"},
};
// Creation reads the two border colours before the hover and inner ones.
constexpr std::uint8_t kReadOrder[] = {
    CTabStrip::kTabBackColor,   CTabStrip::kTabBackColorSelected, CTabStrip::kTabBorderColor,
    CTabStrip::kTabBorderColorSelected, CTabStrip::kTabBorderColorHover, CTabStrip::kTabInnerBorder,
    CTabStrip::kTabInnerBorderSelected, CTabStrip::kBorderColor,
};
constexpr ElementTable kTable{"CTabStrip", "BUTTON", kProperties, kReadOrder};

}  // namespace

CTabStrip::CTabStrip() : Element(kTable) {}
const ElementTable& CTabStrip::classTable() { return kTable; }
std::shared_ptr<CTabStrip> CTabStrip::create() { return std::make_shared<CTabStrip>(); }

}  // namespace palvex
