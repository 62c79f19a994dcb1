#include "colour_format.h"

#include <unistd.h>

#include <cstdio>
#include <cstdlib>

#include "palvex/system_colours.h"

namespace palvex::cli {
namespace {

std::uint32_t bits(std::int32_t value) { return static_cast<std::uint32_t>(value); }

}  // namespace

std::string hexColour(std::int32_t value) {
  char buffer[16];
  const bool system = isSystemColour(value);
  std::snprintf(buffer, sizeof buffer, system ? "0x%08X" : "0x%06X", bits(value));
  return buffer;
}

std::optional<std::string_view> systemColourName(std::int32_t value) {
  const std::optional<int> index = systemColourIndex(value);
  if (!index) return std::nullopt;
  return palvex::systemColourName(*index);
}

std::optional<Rgb> displayRgb(std::int32_t value) {
  const std::optional<std::int32_t> resolved = resolveColour(value);
  if (!resolved) return std::nullopt;
  const std::uint32_t rgb = bits(*resolved);
  return Rgb{static_cast<std::uint8_t>(rgb & 0xFF), static_cast<std::uint8_t>(rgb >> 8 & 0xFF),
             static_cast<std::uint8_t>(rgb >> 16 & 0xFF)};
}

std::string swatch(std::int32_t value) {
  auto rgb = displayRgb(value);
  if (!rgb) return "  ";
  char buffer[48];
  std::snprintf(buffer, sizeof buffer, "\x1b[48;2;%u;%u;%um  \x1b[0m", unsigned{rgb->r}, unsigned{rgb->g},
                unsigned{rgb->b});
  return buffer;
}

bool stdoutIsTrueColourTerminal() {
  if (!::isatty(STDOUT_FILENO)) return false;
  const char* colorterm = std::getenv("COLORTERM");
  if (!colorterm) return false;
  const std::string_view declared = colorterm;
  return declared == "truecolor" || declared == "24bit";
}

}  // namespace palvex::cli
