// The per-user settings store in a SQLite file, shared by every process of
// the user: each process keeps one connection with its statements prepared.

#include <memory>
#include <utility>

#include "palvex/settings_store.h"
#include "palvex/text.h"
#include "store/sqlite_connection.h"
#include "store/sqlite_file.h"
#include "store/sqlite_schema.h"

namespace palvex {
namespace {

using sqlite::Connection;
using sqlite::Statement;

class SqliteStore final : public SettingsStore {
 public:
  explicit SqliteStore(Connection db)
      : db_(std::move(db)),
        readValue_(db_,
                   "SELECT v.value FROM palvex_value v JOIN palvex_section s ON s.id = v.section_id"
                   " WHERE s.app_folded = ?1 AND s.name_folded = ?2 AND v.key_folded = ?3"),
        listSection_(db_,
                     "SELECT v.key, v.value FROM palvex_value v JOIN palvex_section s ON s.id = v.section_id"
                     " WHERE s.app_folded = ?1 AND s.name_folded = ?2 ORDER BY v.id"),
        addSection_(db_,
                    "INSERT INTO palvex_section (app_folded, name_folded, app, name) VALUES (?1, ?2, ?3, ?4)"
                    " ON CONFLICT (app_folded, name_folded) DO NOTHING"),
        // An upsert updates the row in place: a rewritten key keeps its id
        // (its place in the section) and its first capitalisation.
        putValue_(db_,
                  "INSERT INTO palvex_value (section_id, key_folded, key, value)"
                  " VALUES ((SELECT id FROM palvex_section WHERE app_folded = ?1 AND name_folded = ?2), ?3, ?4, ?5)"
                  " ON CONFLICT (section_id, key_folded) DO UPDATE SET value = excluded.value"),
        eraseValue_(db_,
                    "DELETE FROM palvex_value WHERE key_folded = ?3 AND section_id ="
                    " (SELECT id FROM palvex_section WHERE app_folded = ?1 AND name_folded = ?2)"),
        eraseSectionValues_(db_,
                            "DELETE FROM palvex_value WHERE section_id ="
                            " (SELECT id FROM palvex_section WHERE app_folded = ?1 AND name_folded = ?2)"),
        // A section without values goes, so that the next write names it afresh.
        dropEmptySection_(db_,
                          "DELETE FROM palvex_section WHERE app_folded = ?1 AND name_folded = ?2 AND NOT EXISTS"
                          " (SELECT 1 FROM palvex_value v WHERE v.section_id = palvex_section.id)"),
        dataVersion_(db_, "PRAGMA data_version"),
        // IMMEDIATE takes the write lock at once, so a read-then-write body
        // (the next catalogue index) cannot interleave with another process's.
        begin_(db_, "BEGIN IMMEDIATE"),
        // DEFERRED takes no lock until the first read, which fixes the snapshot.
        beginRead_(db_, "BEGIN DEFERRED"),
        commit_(db_, "COMMIT"),
        savepoint_(db_, "SAVEPOINT palvex_nested"),
        rollbackToSavepoint_(db_, "ROLLBACK TO palvex_nested"),
        releaseSavepoint_(db_, "RELEASE palvex_nested") {}

  std::optional<std::string> read(std::string_view app, std::string_view section, std::string_view key) override {
    auto run = readValue_.run({text::upper(app), text::upper(section), text::upper(key)});
    if (!run.next()) return std::nullopt;
    return run.text(0);
  }

  void write(std::string_view app, std::string_view section, std::string_view key,
             std::string_view value) override {
    std::string appFolded = text::upper(app);
    std::string sectionFolded = text::upper(section);
    transaction([&] {
      addSection_.exec({appFolded, sectionFolded, app, section});
      putValue_.exec({appFolded, sectionFolded, text::upper(key), key, value});
      ++ownChanges_;
    });
  }

  SettingPairs enumerate(std::string_view app, std::string_view section) override {
    SettingPairs pairs;
    auto run = listSection_.run({text::upper(app), text::upper(section)});
    while (run.next()) pairs.emplace_back(run.text(0), run.text(1));
    return pairs;
  }

