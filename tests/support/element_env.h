#pragma once
// Element and dispatch tests: a fresh engine with a Tema and an empty window
// system, host controls made of declared properties, and colour values that
// encode where they belong.

#include <cstdint>
#include <initializer_list>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "engine/globales.h"
#include "palvex/globales.h"
#include "palvex/elements.h"
#include "palvex/property_bag.h"
#include "palvex/settings.h"
#include "palvex/tema.h"
#include "palvex/win32.h"
#include "support/recording_bag.h"
#include "support/test_env.h"

namespace palvex::testing {

// Property i of the element in slot e gets a colour no other property has,
// so a value landing in the wrong place shows at once.
inline std::int32_t slotColour(std::size_t elementSlot, std::size_t property) {
  return static_cast<std::int32_t>(0x10000 * (elementSlot + 1) + property + 1);
}

class ElementTest : public EngineTest {
 protected:
  ElementTest() : tema_(Tema::create()) { win32::reset(); }
  ~ElementTest() override { win32::reset(); }

  SettingPairs section(std::string_view word) {
    return store().enumerate(kAppName, elementSection(globales::currentThemeName(), word));
  }
  void storeValue(std::string_view word, std::string_view key, std::string_view text) {
    store().write(kAppName, elementSection(globales::currentThemeName(), word), key, text);
  }

  std::shared_ptr<Tema> tema_;
};

// A control of `type` declaring `properties` (initially Empty) and, unless
// `tag` is null, a Tag holding it.
inline std::shared_ptr<RecordingBag> makeControl(std::string type, std::initializer_list<std::string_view> properties,
                                                 const char* tag = "") {
  auto control = RecordingBag::make(std::move(type));
  for (std::string_view p : properties) control->declare(p);
  if (tag) control->declare("Tag", Variant(tag));
  return control;
}

using Writes = std::vector<RecordingBag::Write>;
inline RecordingBag::Write write(std::string name, std::int32_t value) { return {std::move(name), Variant(value)}; }

}  // namespace palvex::testing
