#pragma once
// Process-wide engine state, one copy per process, shared by every Tema.
// Used on the host's user-interface thread only, so it has no locks.

#include <array>
#include <cstdint>
#include <memory>
#include <string>

namespace palvex {

class Tema;
class Element;

namespace globales {

inline constexpr std::size_t kElementSlots = 10;

// Slot order of the shared elements.
enum class Slot : std::size_t {
  Button = 0, Grid, Text, TabStrip, CheckBox, Label, ToolBar, StatusBar, Form, Shape,
};

struct State {
  std::string currentThemeName;            // "" at load, "Default" once a Tema exists
  std::shared_ptr<Tema> firstTema;         // kept until the library unloads
  std::int32_t formBackColorCache = 0;     // back colour the form element last gave a form
  bool reloadElements = false;             // while set, accessors create fresh elements
  std::array<std::shared_ptr<Element>, kElementSlots> sharedElements;
};

State& state();

// Drops all process-wide state, as at library load. For tests and tools that
// run several independent sessions in one process.
void resetState();

}  // namespace globales
}  // namespace palvex
