#pragma once
// What palvex::qt::install() asks of the designer layer: openDesigner(),
// which opens a new window, modeless and without an owner, and returns at once.

#include "palvex/qt/designer.h"
