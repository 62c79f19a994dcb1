// Cost of the two store calls on the engine's hot path: one read of an
// existing key (a lone element value) and one changeToken (every element
// creation and every lone read checks it).

#include <benchmark/benchmark.h>
#include <stdlib.h>

#include <filesystem>
#include <memory>
#include <string>

#include "palvex/settings_store.h"

namespace {

// A store file in a fresh temporary folder, removed at the end of the run.
class StoreFolder {
 public:
  StoreFolder() {
    std::string pattern = (std::filesystem::temp_directory_path() / "palvex-bench-XXXXXX").string();
    if (::mkdtemp(pattern.data()) != nullptr) path_ = pattern;
  }
  ~StoreFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
  }
  std::filesystem::path file() const { return path_ / "settings.sqlite"; }

 private:
  std::filesystem::path path_;
};

// A store holding what a few saved themes leave behind.
std::shared_ptr<palvex::SettingsStore> filledStore(std::shared_ptr<palvex::SettingsStore> store) {
  store->transaction([&] {
    for (int theme = 0; theme < 10; ++theme) {
      std::string name = "Tema " + std::to_string(theme);
      store->write("Orvane", "Palvex", std::to_string(theme), name);
      for (const char* word : {"BUTTON", "GRID", "TEXT", "CHECK", "LABEL", "TOOLBAR", "STATUSBAR", "FORM", "SHAPE"})
        for (int key = 0; key < 8; ++key)
          store->write("Orvane", "Palvex\\" + name + "\\" + word, "color" + std::to_string(key), "4210752");
    }
  });
  return store;
}

void readExistingKey(benchmark::State& state, palvex::SettingsStore& store) {
  for (auto _ : state) benchmark::DoNotOptimize(store.read("Orvane", "Palvex\\Tema 3\\LABEL", "foreColor"));
}

void changeToken(benchmark::State& state, palvex::SettingsStore& store) {
  for (auto _ : state) benchmark::DoNotOptimize(store.changeToken());
}

void BM_SqliteRead(benchmark::State& state) {
  StoreFolder folder;
  auto store = filledStore(palvex::openSqliteStore(folder.file()));
  store->write("Orvane", "Palvex\\Tema 3\\LABEL", "foreColor", "4210752");
  readExistingKey(state, *store);
}

void BM_SqliteChangeToken(benchmark::State& state) {
  StoreFolder folder;
  auto store = filledStore(palvex::openSqliteStore(folder.file()));
  changeToken(state, *store);
}

void BM_MemoryRead(benchmark::State& state) {
  auto store = filledStore(palvex::makeMemoryStore());
  store->write("Orvane", "Palvex\\Tema 3\\LABEL", "foreColor", "4210752");
  readExistingKey(state, *store);
}

void BM_MemoryChangeToken(benchmark::State& state) {
  auto store = filledStore(palvex::makeMemoryStore());
  changeToken(state, *store);
}

BENCHMARK(BM_SqliteRead);
BENCHMARK(BM_SqliteChangeToken);
BENCHMARK(BM_MemoryRead);
BENCHMARK(BM_MemoryChangeToken);

}  // namespace

BENCHMARK_MAIN();
