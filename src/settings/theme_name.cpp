#include "settings/theme_name.h"

namespace palvex::settings {

std::string& currentThemeName() {
  static std::string name;
  return name;
}

}  // namespace palvex::settings
