#pragma once
// The catalogue as the tool's commands name it to a user: the library's
// catalogue (palvex/catalogue.h) with refusals worded for the command line.

#include <string>
#include <vector>

#include "palvex/catalogue.h"
#include "palvex/provenance.h"
#include "user_error.h"

namespace palvex::cli {

// The theme a reading command shows: the catalogue's spelling of `name`
// (matched case-blind, nothing trimmed), or "Default", which the engine
// starts with and which reads its defaults until it is saved.
std::string themeToRead(const std::string& name);

// A theme as the reading commands show it: its name (themeToRead) and every
// element with the source of each value.
struct ThemeReading {
  std::string theme;
  std::vector<ElementProvenance> elements;
};
// Reads the theme `name` in one view of the store: an import landing
// meanwhile shows all or nothing.
ThemeReading readTheme(const std::string& name);

// The catalogue entry named `name`, or the refusal naming the themes there are.
catalogue::Entry requireTheme(const std::string& name, const std::string& hint = {});

// How a command names the entry `name` (case-blind) to the user: the
// catalogue's spelling and its index, or the damaged key that holds none
// ("\"Raro\" (catalogue key \"abc\")"). The refusal when there is none.
std::string describeEntry(const std::string& name);

// Refuses, as a UserError, a name no theme may take (catalogue::validateName).
void requireThemeName(const std::string& name);

// The refusal for a theme the catalogue lacks, naming the ones it has.
UserError unknownTheme(const std::string& name, const std::string& hint = {});

}  // namespace palvex::cli
