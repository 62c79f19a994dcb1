#pragma once
// The shared element accessors are public (palvex/globales.h); kept as a
// private name for the engine's own sources.

#include "palvex/globales.h"
