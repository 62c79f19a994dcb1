// Uses the installed library as a host would: a theme applied to a control,
// and the catalogue and provenance a tool or designer builds on.
#include <palvex/catalogue.h>
#include <palvex/property_bag.h>
#include <palvex/provenance.h>
#include <palvex/settings_store.h>
#include <palvex/tema.h>

int main() {
  palvex::installSettingsStore(palvex::makeMemoryStore());
  auto tema = palvex::Tema::create();
  auto label = palvex::PropertyBag::make("Label");
  label->declare("Tag", "").declare("foreColor", 0).declare("BackColor", 0);
  tema->Aplicar(label);
  if (label->value("foreColor").toInt32() != 0x404040) return 1;
  if (palvex::catalogue::saveCombination("Oscuro", true)->index != 0) return 2;
  return palvex::themeProvenance("oscuro").at(5).properties.at(0).source == palvex::SettingSource::Store ? 0 : 3;
}
