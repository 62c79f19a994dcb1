// Ten ReadElementSetting calls for ten keys of one section inside one
// ElementLoadScope, as the creation of an element makes them. Goal: at most
// 20 µs for the ten with the SQLite store and an INI file that lacks the keys.

#include <benchmark/benchmark.h>
#include <stdlib.h>

#include <array>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>

#include "palvex/globales.h"
#include "palvex/error.h"
#include "palvex/settings.h"
#include "palvex/settings_store.h"
#include "palvex/shared_utility.h"

namespace {

using namespace palvex;
namespace fs = std::filesystem;

enum class StoreKind { Memory, Sqlite };

constexpr std::array<const char*, 10> kKeys = {
    "foreColor",     "backColor",    "backColorFocused", "foreColorFocused", "borderColor",
    "backColorHover", "foreColorHover", "backColorDisabled", "foreColorDisabled", "TabBorderColorHover"};

// A temporary directory holding the store and the INI file, with the engine
// pointed at them for the lifetime of the object.
class Setup {
 public:
  Setup() {
    std::string pattern = (fs::temp_directory_path() / "palvex-bench-XXXXXX").string();
    dir_ = ::mkdtemp(pattern.data()) ? fs::path(pattern) : fs::path();
    ::setenv("PALVEX_INI", (dir_ / "Orvane.ini").c_str(), 1);
    installSharedUtility(nullptr);
    globales::resetEngine();
    globales::setCurrentThemeName("Default");
  }
  ~Setup() {
    installSettingsStore(nullptr);
    globales::resetEngine();
    ::unsetenv("PALVEX_INI");
    std::error_code ec;
    if (!dir_.empty()) fs::remove_all(dir_, ec);
  }
  Setup(const Setup&) = delete;
  Setup& operator=(const Setup&) = delete;

  // Fills the store as a saved theme looks: every element section of two themes.
  void installStore(StoreKind kind) {
    std::shared_ptr<SettingsStore> store =
        kind == StoreKind::Memory ? makeMemoryStore() : openSqliteStore(dir_ / "settings.sqlite");
    store->transaction([&] {
      for (const char* theme : {"Default", "Azul claro"})
        for (const char* word : {"BUTTON", "GRID", "TEXT", "CHECK", "LABEL", "TOOLBAR", "STATUSBAR", "FORM", "SHAPE"})
          for (std::size_t i = 0; i < kKeys.size(); ++i)
            store->write(kAppName, elementSection(theme, word), kKeys[i], std::to_string(0x404040 + i));
    });
    installSettingsStore(store);
  }

  // An INI file that overrides other sections and keys, not the ones read.
  void writeIniWithoutTheKeys() {
    std::ofstream ini(dir_ / "Orvane.ini");
    ini << "; site overrides\n[Palvex\\Default\\GRID]\ngridColor=255\nforeColor=0\n"
           "[Palvex\\Default\\BUTTON]\nunrelated=1\n[Palvex\\Azul claro\\LABEL]\nforeColor=&HFF0000\n";
  }

 private:
  fs::path dir_;
};

void readTenInOneScope(benchmark::State& state, StoreKind kind, bool withIni) {
  Setup setup;
  try {
    setup.installStore(kind);
  } catch (const Error& e) {
    state.SkipWithError(e.what());
    return;
  }
  if (withIni) setup.writeIniWithoutTheKeys();
  for (auto _ : state) {
    ElementLoadScope scope;
    for (const char* key : kKeys) benchmark::DoNotOptimize(ReadElementSetting("BUTTON", key, 0));
  }
  state.counters["reads"] = benchmark::Counter(static_cast<double>(state.iterations()) * static_cast<double>(kKeys.size()),
                                               benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}

void BM_TenReads_MemoryStore_NoIni(benchmark::State& state) { readTenInOneScope(state, StoreKind::Memory, false); }
// Not one of the goals: isolates the INI step from the store's cost.
void BM_TenReads_MemoryStore_IniWithoutKeys(benchmark::State& state) {
  readTenInOneScope(state, StoreKind::Memory, true);
}
void BM_TenReads_SqliteStore_NoIni(benchmark::State& state) { readTenInOneScope(state, StoreKind::Sqlite, false); }
void BM_TenReads_SqliteStore_IniWithoutKeys(benchmark::State& state) {
  readTenInOneScope(state, StoreKind::Sqlite, true);
}

BENCHMARK(BM_TenReads_MemoryStore_NoIni)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_TenReads_MemoryStore_IniWithoutKeys)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_TenReads_SqliteStore_NoIni)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_TenReads_SqliteStore_IniWithoutKeys)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
