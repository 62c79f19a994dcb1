#include "colour_format.h"

#include <unistd.h>

#include <array>
#include <cstdio>
#include <cstdlib>

namespace palvex::cli {
namespace {

constexpr std::uint32_t kSystemBit = 0x80000000u;

// Indexed by the low byte of a system colour; "" where the index is unused.
constexpr std::array<std::string_view, 31> kSystemNames = {
    "scroll bar",           "desktop",           "active caption",     "inactive caption",
    "menu",                 "window background", "window frame",       "menu text",
    "window text",          "caption text",      "active border",      "inactive border",
    "MDI workspace",        "highlight",         "highlighted text",   "button face",
    "button shadow",        "grey text",         "button text",        "inactive caption text",
    "button highlight",     "dark 3-D shadow",   "light 3-D edge",     "tooltip text",
    "tooltip background",   "",                  "hot-tracked item",   "active caption gradient",
    "inactive caption gradient", "menu highlight", "menu bar"};

struct SystemLook {
  std::uint8_t index;
  Rgb rgb;
};
// The usual modern desktop defaults; other indices get no swatch.
constexpr std::array<SystemLook, 10> kSystemLooks = {{
    {4, {240, 240, 240}},   // menu
    {5, {255, 255, 255}},   // window background
    {8, {0, 0, 0}},         // window text
    {13, {0, 120, 215}},    // highlight
    {14, {255, 255, 255}},  // highlighted text
    {15, {240, 240, 240}},  // button face
    {17, {109, 109, 109}},  // grey text
    {18, {0, 0, 0}},        // button text
    {24, {255, 255, 225}},  // tooltip background
    {30, {240, 240, 240}},  // menu bar
}};

std::uint32_t bits(std::int32_t value) { return static_cast<std::uint32_t>(value); }

// The system colour index of `value`, or nullopt when it is not 0x800000NN.
std::optional<std::uint8_t> systemIndex(std::int32_t value) {
  if ((bits(value) & 0xFFFFFF00u) != kSystemBit) return std::nullopt;
  return static_cast<std::uint8_t>(bits(value) & 0xFFu);
}

}  // namespace

std::string hexColour(std::int32_t value) {
  char buffer[16];
  const bool system = (bits(value) & kSystemBit) != 0;
  std::snprintf(buffer, sizeof buffer, system ? "0x%08X" : "0x%06X", bits(value));
  return buffer;
}

std::optional<std::string_view> systemColourName(std::int32_t value) {
  auto index = systemIndex(value);
  if (!index || *index >= kSystemNames.size() || kSystemNames[*index].empty()) return std::nullopt;
  return kSystemNames[*index];
}

std::optional<Rgb> displayRgb(std::int32_t value) {
  if (auto index = systemIndex(value)) {
    for (const auto& look : kSystemLooks)
      if (look.index == *index) return look.rgb;
    return std::nullopt;
  }
  if ((bits(value) & 0xFF000000u) != 0) return std::nullopt;
  return Rgb{static_cast<std::uint8_t>(bits(value) & 0xFF), static_cast<std::uint8_t>(bits(value) >> 8 & 0xFF),
             static_cast<std::uint8_t>(bits(value) >> 16 & 0xFF)};
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
