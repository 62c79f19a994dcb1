#pragma once
// What applying an element needs beyond the element itself, handed down by
// the engine above: the back colour the form element last gave a form, and
// how each control found on a form is themed. The elements read and call
// these without knowing Tema or the engine's state.

#include <cstdint>
#include <functional>

#include "palvex/variant.h"

namespace palvex::detail {

struct ApplyContext {
  // Written by the form element, read by the label element and the
  // dispatch's check-box rule; 0 at library load (globales' formBackColorCache).
  std::int32_t formBackColorCache = 0;
  // Themes one control of a form that is not a frame; the engine hands it to
  // the first Tema's Aplicar. Unset, such controls are left alone.
  std::function<void(const Variant& control)> themeControl;
};

// The process's one context.
ApplyContext& applyContext();

}  // namespace palvex::detail
