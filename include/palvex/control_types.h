#pragma once
// The names by which the apply dispatch recognises a control: the type names
// it matches (exactly, case included) and the values a control may declare in
// its "ControlClass" property. Toolkit bindings map their widgets onto these
// rather than spelling the strings again.

#include <string_view>

namespace palvex {

namespace typenames {
inline constexpr std::string_view kGrid = "MSFlexGrid";
inline constexpr std::string_view kLabel = "Label";
inline constexpr std::string_view kOptionButton = "OptionButton";
inline constexpr std::string_view kStatusBar = "StatusBar";
inline constexpr std::string_view kToolbar = "Toolbar";
inline constexpr std::string_view kBoxedLabel = "boxedLabel";
inline constexpr std::string_view kCheckBox = "CheckBox";
inline constexpr std::string_view kPlainCheck = "plainCheck";
inline constexpr std::string_view kShape = "Shape";
inline constexpr std::string_view kSlideButton = "slideButton";
// Not dispatched: the form element colours frames itself while walking a form.
inline constexpr std::string_view kFrame = "Frame";
}  // namespace typenames

namespace controlclass {
inline constexpr std::string_view kText = "TEXT";
inline constexpr std::string_view kTab = "TAB";
inline constexpr std::string_view kButton = "BUTTON";
inline constexpr std::string_view kCheck = "CHECK";
}  // namespace controlclass

// A control whose Tag holds this word (any case, anywhere) is left alone by
// the elements that honour it.
inline constexpr std::string_view kOverrideMarker = "THEMEOVERRIDE";

}  // namespace palvex
