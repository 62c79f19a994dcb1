#pragma once
// The current theme name: the part of the engine's process-wide state that
// the element value operations build their section paths from, kept here,
// below the elements, so that loading and saving an element needs nothing
// from the engine above. Reached publicly as globales::currentThemeName().

#include <string>

namespace palvex::settings {

// "" at library load; "Default" once a Tema exists.
std::string& currentThemeName();

}  // namespace palvex::settings
