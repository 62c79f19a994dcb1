#pragma once

#include <memory>

#include "palvex/shared_utility.h"

namespace palvex::qt::detail {

// Modal QMessageBox message and yes/no question; the INI path of the core's default.
std::shared_ptr<SharedUtility> makeQtSharedUtility();

}  // namespace palvex::qt::detail
