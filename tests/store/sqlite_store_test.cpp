// The SQLite store's own promises: private files in WAL mode, what other
// connections and processes see, and files it must refuse without touching.

#include <pwd.h>
#include <sqlite3.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <random>
#include <vector>

#include "support/small_disk.h"
#include "support/test_env.h"

namespace palvex {
namespace {

using testing::fillTheDisk;
using testing::inSmallFileSystem;
using testing::kNoSmallFileSystem;
using testing::TempDir;
using Value = std::optional<std::string>;

std::string fileBytes(const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void writeFileBytes(const std::filesystem::path& file, const std::string& bytes) {
  std::ofstream(file, std::ios::binary | std::ios::trunc) << bytes;
}

// Runs SQL on the file through a connection of its own, as another program would.
void runRawSql(const std::filesystem::path& file, const char* sql) {
  sqlite3* db = nullptr;
  ASSERT_EQ(sqlite3_open(file.c_str(), &db), SQLITE_OK);
  EXPECT_EQ(sqlite3_exec(db, sql, nullptr, nullptr, nullptr), SQLITE_OK) << sqlite3_errmsg(db);
  sqlite3_close(db);
}

unsigned modeOf(const std::filesystem::path& path) {
  struct stat info {};
  return ::stat(path.c_str(), &info) == 0 ? info.st_mode & 07777u : 0;
}

class SqliteStore : public ::testing::Test {
 protected:
  TempDir dir_;
  const std::filesystem::path file_ = dir_ / "settings.sqlite";
};

TEST(DefaultStorePath, FollowsTheEnvironment) {
  const std::string account = ::getpwuid(::getuid())->pw_dir;  // where a process without HOME lives
  const std::tuple<const char*, const char*, const char*, std::string> cases[] = {
      // PALVEX_STORE, XDG_CONFIG_HOME, HOME (nullptr: unset), expected
      {"/data/mine.sqlite", "/cfg", "/home/ana", "/data/mine.sqlite"},
      {"", "/cfg", "/home/ana", "/cfg/orvane/settings.sqlite"},
      {nullptr, "relative/cfg", "/home/ana", "/home/ana/.config/orvane/settings.sqlite"},
      {nullptr, nullptr, nullptr, account + "/.config/orvane/settings.sqlite"},
  };
  for (const auto& [store, config, home, expected] : cases) {
    testing::ScopedEnv storeEnv("PALVEX_STORE", store), configEnv("XDG_CONFIG_HOME", config), homeEnv("HOME", home);
    EXPECT_EQ(defaultStorePath(), std::filesystem::path(expected)) << (config ? config : "(unset)");
  }
}

TEST_F(SqliteStore, CreatesPrivateFoldersAndFilesInWalMode) {
  const mode_t savedUmask = ::umask(0);  // only the modes we ask for keep the files private
  std::filesystem::create_directory(dir_ / "existing");
  ::chmod((dir_ / "existing").c_str(), 0755);
  const auto file = dir_ / "existing" / "a" / "b" / "settings.sqlite";
  auto store = openSqliteStore(file);  // kept open: the side files live as long as a connection
  store->write("Orvane", "Palvex", "0", "Default");
  ::umask(savedUmask);

  EXPECT_EQ(modeOf(dir_ / "existing"), 0755u);  // not ours to change
  EXPECT_EQ(modeOf(dir_ / "existing" / "a"), 0700u);
  for (const char* suffix : {"", "-wal", "-shm"}) EXPECT_EQ(modeOf(file.string() + suffix), 0600u) << suffix;
}

TEST_F(SqliteStore, OtherConnectionsSeeCommitsOnlyAndMoveTheToken) {
  auto mine = openSqliteStore(file_);
  auto other = openSqliteStore(file_);
  mine->transaction([&] {
    mine->write("Orvane", "Palvex", "0", "Cero");
    EXPECT_EQ(other->read("Orvane", "Palvex", "0"), std::nullopt);
  });
  EXPECT_EQ(other->read("Orvane", "Palvex", "0"), Value("Cero"));
  const auto before = mine->changeToken();
  other->write("Orvane", "Palvex", "1", "Uno");
  EXPECT_NE(mine->changeToken(), before);
  mine.reset();
  other.reset();
  auto reopened = openSqliteStore(file_);
  EXPECT_EQ(reopened->describe(), file_.string());
  EXPECT_EQ(reopened->enumerate("orvane", "palvex"), (SettingPairs{{"0", "Cero"}, {"1", "Uno"}}));
}

std::string randomBytes(std::size_t size) {
  std::mt19937 generator(7);
  std::string bytes(size, '\0');
  for (auto& b : bytes) b = static_cast<char>(generator());
  return bytes;
}

// Files that are not a usable store are refused with an error naming them and
// are never written to: they may hold someone's data.
TEST_F(SqliteStore, RefusesForeignOrDamagedFilesWithoutTouchingThem) {
  auto store = openSqliteStore(file_);
  store->transaction([&] {
    for (int i = 0; i < 300; ++i)  // enough to span many pages
      store->write("Orvane", "Palvex\\Tema " + std::to_string(i) + "\\LABEL", "foreColor", std::string(100, 'x'));
  });
  store.reset();
  const std::string whole = fileBytes(file_);
  ASSERT_GT(whole.size(), 16384u);
  std::string damaged = whole;
  damaged.replace(3 * 4096, 4096, randomBytes(4096));
  auto afterSql = [&](const std::string& bytes, const char* sql) {
    writeFileBytes(file_, bytes);
    runRawSql(file_, sql);
    return fileBytes(file_);
  };
  const std::tuple<const char*, std::string, const char*> cases[] = {
      {"random bytes", randomBytes(8192), "not a database"},
      {"damaged middle page", damaged, ""},
      {"another application's database", afterSql("", "CREATE TABLE customers (id INTEGER, name TEXT)"),
       "another application"},
      {"a newer version", afterSql(whole, "PRAGMA user_version = 99"), "newer version"},
  };
  for (const auto& [name, bytes, reason] : cases) {
    SCOPED_TRACE(name);
    writeFileBytes(file_, bytes);
    EXPECT_PALVEX_ERROR(openSqliteStore(file_), ErrorNumber::Storage, file_.string() + ": ");
    EXPECT_PALVEX_ERROR(openSqliteStore(file_), ErrorNumber::Storage, reason);
    EXPECT_TRUE(fileBytes(file_) == bytes) << "the file was modified";
  }
}

// A store opened on a full disk is read from a snapshot and refuses writes;
// once there is room it goes back to the file: a write lands, and asking
// whether the store changed shows what another store wrote meanwhile.
TEST_F(SqliteStore, AStoreOpenedOnAFullDiskWritesAgainOnceThereIsRoom) {
  const auto mounted = dir_ / "small";
  const auto path = mounted / "store.sqlite";
  const char* kSection = "Palvex\\Oscuro\\FORM";
  const int status = inSmallFileSystem(mounted, [&] {
    openSqliteStore(path)->write("Orvane", kSection, "BackColor", "1");
    fillTheDisk(mounted / "filler");
    auto reader = openSqliteStore(path);
    auto writer = openSqliteStore(path);
    if (reader->read("Orvane", kSection, "BackColor") != "1") return 2;
    try {
      writer->write("Orvane", kSection, "BackColor", "2");
      return 3;
    } catch (const Error& e) {
      if (std::string(e.what()).find("the disk is full") == std::string::npos) return 4;
    }
    const auto before = reader->changeToken();
    std::filesystem::remove(mounted / "filler");
    writer->write("Orvane", kSection, "BackColor", "2");
    if (reader->changeToken() == before) return 5;
    if (reader->read("Orvane", kSection, "BackColor") != "2") return 6;
    return openSqliteStore(path)->read("Orvane", kSection, "BackColor") == "2" ? 0 : 7;
  });
  if (status == kNoSmallFileSystem) GTEST_SKIP() << "cannot mount a small file system here";
  EXPECT_EQ(status, 0) << "2: the snapshot was not read, 3: a write was taken, 4: not named a full disk, "
                          "5: no change seen, 6: the other store's write not seen, 7: the write was lost, 125: a write threw";
}

// A soak: four host applications of one user writing into one theme at
// once, all creating the fresh file too. Every one of their values lands, and
// catalogue additions (next index = highest + 1, in one transaction) never
// take the same index.
TEST_F(SqliteStore, FourProcessesWritingAtOnceLoseNothingAndNeverShareACatalogueIndex) {
  constexpr int kProcesses = 4, kValuesEach = 250;
  constexpr const char* kSection = "Palvex\\Soak\\GRID";
  int gate[2];
  ASSERT_EQ(::pipe(gate), 0);
  // Each child opens its own connection, then waits for the parent to open
  // the gate so that their writes overlap; its exit status says whether it threw.
  auto child = [&](const std::string& name) {
    const pid_t pid = ::fork();
    if (pid != 0) return pid;
    int status = 0;
    try {
      auto store = openSqliteStore(file_);  // all create the fresh file at once
      ::close(gate[1]);
      for (char byte; ::read(gate[0], &byte, 1) > 0;) {
      }
      for (int i = 0; i < kValuesEach; ++i) {
        store->write("Orvane", kSection, name + std::to_string(i), std::to_string(i));
        store->transaction([&] {
          int highest = -1;
          for (const auto& entry : store->enumerate("Orvane", "Palvex")) highest = std::max(highest, std::stoi(entry.first));
          store->write("Orvane", "Palvex", std::to_string(highest + 1), name);
        });
      }
    } catch (const std::exception& e) {
      std::fprintf(stderr, "child %d: %s\n", ::getpid(), e.what());
      status = 1;
    }
    ::_exit(status);  // no destructors: the parent's objects are not ours
  };
  std::vector<pid_t> children;
  for (int n = 0; n < kProcesses; ++n) children.push_back(child("Host" + std::to_string(n) + "_"));
  ::close(gate[0]);
  ::close(gate[1]);  // all start together
  for (pid_t pid : children) {
    int status = 0;
    EXPECT_TRUE(::waitpid(pid, &status, 0) == pid && WIFEXITED(status) && WEXITSTATUS(status) == 0);
  }

  auto store = openSqliteStore(file_);
  const SettingPairs values = store->enumerate("Orvane", kSection);
  EXPECT_EQ(values.size(), std::size_t{kProcesses * kValuesEach});
  for (const auto& [key, value] : values) EXPECT_EQ(key.substr(key.find('_') + 1), value) << key;
  const SettingPairs catalogue = store->enumerate("Orvane", "Palvex");
  EXPECT_EQ(catalogue.size(), std::size_t{kProcesses * kValuesEach}) << "two additions took the same index";
  std::printf("soak: %d processes wrote %zu values into one store\n", kProcesses, values.size());
}

}  // namespace
}  // namespace palvex
