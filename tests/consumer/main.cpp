// Uses the installed library as a host would: a theme applied to a control.
#include <palvex/property_bag.h>
#include <palvex/settings_store.h>
#include <palvex/tema.h>

int main() {
  palvex::installSettingsStore(palvex::makeMemoryStore());
  auto tema = palvex::Tema::create();
  auto label = palvex::PropertyBag::make("Label");
  label->declare("Tag", "").declare("foreColor", 0).declare("BackColor", 0);
  tema->Aplicar(label);
  return label->value("foreColor").toInt32() == 0x404040 ? 0 : 1;
}
