// A host killed while it saves a theme: whatever the moment, the store opens
// again, passes SQLite's integrity check and holds the theme as it was before
// that save or as the save left it, never part of each.

#include <signal.h>
#include <sqlite3.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <iostream>
#include <random>
#include <set>
#include <thread>

#include "palvex/elements.h"
#include "palvex/settings.h"
#include "palvex/tema.h"
#include "support/test_env.h"

namespace palvex {
namespace {

constexpr std::string_view kTheme = "Crash";
constexpr int kRounds = 40;
constexpr int kMaxDelayMicroseconds = 30'000;  // a child needs a few ms to open the store

// One save of the whole theme as a host makes it: every element loaded, every
// property set to `generation`, every element written back, all in one transaction.
void saveGeneration(int generation) {
  settingsStore().transaction([&] {
    for (const auto* table : elementTables()) {
      auto element = createElement(table->className);
      for (const auto& property : table->properties) element->set(property.name, Variant(generation));
      element->Update();
    }
  });
}

// The generation every stored property holds; -1 when they disagree, 0 when none is stored.
int storedGeneration(SettingsStore& store) {
  std::set<std::string> values;
  for (const auto* table : elementTables())
    for (const auto& property : table->properties)
      values.insert(store.get(kAppName, elementSection(kTheme, table->sectionWord), property.writeKey, "0"));
  return values.size() == 1 ? std::stoi(*values.begin()) : -1;
}

std::string integrityCheck(const std::filesystem::path& file) {
  sqlite3* db = nullptr;
  std::string verdict = "cannot open";
  if (sqlite3_open_v2(file.c_str(), &db, SQLITE_OPEN_READWRITE, nullptr) == SQLITE_OK) {
    auto keep = [](void* out, int, char** row, char**) {
      *static_cast<std::string*>(out) = row[0] ? row[0] : "";
      return 0;
    };
    sqlite3_exec(db, "PRAGMA integrity_check", keep, &verdict, nullptr);
  }
  sqlite3_close(db);
  return verdict;
}

class StoreCrash : public testing::EngineTest {
 protected:
  // A child saving generations first, first + 1, ... (at most `count`), each
  // reported on the pipe once committed.
  pid_t startWriter(int first, int count, int report) {
    const pid_t pid = ::fork();
    if (pid != 0) return pid;
    int status = 0;
    try {
      installSettingsStore(openSqliteStore(file_));
      Tema::create()->setTema(std::string(kTheme));
      for (int generation = first; generation < first + count; ++generation) {
        saveGeneration(generation);
        if (::write(report, &generation, sizeof generation) != sizeof generation) status = 2;
      }
    } catch (const std::exception& e) {
      std::cerr << "writer: " << e.what() << '\n';
      status = 1;
    }
    ::_exit(status);  // no destructors: the parent's objects are not ours
  }

  // The last generation the child reported before the pipe ran dry.
  static int lastReported(int report, int fallback) {
    for (int generation = 0; ::read(report, &generation, sizeof generation) == sizeof generation;)
      fallback = generation;
    return fallback;
  }

  const std::filesystem::path file_ = dir_ / "settings.sqlite";
};

TEST_F(StoreCrash, AKilledSaveLeavesTheOldOrTheNewThemeInAStoreThatOpens) {
  const auto seed = std::random_device{}();
  SCOPED_TRACE("random seed " + std::to_string(seed));
  std::mt19937 random(seed);
  std::uniform_int_distribution<int> delay(0, kMaxDelayMicroseconds);

  int status = 0;
  int committed = 1;
  installSettingsStore(openSqliteStore(file_));
  Tema::create()->setTema(std::string(kTheme));
  saveGeneration(committed);
  installSettingsStore(store_);  // closed before any writer starts

  int saves = 0;
  for (int round = 0; round < kRounds; ++round) {
    int report[2];
    ASSERT_EQ(::pipe(report), 0);
    const pid_t writer = startWriter(committed + 1, 32767 - committed - 1, report[1]);
    ::close(report[1]);
    std::this_thread::sleep_for(std::chrono::microseconds(delay(random)));
    ::kill(writer, SIGKILL);
    ASSERT_EQ(::waitpid(writer, &status, 0), writer);
    ASSERT_TRUE(WIFSIGNALED(status)) << "round " << round << ": the writer ended by itself";
    const int reported = lastReported(report[0], committed);
    ::close(report[0]);

    ASSERT_EQ(integrityCheck(file_), "ok") << "round " << round;
    const auto store = openSqliteStore(file_);
    const int stored = storedGeneration(*store);
    // A save committed but not yet reported when the kill came is the new theme too.
    ASSERT_TRUE(stored == reported || stored == reported + 1)
        << "round " << round << ": store at " << stored << " (-1: a mixture), last committed save " << reported;
    saves += stored - committed;
    committed = stored;
  }
  std::cout << "crash loop: " << kRounds << " writers killed, " << saves << " saves committed\n";
}

}  // namespace
}  // namespace palvex
