#include "designer/designer_catalogue.h"

#include <cstdint>
#include <limits>
#include <string_view>

#include "palvex/element.h"
#include "palvex/error.h"
#include "palvex/globales.h"
#include "palvex/settings.h"
#include "palvex/settings_store.h"
#include "palvex/tema.h"

namespace palvex::designer::detail {
namespace {

// The order the elements are written in.
constexpr std::string_view kUpdateOrder[] = {
    "CCheckBox", "CCommandButton", "CForm",  "CGrid",     "CLabel",
    "CStatusBar", "CTabStrip",     "CText",  "CToolBar",  "CShape",
};

// The catalogue index is 16-bit: past 32767 there is no next one.
std::int16_t nextIndex(Tema& catalogue) {
  const std::int16_t highest = catalogue.maxIndiceTema();
  if (highest == std::numeric_limits<std::int16_t>::max())
    throw overflowError("the theme catalogue is full: index 32767 is in use");
  return static_cast<std::int16_t>(highest + 1);
}

}  // namespace

void saveCombination(Tema& catalogue, const std::string& name, bool addEntry) {
  settingsStore().transaction([&] {
    if (addEntry)
      settingsStore().write(kAppName, kCatalogueSection, std::to_string(nextIndex(catalogue)), name);
    for (std::string_view className : kUpdateOrder) globales::sharedElement(className)->Update();
  });
}

}  // namespace palvex::designer::detail
