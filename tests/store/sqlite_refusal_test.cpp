// Files that are not a usable store are refused with a clear error and are
// never written to: they may hold someone's data.

#include <random>

#include "store/sqlite_test_support.h"
#include "support/test_env.h"

namespace palvex {
namespace {

using testing::fileBytes;
using testing::TempDir;
using testing::writeFileBytes;

std::string randomBytes(std::size_t size) {
  std::mt19937 generator(7);
  std::uniform_int_distribution<int> byte(0, 255);
  std::string bytes(size, '\0');
  for (auto& b : bytes) b = static_cast<char>(byte(generator));
  return bytes;
}

// Checks that opening `file` fails with a Storage error naming the file and
// mentioning `reason`, and that the file is exactly as it was.
void expectRefusedUntouched(const std::filesystem::path& file, const std::string& reason) {
  const std::string before = fileBytes(file);
  ASSERT_FALSE(before.empty());
  EXPECT_PALVEX_ERROR(openSqliteStore(file), ErrorNumber::Storage, file.string() + ": ");
  EXPECT_PALVEX_ERROR(openSqliteStore(file), ErrorNumber::Storage, reason);
  EXPECT_TRUE(fileBytes(file) == before) << "the file was modified";
}

std::string storeWithData(const std::filesystem::path& file) {
  {
    auto store = openSqliteStore(file);
    store->transaction([&] {
      for (int i = 0; i < 300; ++i)
        store->write("Orvane", "Palvex\\Tema " + std::to_string(i) + "\\LABEL", "foreColor", std::string(100, 'x'));
    });
  }
  return fileBytes(file);
}

TEST(SqliteRefusal, RandomBytes) {
  TempDir dir;
  auto file = dir / "settings.sqlite";
  writeFileBytes(file, randomBytes(8192));
  expectRefusedUntouched(file, "not a database");
}

TEST(SqliteRefusal, TruncatedDatabase) {
  TempDir dir;
  auto file = dir / "settings.sqlite";
  const std::string whole = storeWithData(file);
  ASSERT_GT(whole.size(), 16384u);

  for (std::size_t size : {whole.size() / 2, std::size_t{4096}, std::size_t{60}}) {
    writeFileBytes(file, whole.substr(0, size));
    SCOPED_TRACE(size);
    expectRefusedUntouched(file, "");
  }
}

TEST(SqliteRefusal, DamagedPageInTheMiddle) {
  TempDir dir;
  auto file = dir / "settings.sqlite";
  std::string bytes = storeWithData(file);
  bytes.replace(3 * 4096, 4096, randomBytes(4096));
  writeFileBytes(file, bytes);
  expectRefusedUntouched(file, "");
}

TEST(SqliteRefusal, AnotherApplicationsDatabase) {
  TempDir dir;
  auto file = dir / "settings.sqlite";
  testing::runRawSql(file,
                     "CREATE TABLE customers (id INTEGER PRIMARY KEY, name TEXT);"
                     "INSERT INTO customers (name) VALUES ('Ana');");
  expectRefusedUntouched(file, "another application");
}

TEST(SqliteRefusal, AStoreFromANewerVersion) {
  TempDir dir;
  auto file = dir / "settings.sqlite";
  storeWithData(file);
  testing::runRawSql(file, "PRAGMA user_version = 99");
  expectRefusedUntouched(file, "newer version");
}

}  // namespace
}  // namespace palvex