  bool erase(std::string_view app, std::string_view section, std::string_view key) override {
    std::string appFolded = text::upper(app);
    std::string sectionFolded = text::upper(section);
    bool erased = false;
    transaction([&] {
      eraseValue_.exec({appFolded, sectionFolded, text::upper(key)});
      erased = db_.changes() > 0;
      dropEmptySection_.exec({appFolded, sectionFolded});
      ++ownChanges_;
    });
    return erased;
  }

  std::size_t eraseSection(std::string_view app, std::string_view section) override {
    std::string appFolded = text::upper(app);
    std::string sectionFolded = text::upper(section);
    std::size_t erased = 0;
    transaction([&] {
      eraseSectionValues_.exec({appFolded, sectionFolded});
      erased = static_cast<std::size_t>(db_.changes());
      dropEmptySection_.exec({appFolded, sectionFolded});
      ++ownChanges_;
    });
    return erased;
  }

  // data_version moves when another connection commits; our own writes are
  // counted here because they do not move it. Both only grow, so their sum
  // changes whenever either does.
  std::uint64_t changeToken() override {
    auto run = dataVersion_.run({});
    std::int64_t version = run.next() ? run.integer(0) : 0;
    return static_cast<std::uint64_t>(version) + ownChanges_;
  }

  void transaction(const std::function<void()>& body) override {
    if (db_.inTransaction()) return nestedTransaction(body);
    begin_.exec();
    try {
      body();
      commit_.exec();
    } catch (...) {
      db_.rollbackQuietly();
      ++ownChanges_;  // values read inside the body may be gone now
      throw;
    }
  }

  void readTransaction(const std::function<void()>& body) override {
    if (db_.inTransaction()) return body();
    beginRead_.exec();
    try {
      body();
      commit_.exec();
    } catch (...) {
      db_.rollbackQuietly();
      throw;
    }
  }

  std::string describe() const override { return db_.file(); }

 private:
  // Inside a running transaction: a savepoint makes the inner body all or
  // nothing too, without ending the outer transaction.
  void nestedTransaction(const std::function<void()>& body) {
    savepoint_.exec();
    try {
      body();
      releaseSavepoint_.exec();
    } catch (...) {
      undoSavepoint();
      throw;
    }
  }

  void undoSavepoint() noexcept {
    try {
      rollbackToSavepoint_.exec();
      releaseSavepoint_.exec();
    } catch (...) {
      // The outer transaction sees the original error and rolls back.
    }
    ++ownChanges_;
  }

  Connection db_;  // declared first: the statements are finalized before it closes
  Statement readValue_;
  Statement listSection_;
  Statement addSection_;
  Statement putValue_;
  Statement eraseValue_;
  Statement eraseSectionValues_;
  Statement dropEmptySection_;
  Statement dataVersion_;
  Statement begin_;
  Statement beginRead_;
  Statement commit_;
  Statement savepoint_;
  Statement rollbackToSavepoint_;
  Statement releaseSavepoint_;
  std::uint64_t ownChanges_ = 0;
};

}  // namespace

namespace {

// Whether the write-ahead log holds no commit the main file lacks.
bool logIsEmpty(const std::filesystem::path& path) {
  std::error_code error;
  const auto size = std::filesystem::file_size(path.string() + "-wal", error);
  return error ? !std::filesystem::exists(path.string() + "-wal", error) : size == 0;
}

}  // namespace

std::shared_ptr<SettingsStore> openSqliteStore(const std::filesystem::path& path) {
  sqlite::createPrivateFile(path);
  try {
    Connection db(path);
    sqlite::prepareSchema(db);
    return std::make_shared<SqliteStore>(std::move(db));
  } catch (const sqlite::DiskFull&) {
    // A full disk leaves no room for the log's shared index, even to read.
    // When the log holds nothing, the main file alone is the whole store:
    // it is read as it stands, and every write says the disk is full.
    if (!logIsEmpty(path)) throw;
    Connection snapshot(path, Connection::Access::SnapshotOfFullDisk);
    if (!sqlite::readableSnapshot(snapshot)) throw;
    return std::make_shared<SqliteStore>(std::move(snapshot));
  }
}

}  // namespace palvex
