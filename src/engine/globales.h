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

// The state the engine layer owns. The rest of globales lives in the layers
// that use it: the current theme name with the settings lookup
// (settings/theme_name.h), formBackColorCache in the elements' apply context
// (elements/apply_context.h). palvex/globales.h is the public face of all of it.
struct State {
  std::shared_ptr<Tema> firstTema;         // kept until the library unloads
  bool reloadElements = false;             // while set, accessors create fresh elements
  std::array<std::shared_ptr<Element>, kElementSlots> sharedElements;
};

State& state();

// Drops all process-wide state, as at library load. For tests and tools that
// run several independent sessions in one process.
void resetState();

}  // namespace globales
}  // namespace palvex
