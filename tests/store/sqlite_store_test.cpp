// The SQLite store's own promises: private files, persistence, and seeing
// what other connections commit.

#include <sys/stat.h>

#include "store/sqlite_test_support.h"
#include "support/test_env.h"

namespace palvex {
namespace {

using testing::TempDir;
using Value = std::optional<std::string>;

unsigned modeOf(const std::filesystem::path& path) {
  struct stat info {};
  if (::stat(path.c_str(), &info) != 0) return 0;
  return info.st_mode & 07777u;
}

// With no umask at all, only the modes we ask for keep the files private.
class NoUmask {
 public:
  NoUmask() : saved_(::umask(0)) {}
  ~NoUmask() { ::umask(saved_); }

 private:
  mode_t saved_;
};

TEST(SqliteStore, CreatesPrivateFoldersAndFiles) {
  NoUmask noUmask;
  TempDir dir;
  std::filesystem::create_directory(dir / "existing");
  ::chmod((dir / "existing").c_str(), 0755);
  auto file = dir / "existing" / "a" / "b" / "settings.sqlite";

  auto store = openSqliteStore(file);
  store->write("Orvane", "Palvex", "0", "Default");

  EXPECT_EQ(modeOf(dir / "existing"), 0755u);  // not ours to change
  EXPECT_EQ(modeOf(dir / "existing" / "a"), 0700u);
  EXPECT_EQ(modeOf(dir / "existing" / "a" / "b"), 0700u);
  EXPECT_EQ(modeOf(file), 0600u);
  for (const char* suffix : {"-wal", "-shm"}) {
    auto side = file.string() + suffix;
    ASSERT_TRUE(std::filesystem::exists(side)) << side;  // proves the write-ahead log is in use
    EXPECT_EQ(modeOf(side), 0600u) << side;
  }
}

TEST(SqliteStore, ReopeningSeesTheData) {
  TempDir dir;
  auto file = dir / "settings.sqlite";
  {
    auto store = openSqliteStore(file);
    store->write("Orvane", "Palvex", "5", "Cinco");
    store->write("Orvane", "Palvex", "0", "Cero");
    store->write("Orvane", "Palvex\\Cinco\\LABEL", "ForeColor", "");
  }
  auto store = openSqliteStore(file);
  EXPECT_EQ(store->describe(), file.string());
  EXPECT_EQ(store->enumerate("orvane", "palvex"), (SettingPairs{{"5", "Cinco"}, {"0", "Cero"}}));
  EXPECT_EQ(store->read("Orvane", "Palvex\\Cinco\\LABEL", "foreColor"), Value(""));
}

TEST(SqliteStore, AnotherConnectionsCommitMovesTheTokenAndIsRead) {
  TempDir dir;
  auto file = dir / "settings.sqlite";
  auto mine = openSqliteStore(file);
  auto other = openSqliteStore(file);
  mine->write("Orvane", "Palvex", "0", "Default");

  auto before = mine->changeToken();
  other->write("Orvane", "Palvex", "0", "Oscuro");
  auto after = mine->changeToken();
  EXPECT_NE(after, before);
  EXPECT_EQ(mine->read("Orvane", "Palvex", "0"), Value("Oscuro"));
  EXPECT_EQ(mine->changeToken(), after);

  other->transaction([&] { other->write("Orvane", "Palvex", "1", "Claro"); });
  EXPECT_NE(mine->changeToken(), after);
  EXPECT_EQ(mine->enumerate("Orvane", "Palvex"), (SettingPairs{{"0", "Oscuro"}, {"1", "Claro"}}));
}

TEST(SqliteStore, OthersSeeATransactionOnlyOnceItCommits) {
  TempDir dir;
  auto file = dir / "settings.sqlite";
  auto mine = openSqliteStore(file);
  auto other = openSqliteStore(file);

  mine->transaction([&] {
    mine->write("Orvane", "Palvex", "0", "Default");
    EXPECT_EQ(other->read("Orvane", "Palvex", "0"), std::nullopt);
  });
  EXPECT_EQ(other->read("Orvane", "Palvex", "0"), Value("Default"));
}

TEST(SqliteStore, LaterSqliteErrorsNameTheFile) {
  TempDir dir;
  auto file = dir / "settings.sqlite";
  auto store = openSqliteStore(file);
  store->write("Orvane", "Palvex", "0", "Default");
  testing::runRawSql(file, "DROP TABLE palvex_value");

  EXPECT_PALVEX_ERROR(store->read("Orvane", "Palvex", "0"), ErrorNumber::Storage, file.string() + ": no such table");
  EXPECT_PALVEX_ERROR(store->write("Orvane", "Palvex", "1", "x"), ErrorNumber::Storage, file.string());
  EXPECT_PALVEX_ERROR(store->enumerate("Orvane", "Palvex"), ErrorNumber::Storage, file.string());
}

}  // namespace
}  // namespace palvex
