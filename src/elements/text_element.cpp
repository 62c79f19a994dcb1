#include "palvex/elements.h"

namespace palvex {
namespace {

// Most keys are read in one capitalisation and written in another; the store
// matches keys without regard to case, so each pair is one stored value.
constexpr PropertyRow kProperties[] = {
    // name, read key, written key, default, descriptor, control property
    {"borderColor", "BorderColor", "borderColor", 0xFDB6A2, "borderColor", "borderColor"},
    {"borderColorFocused", "BorderColorFocused", "borderColorFocused", 0xCD7407, "borderColorFocused", "borderColorFocused"},
    {"foreColor", "ForeColor", "foreColor", 0x404040, "foreColor", "foreColor"},
    {"foreColorFocused", "ForeColorFocused", "foreColorFocused", 0x404040, "foreColorFocused", "foreColorFocused"},
    {"BackColor", "backColor", "BackColor", 0xFFFFFF, "backColor", "BackColor"},
    {"backColorFocused", "backColorFocused", "backColorFocused", 0xFFFFFF, "backColorFocused", "backColorFocused"},
};
constexpr ElementTable kTable{"CText", "TEXT", kProperties, {}};

}  // namespace

CText::CText() : Element(kTable) {}
const ElementTable& CText::classTable() { return kTable; }
std::shared_ptr<CText> CText::create() { return std::make_shared<CText>(); }

}  // namespace palvex
