#pragma once
// The state logic shared by the six text controls: which of their colours
// show now, and the accessors every one of them has.

#include "palvex/control_types.h"
#include "palvex/qt/controls.h"
#include "qt/controls/control_support.h"

namespace palvex::qt::controls_detail {

// Focused colours while the control (or the editor it forwards focus to)
// has keyboard focus. A disabled text control keeps its theme colours: the
// text element gives it none of its own.
inline TextLook textLook(const TextColours& colours, bool focused) {
  TextLook look;
  look.border = colours.paint(focused ? kTextBorderFocused : kTextBorder);
  look.fore = colours.paint(focused ? kTextForeFocused : kTextFore);
  look.back = colours.paint(focused ? kTextBackFocused : kTextBack);
  look.selection = colours.paint(kTextBorderFocused);
  return look;
}

}  // namespace palvex::qt::controls_detail

// The ControlClass and the six colour setters of a text control. A setter
// only stores the value and asks for a repaint: the control brings its
// palette (and its inner widgets') up to date when it paints, so that the
// engine's six writes to one control cost one palette change, not six.
#define PALVEX_TEXT_CONTROL_ACCESSORS(Class)                                                  \
  QString Class::ControlClass() const { return controls_detail::qstring(controlclass::kText); }       \
  void Class::setColour(std::size_t slot, int colour) {                                      \
    if (colours_.set(slot, colour)) update();                                                \
  }                                                                                          \
  void Class::setBorderColor(int colour) { setColour(controls_detail::kTextBorder, colour); }         \
  void Class::setBorderColorFocused(int colour) { setColour(controls_detail::kTextBorderFocused, colour); } \
  void Class::setForeColor(int colour) { setColour(controls_detail::kTextFore, colour); }             \
  void Class::setForeColorFocused(int colour) { setColour(controls_detail::kTextForeFocused, colour); } \
  void Class::setBackColor(int colour) { setColour(controls_detail::kTextBack, colour); }             \
  void Class::setBackColorFocused(int colour) { setColour(controls_detail::kTextBackFocused, colour); }
