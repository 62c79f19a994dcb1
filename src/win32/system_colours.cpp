// System colour names, defaults and the installable resolver.

#include "palvex/system_colours.h"

#include <array>
#include <map>
#include <utility>

namespace palvex {
namespace {

struct SystemColourInfo {
  std::string_view name;  // "" where the index is unused
  std::int32_t rgb;       // 0x00BBGGRR
};

constexpr std::int32_t rgb(int r, int g, int b) { return r | g << 8 | b << 16; }

// Indexed by NN. The defaults are those of a current desktop in its light
// look, so that a system colour shows something sensible before a toolkit
// answers for it.
constexpr std::array<SystemColourInfo, kLastSystemColourIndex + 1> kSystemColours = {{
    {"scroll bar", rgb(200, 200, 200)},
    {"desktop", rgb(0, 0, 0)},
    {"active caption", rgb(153, 180, 209)},
    {"inactive caption", rgb(191, 205, 219)},
    {"menu", rgb(240, 240, 240)},
    {"window background", rgb(255, 255, 255)},
    {"window frame", rgb(100, 100, 100)},
    {"menu text", rgb(0, 0, 0)},
    {"window text", rgb(0, 0, 0)},
    {"caption text", rgb(0, 0, 0)},
    {"active border", rgb(180, 180, 180)},
    {"inactive border", rgb(244, 247, 252)},
    {"MDI workspace", rgb(171, 171, 171)},
    {"highlight", rgb(0, 120, 215)},
    {"highlighted text", rgb(255, 255, 255)},
    {"button face", rgb(240, 240, 240)},
    {"button shadow", rgb(160, 160, 160)},
    {"grey text", rgb(109, 109, 109)},
    {"button text", rgb(0, 0, 0)},
    {"inactive caption text", rgb(0, 0, 0)},
    {"button highlight", rgb(255, 255, 255)},
    {"dark 3-D shadow", rgb(105, 105, 105)},
    {"light 3-D edge", rgb(227, 227, 227)},
    {"tooltip text", rgb(0, 0, 0)},
    {"tooltip background", rgb(255, 255, 225)},
    {"", 0},
    {"hot-tracked item", rgb(0, 102, 204)},
    {"active caption gradient", rgb(185, 209, 234)},
    {"inactive caption gradient", rgb(215, 228, 242)},
    {"menu highlight", rgb(0, 120, 215)},
    {"menu bar", rgb(240, 240, 240)},
}};

const SystemColourInfo* infoOf(int index) {
  if (index < 0 || index > kLastSystemColourIndex) return nullptr;
  const SystemColourInfo& info = kSystemColours[static_cast<std::size_t>(index)];
  return info.name.empty() ? nullptr : &info;
}

struct ResolverState {
  SystemColourResolver resolver;
  std::uint64_t generation = 0;
  std::map<SystemColourListenerId, std::function<void()>> listeners;
  SystemColourListenerId nextId = 1;
};

ResolverState& resolverState() {
  static ResolverState state;
  return state;
}

}  // namespace

std::optional<int> systemColourIndex(std::int32_t colour) {
  const auto bits = static_cast<std::uint32_t>(colour);
  if ((bits & 0xFFFFFF00u) != kSystemColourBit) return std::nullopt;
  return static_cast<int>(bits & 0xFFu);
}

std::optional<std::string_view> systemColourName(int index) {
  const SystemColourInfo* info = infoOf(index);
  if (!info) return std::nullopt;
  return info->name;
}

std::optional<std::int32_t> systemColourDefault(int index) {
  const SystemColourInfo* info = infoOf(index);
  if (!info) return std::nullopt;
  return info->rgb;
}

void installSystemColourResolver(SystemColourResolver resolver) {
  resolverState().resolver = std::move(resolver);
  systemColoursChanged();
}

std::optional<std::int32_t> resolveColour(std::int32_t colour) {
  const auto bits = static_cast<std::uint32_t>(colour);
  if ((bits & 0xFF000000u) == 0) return colour;
  const std::optional<int> index = systemColourIndex(colour);
  if (!index || !infoOf(*index)) return std::nullopt;
  if (const SystemColourResolver& resolver = resolverState().resolver) {
    if (std::optional<std::int32_t> answered = resolver(*index)) return *answered & 0xFFFFFF;
  }
  return systemColourDefault(*index);
}

void systemColoursChanged() {
  ResolverState& state = resolverState();
  ++state.generation;
  // A listener may remove itself or another: walk by id, re-finding each.
  for (auto it = state.listeners.begin(); it != state.listeners.end();) {
    const SystemColourListenerId id = it->first;
    std::function<void()> listener = it->second;  // survives its own removal
    listener();
    it = state.listeners.upper_bound(id);
  }
}

std::uint64_t systemColoursGeneration() { return resolverState().generation; }

SystemColourListenerId addSystemColourListener(std::function<void()> listener) {
  ResolverState& state = resolverState();
  const SystemColourListenerId id = state.nextId++;
  state.listeners.emplace(id, std::move(listener));
  return id;
}

void removeSystemColourListener(SystemColourListenerId id) { resolverState().listeners.erase(id); }

}  // namespace palvex
