#include "engine/globales.h"

#include "palvex/element.h"
#include "palvex/tema.h"

namespace palvex::globales {

State& state() {
  static State s;
  return s;
}

void resetState() { state() = State{}; }

}  // namespace palvex::globales
