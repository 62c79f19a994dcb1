// Tema: creation, the theme catalogue, selection and its event, and
// late-bound access by operation name.

#include "palvex/tema.h"

#include "engine/catalogue_keys.h"
#include "engine/globales.h"
#include "palvex/catalogue.h"
#include "palvex/property_bag.h"
#include "palvex/settings.h"
#include "palvex/settings_store.h"
#include "palvex/text.h"
#include "settings/theme_name.h"

namespace palvex {
namespace {

DesignerOpener& designerOpener() {
  static DesignerOpener opener;
  return opener;
}

}  // namespace

std::shared_ptr<Tema> Tema::create() {
  auto tema = std::make_shared<Tema>(PrivateTag{});
  std::string& name = settings::currentThemeName();
  if (name.empty()) {
    name = "Default";
    globales::state().firstTema = tema;
  }
  return tema;
}

std::vector<std::string> Tema::listaPalvex() {
  std::vector<std::string> names;
  for (auto& [key, name] : catalogue::detail::rawEntries()) names.push_back(std::move(name));
  return names;
}

std::int16_t Tema::indiceTema(const std::string& nombreTema) {
  auto entry = catalogue::find(nombreTema);
  return entry ? entry->index : std::int16_t{-1};
}

// Unlike catalogue::list, every key counts here: a damaged one fails the call.
std::int16_t Tema::maxIndiceTema() {
  std::int16_t highest = -1;
  for (const auto& entry : catalogue::detail::rawEntries())
    highest = std::max(highest, catalogue::detail::indexOfKey(entry.first));
  return highest;
}

void Tema::setTema(const std::string& nombreTema) {
  settings::currentThemeName() = nombreTema;
  globales::state().reloadElements = true;
  // Handlers may connect or disconnect while the event runs: raise to a copy.
  auto clients = clients_;
  Variant argument(nombreTema);
  for (auto& client : clients) client.second(argument);
}

std::string Tema::getTema() { return settings::currentThemeName(); }

void Tema::editarTema() {
  auto& opener = designerOpener();
  if (!opener)
    throw Error(ErrorNumber::InvalidCall,
                "No designer is available: the theme designer needs a toolkit binding that provides it");
  opener();
}

void installDesigner(DesignerOpener opener) { designerOpener() = std::move(opener); }

Tema::Connection Tema::connectNuevoTema(NuevoTemaHandler handler) {
  Connection id = nextConnection_++;
  clients_.emplace_back(id, std::move(handler));
  return id;
}

void Tema::disconnectNuevoTema(Connection connection) {
  std::erase_if(clients_, [&](const auto& client) { return client.first == connection; });
}

Lookup Tema::tryGet(std::string_view name, Variant& out) {
  using text::equalsIgnoreCase;
  if (equalsIgnoreCase(name, "BackColor")) out = BackColor();
  else if (equalsIgnoreCase(name, "LabelColor")) out = LabelColor();
  else if (equalsIgnoreCase(name, "getTema")) out = getTema();
  else if (equalsIgnoreCase(name, "maxIndiceTema")) out = maxIndiceTema();
  else return Lookup::NoMember;
  return Lookup::Found;
}

Lookup Tema::tryCall(std::string_view name, std::span<Variant> args, Variant& result) {
  using text::equalsIgnoreCase;
  auto arg = [&](std::size_t i) -> Variant& {
    if (i >= args.size()) throw invalidCallError("argument not optional");
    return args[i];
  };
  if (equalsIgnoreCase(name, "Aplicar")) {
    Aplicar(arg(0));
  } else if (equalsIgnoreCase(name, "setTema")) {
    setTema(arg(0).toString());
  } else if (equalsIgnoreCase(name, "configurarFormulario")) {
    configurarFormulario(arg(0));
  } else if (equalsIgnoreCase(name, "indiceTema")) {
    result = indiceTema(arg(0).toString());
  } else if (equalsIgnoreCase(name, "listaPalvex")) {
    std::vector<Variant> items;
    for (auto& n : listaPalvex()) items.emplace_back(std::move(n));
    auto list = PropertyBag::make("String()");
    list->setItems(std::move(items));
    result = list;
  } else if (equalsIgnoreCase(name, "editarTema")) {
    editarTema();
  } else {
    return tryGet(name, result);
  }
  return Lookup::Found;
}

}  // namespace palvex
