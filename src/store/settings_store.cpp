// What every store gets from the interface unless it does better.

#include "palvex/settings_store.h"

#include "palvex/error.h"

namespace palvex {
namespace {

[[noreturn]] void cannotDelete(const SettingsStore& store) {
  throw Error(ErrorNumber::Storage, store.describe() + ": this settings store cannot delete values");
}

}  // namespace

bool SettingsStore::erase(std::string_view, std::string_view, std::string_view) { cannotDelete(*this); }

std::size_t SettingsStore::eraseSection(std::string_view, std::string_view) { cannotDelete(*this); }

}  // namespace palvex
