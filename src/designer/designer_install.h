#pragma once
// What palvex::qt::install() asks of the designer layer.

namespace palvex::designer {

// Opens a new designer window, modeless and without an owner, and returns at once.
void openDesigner();

}  // namespace palvex::designer
