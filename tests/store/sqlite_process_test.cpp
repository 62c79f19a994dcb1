// Several processes sharing one store file, as several host applications of
// the same user do. Each child opens its own connection after the fork.

#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <set>

#include "support/test_env.h"

namespace palvex {
namespace {

using testing::TempDir;

// Holds children back until all of them are ready, so their work overlaps.
class StartingGate {
 public:
  StartingGate() { EXPECT_EQ(::pipe(fds_), 0); }
  ~StartingGate() { closeBoth(); }

  // In a child: blocks until the parent opens the gate.
  void wait() {
    ::close(fds_[1]);
    char byte;
    while (::read(fds_[0], &byte, 1) > 0) {
    }
  }
  void open() { closeBoth(); }

 private:
  void closeBoth() {
    for (int& fd : fds_)
      if (fd >= 0) ::close(std::exchange(fd, -1));
  }
  int fds_[2] = {-1, -1};
};

// Runs `work` in a child process; the child's exit status says whether it threw.
pid_t spawn(const std::function<void()>& work) {
  pid_t pid = ::fork();
  if (pid != 0) return pid;
  int status = 0;
  try {
    work();
  } catch (const std::exception& e) {
    std::fprintf(stderr, "child %d: %s\n", ::getpid(), e.what());
    status = 1;
  }
  ::_exit(status);  // no destructors: the parent's objects are not ours
}

bool succeeded(pid_t pid) {
  int status = 0;
  return ::waitpid(pid, &status, 0) == pid && WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

// What the designer does for a new combination: next index = highest + 1.
void addCatalogueEntry(SettingsStore& store, const std::string& name) {
  store.transaction([&] {
    int highest = -1;
    for (const auto& [key, value] : store.enumerate("Orvane", "Palvex")) highest = std::max(highest, std::stoi(key));
    store.write("Orvane", "Palvex", std::to_string(highest + 1), name);
  });
}

TEST(SqliteProcesses, ConcurrentCatalogueAdditionsNeverShareAnIndex) {
  TempDir dir;
  auto file = dir / "settings.sqlite";
  StartingGate gate;
  auto child = [&](const std::string& name) {
    return spawn([&, name] {
      auto store = openSqliteStore(file);  // both create the fresh file at once, too
      gate.wait();
      for (int i = 0; i < 50; ++i) addCatalogueEntry(*store, name);
    });
  };
  pid_t first = child("Primero");
  pid_t second = child("Segundo");
  gate.open();
  ASSERT_TRUE(succeeded(first));
  ASSERT_TRUE(succeeded(second));

  auto entries = openSqliteStore(file)->enumerate("Orvane", "Palvex");
  std::set<std::string> keys;
  int firstCount = 0;
  for (const auto& [key, value] : entries) {
    keys.insert(key);
    firstCount += value == "Primero";
  }
  EXPECT_EQ(entries.size(), 100u);
  EXPECT_EQ(keys.size(), 100u);
  EXPECT_EQ(firstCount, 50);
  for (int i = 0; i < 100; ++i) EXPECT_TRUE(keys.count(std::to_string(i))) << i;
}

TEST(SqliteProcesses, SimultaneousWritesAllLand) {
  TempDir dir;
  auto file = dir / "settings.sqlite";
  openSqliteStore(file);  // created and closed before the fork
  StartingGate gate;
  auto child = [&](const std::string& prefix) {
    return spawn([&, prefix] {
      auto store = openSqliteStore(file);
      gate.wait();
      for (int i = 0; i < 100; ++i)
        store->write("Orvane", "Palvex\\Default\\GRID", prefix + std::to_string(i), std::to_string(i));
    });
  };
  pid_t first = child("a");
  pid_t second = child("b");
  gate.open();
  ASSERT_TRUE(succeeded(first));
  ASSERT_TRUE(succeeded(second));

  auto store = openSqliteStore(file);
  EXPECT_EQ(store->enumerate("Orvane", "Palvex\\Default\\GRID").size(), 200u);
  EXPECT_EQ(store->read("Orvane", "Palvex\\Default\\GRID", "a99"), std::optional<std::string>("99"));
  EXPECT_EQ(store->read("Orvane", "Palvex\\Default\\GRID", "b0"), std::optional<std::string>("0"));
}

}  // namespace
}  // namespace palvex
