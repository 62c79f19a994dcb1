#include "palvex/elements.h"

namespace palvex {
namespace {

constexpr PropertyRow kProperties[] = {
    // name, read key, written key, default, descriptor, control property
    {"foreColor", "foreColor", "foreColor", 0x808080, "foreColor", "foreColor"},
    {"CheckColor", "checkColor", "CheckColor", 0x808080, "CheckColor", "CheckColor"},
};
constexpr ElementTable kTable{"CCheckBox", "CHECK", kProperties, {}};

}  // namespace

CCheckBox::CCheckBox() : Element(kTable) {}
const ElementTable& CCheckBox::classTable() { return kTable; }
std::shared_ptr<CCheckBox> CCheckBox::create() { return std::make_shared<CCheckBox>(); }

}  // namespace palvex
