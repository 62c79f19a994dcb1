// Placeholder until the designer window lands.

#include "designer/designer_install.h"

#include "palvex/error.h"

namespace palvex::designer {

void openDesigner() { throw invalidCallError("the designer window is not built yet"); }

}  // namespace palvex::designer
