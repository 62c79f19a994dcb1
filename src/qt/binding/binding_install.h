#pragma once
// What palvex::qt::install() asks of the binding layer.

namespace palvex::qt::detail {

// Window-call painting, system colours from the application palette, the Qt
// SharedUtility. Requires a live QApplication.
void installBinding();

}  // namespace palvex::qt::detail
