#include "palvex/elements.h"

namespace palvex {
namespace {

constexpr PropertyRow kProperties[] = {
    // name, read key, written key, default, descriptor, control property[, width]
    {"BackColor", "backColor", "backColor", 0xFFFFFF, "backColor", "BackColor"},
    {"backColorBkg", "backColorBkg", "backColorBkg", 0xFFFFFF, "backColorBkg", "backColorBkg"},
    {"backColorFixed", "backColorFixed", "backColorFixed", 0xFEE2CF, "backColorFixed", "backColorFixed"},
    {"backColorSel", "backColorSel", "backColorSel", 0xFF0000, "backColorSel", "backColorSel"},
    {"foreColor", "foreColor", "foreColor", 0x404040, "foreColor", "foreColor"},
    {"foreColorFixed", "foreColorFixed", "foreColorFixed", 0x404040, "ForeColorFixed", "foreColorFixed"},
    {"foreColorSel", "foreColorSel", "foreColorSel", 0xFFFFFF, "ForeColorSel", "foreColorSel"},
    {"gridColor", "gridColor", "gridColor", 0xFDB6A2, "gridColor", "gridColor"},
    {"gridColorFixed", "gridColorFixed", "gridColorFixed", 0xFDB6A2, "gridColorFixed", "gridColorFixed"},
    {"borderStyle", "borderStyle", "borderStyle", 0, "borderStyle", "borderStyle", PropertyWidth::Whole16},
};
constexpr ElementTable kTable{"CGrid", "GRID", kProperties, {}};

}  // namespace

CGrid::CGrid() : Element(kTable) {}
const ElementTable& CGrid::classTable() { return kTable; }
std::shared_ptr<CGrid> CGrid::create() { return std::make_shared<CGrid>(); }

}  // namespace palvex
