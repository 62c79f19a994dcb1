#pragma once
// System colours: a colour value with the high bit set, 0x800000NN, names the
// desktop's colour number NN (0x8000000F is the button face) instead of an
// RGB value. The engine stores and writes such values unchanged; whoever
// paints resolves them. A toolkit binding installs a resolver that answers
// from the toolkit's palette and calls systemColoursChanged() when the
// desktop palette changes, so that everything painted from a system colour
// can be resolved again.

#include "palvex/export.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <string_view>

namespace palvex {

inline constexpr std::uint32_t kSystemColourBit = 0x80000000u;
// The highest index that names a system colour (the menu bar).
inline constexpr int kLastSystemColourIndex = 30;

// True when the high bit is set (whether or not the index names anything).
constexpr bool isSystemColour(std::int32_t colour) {
  return (static_cast<std::uint32_t>(colour) & kSystemColourBit) != 0;
}
// NN of 0x800000NN; nullopt for a plain colour or another high-bit pattern.
PALVEX_EXPORT std::optional<int> systemColourIndex(std::int32_t colour);
// 0x800000NN for index NN.
constexpr std::int32_t systemColour(int index) {
  return static_cast<std::int32_t>(kSystemColourBit | static_cast<std::uint32_t>(index & 0xFF));
}
// "button face" for 15, and so on; nullopt for an index that names nothing.
PALVEX_EXPORT std::optional<std::string_view> systemColourName(int index);
// The usual modern desktop default of the index, as 0x00BBGGRR; nullopt for
// an index that names nothing.
PALVEX_EXPORT std::optional<std::int32_t> systemColourDefault(int index);

// Answers the RGB (0x00BBGGRR) of a system colour index, or nullopt to fall
// back to the default.
using SystemColourResolver = std::function<std::optional<std::int32_t>(int index)>;
// Installs `resolver` (nullptr restores the defaults) and counts as a change.
PALVEX_EXPORT void installSystemColourResolver(SystemColourResolver resolver);

// What to paint for a colour value, as 0x00BBGGRR: a plain colour is itself;
// a system colour goes through the resolver, then the defaults. nullopt for a
// value that names nothing paintable (high bit set with an unknown index, or
// bits set in the top byte).
PALVEX_EXPORT std::optional<std::int32_t> resolveColour(std::int32_t colour);

// A binding calls this when the desktop palette changed. Listeners run at
// once, on the caller's thread; one may remove itself (or another) meanwhile.
PALVEX_EXPORT void systemColoursChanged();
// Changes with every resolver installation and every systemColoursChanged().
PALVEX_EXPORT std::uint64_t systemColoursGeneration();
using SystemColourListenerId = std::uint64_t;
PALVEX_EXPORT SystemColourListenerId addSystemColourListener(std::function<void()> listener);
PALVEX_EXPORT void removeSystemColourListener(SystemColourListenerId id);

}  // namespace palvex
