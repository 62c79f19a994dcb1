#pragma once
// How a stored colour is shown: hex in the store's byte order, the name of a
// system colour, and a swatch for true-colour terminals.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace palvex::cli {

// "0xBBGGRR" (at least six digits) for a plain colour; all eight digits when
// the high bit is set ("0x8000000F").
std::string hexColour(std::int32_t value);

// "button face" for 0x8000000F, and so on for the system colour indices;
// nullopt for a plain colour or an index that names nothing.
std::optional<std::string_view> systemColourName(std::int32_t value);

struct Rgb {
  std::uint8_t r = 0, g = 0, b = 0;
};
// The colour to paint for `value`: its own bytes, or a system colour's usual
// desktop default where one is known.
std::optional<Rgb> displayRgb(std::int32_t value);

// Two cells painted with a 24-bit background, or two blanks when the colour
// has no known look.
std::string swatch(std::int32_t value);

// True when stdout is a terminal that declares 24-bit colour (COLORTERM).
bool stdoutIsTrueColourTerminal();

}  // namespace palvex::cli
