#pragma once
// The theme catalogue as the tool needs it: entries with their indices, the
// catalogue's spelling of a name, and new entries the way the designer adds them.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "palvex/tema.h"
#include "user_error.h"

namespace palvex::cli {

struct CatalogueEntry {
  std::int16_t index = 0;
  std::string name;
};

// Every entry, in store order. A key that is not a 16-bit number throws the
// engine's error, as the catalogue look-ups do.
std::vector<CatalogueEntry> readCatalogue();

// The name as the catalogue holds it, for `name` matched as indiceTema matches
// (case-blind, nothing trimmed); nullopt when the catalogue lacks it.
std::optional<std::string> catalogueName(Tema& tema, const std::string& name);

// The theme a reading command shows: a catalogue entry, or "Default", which
// the engine starts with and which reads its defaults until it is saved.
std::string themeToRead(Tema& tema, const std::string& name);

// Refuses a name no catalogue entry should have: empty, with blanks at
// either end (the designer trims them), or one a theme file cannot carry.
void checkNewThemeName(const std::string& name);

// Adds `name` under maxIndiceTema() + 1 and returns that index. Call it inside
// a store transaction together with the check that the name is new, so that
// concurrent creators never take the same index.
std::int16_t addCatalogueEntry(Tema& tema, const std::string& name);

// The refusal for a theme the catalogue lacks, naming the ones it has.
UserError unknownTheme(const std::string& name, const std::string& hint = {});

}  // namespace palvex::cli
