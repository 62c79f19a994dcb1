#pragma once
// Reading the catalogue section: its raw entries and the index a key stands for.

#include <cstdint>
#include <string_view>

#include "palvex/settings_store.h"

namespace palvex::catalogue::detail {

// The catalogue's (key, name) pairs in store order.
SettingPairs rawEntries();

// The 16-bit index a catalogue key holds (decimal text, a fraction rounded
// half to even). A key that is not one throws type mismatch or overflow, as
// the classic conversion does, naming the store, the section and the key.
std::int16_t indexOfKey(std::string_view key);

}  // namespace palvex::catalogue::detail
