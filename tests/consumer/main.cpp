// Uses the library as a host would: a theme applied to a control, a value
// saved through an element and read back by a second element, and the
// catalogue and provenance a tool or a designer builds on.
#include <palvex/catalogue.h>
#include <palvex/currency.h>
#include <palvex/elements.h>
#include <palvex/property_bag.h>
#include <palvex/provenance.h>
#include <palvex/settings_store.h>
#include <palvex/tema.h>

#include <cstdio>

int main() {
  palvex::installSettingsStore(palvex::makeMemoryStore());
  auto tema = palvex::Tema::create();
  auto label = palvex::PropertyBag::make("Label");
  label->declare("Tag", "").declare("foreColor", 0).declare("BackColor", 0);
  tema->Aplicar(label);
  const auto foreColor = label->value("foreColor").toInt32();
  if (foreColor != 0x404040) {
    std::fprintf(stderr, "label foreColor %#x, expected the default 0x404040\n", static_cast<unsigned>(foreColor));
    return 1;
  }
  auto form = palvex::CForm::create();
  form->setBackColor(0x123456);
  form->Update();
  if (palvex::CForm::create()->BackColor() != 0x123456) {
    std::fputs("a saved form colour did not come back\n", stderr);
    return 1;
  }
  if (palvex::catalogue::saveCombination("Oscuro", true)->index != 0 ||
      palvex::themeProvenance("oscuro").at(8).properties.at(0).source != palvex::SettingSource::Store) {
    std::fputs("a saved combination did not come back with its provenance\n", stderr);
    return 1;
  }
  // Currency's comparison needs C++20: it compiles only if the target asked for it.
  if (!(palvex::Currency::fromInteger(1) < palvex::Currency::fromInteger(2))) return 1;
  std::puts("consumer: a theme applied through the library");
  return 0;
}
