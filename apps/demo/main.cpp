// A first look at the engine: lists the theme catalogue, selects the theme
// named on the command line and shows what the engine and the store hold.

#include <exception>
#include <iostream>

#include "palvex/error.h"
#include "palvex/settings.h"
#include "palvex/settings_store.h"
#include "palvex/tema.h"

int main(int argc, char** argv) {
  try {
    auto tema = palvex::Tema::create();
    tema->connectNuevoTema([](palvex::Variant& name) { std::cout << "NuevoTema(" << name.toString() << ")\n"; });

    std::cout << "Store: " << palvex::settingsStore().describe() << "\n";
    auto names = tema->listaPalvex();
    std::cout << "Catalogue (" << names.size() << " themes):\n";
    for (const auto& name : names) std::cout << "  " << tema->indiceTema(name) << "  " << name << "\n";

    if (argc > 1) tema->setTema(argv[1]);
    const std::string current = tema->getTema();
    std::cout << "Current theme: " << current << "\n";
    for (const auto& [key, value] :
         palvex::settingsStore().enumerate(palvex::kAppName, palvex::elementSection(current, "FORM")))
      std::cout << "  FORM " << key << " = " << value << "\n";
    return 0;
  } catch (const palvex::Error& e) {
    std::cerr << "palvex_demo: " << e.what() << "\n";
  } catch (const std::exception& e) {
    std::cerr << "palvex_demo: " << e.what() << "\n";
  }
  return 1;
}
