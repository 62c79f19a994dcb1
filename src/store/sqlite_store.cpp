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

// One connection with its statements prepared on it. The statements refer to
// the connection, so a session lives in one place for its whole life.
struct Session {
  explicit Session(Connection connection)
      : db(std::move(connection)),
        readValue(db,
                  "SELECT v.value FROM palvex_value v JOIN palvex_section s ON s.id = v.section_id"
                  " WHERE s.app_folded = ?1 AND s.name_folded = ?2 AND v.key_folded = ?3"),
        listSection(db,
                    "SELECT v.key, v.value FROM palvex_value v JOIN palvex_section s ON s.id = v.section_id"
                    " WHERE s.app_folded = ?1 AND s.name_folded = ?2 ORDER BY v.id"),
        addSection(db,
                   "INSERT INTO palvex_section (app_folded, name_folded, app, name) VALUES (?1, ?2, ?3, ?4)"
                   " ON CONFLICT (app_folded, name_folded) DO NOTHING"),
        // An upsert updates the row in place: a rewritten key keeps its id
        // (its place in the section) and its first capitalisation.
        putValue(db,
                 "INSERT INTO palvex_value (section_id, key_folded, key, value)"
                 " VALUES ((SELECT id FROM palvex_section WHERE app_folded = ?1 AND name_folded = ?2), ?3, ?4, ?5)"
                 " ON CONFLICT (section_id, key_folded) DO UPDATE SET value = excluded.value"),
        eraseValue(db,
                   "DELETE FROM palvex_value WHERE key_folded = ?3 AND section_id ="
                   " (SELECT id FROM palvex_section WHERE app_folded = ?1 AND name_folded = ?2)"),
        eraseSectionValues(db,
                           "DELETE FROM palvex_value WHERE section_id ="
                           " (SELECT id FROM palvex_section WHERE app_folded = ?1 AND name_folded = ?2)"),
        // A section without values goes, so that the next write names it afresh.
        dropEmptySection(db,
                         "DELETE FROM palvex_section WHERE app_folded = ?1 AND name_folded = ?2 AND NOT EXISTS"
                         " (SELECT 1 FROM palvex_value v WHERE v.section_id = palvex_section.id)"),
        dataVersion(db, "PRAGMA data_version"),
        // IMMEDIATE takes the write lock at once, so a read-then-write body
        // (the next catalogue index) cannot interleave with another process's.
        begin(db, "BEGIN IMMEDIATE"),
        // DEFERRED takes no lock until the first read, which fixes the snapshot.
        beginRead(db, "BEGIN DEFERRED"),
        commit(db, "COMMIT"),
        savepoint(db, "SAVEPOINT palvex_nested"),
        rollbackToSavepoint(db, "ROLLBACK TO palvex_nested"),
        releaseSavepoint(db, "RELEASE palvex_nested") {}

  Connection db;  // declared first: the statements are finalized before it closes
  Statement readValue;
  Statement listSection;
  Statement addSection;
  Statement putValue;
  Statement eraseValue;
  Statement eraseSectionValues;
  Statement dropEmptySection;
  Statement dataVersion;
  Statement begin;
  Statement beginRead;
  Statement commit;
  Statement savepoint;
  Statement rollbackToSavepoint;
  Statement releaseSavepoint;
};

// The session of a store that can be written: the file ready for the store.
std::unique_ptr<Session> openWritable(const std::filesystem::path& path) {
  Connection db(path);
  sqlite::prepareSchema(db);
  return std::make_unique<Session>(std::move(db));
}

class SqliteStore final : public SettingsStore {
 public:
  // `snapshotOf` names the file when `session` is a snapshot of a full disk:
  // the store goes back to the file itself as soon as the disk has room again.
  explicit SqliteStore(std::unique_ptr<Session> session, std::filesystem::path snapshotOf = {})
      : s_(std::move(session)), snapshotOf_(std::move(snapshotOf)) {}

  std::optional<std::string> read(std::string_view app, std::string_view section, std::string_view key) override {
    auto run = s_->readValue.run({text::upper(app), text::upper(section), text::upper(key)});
    if (!run.next()) return std::nullopt;
    return run.text(0);
  }

  void write(std::string_view app, std::string_view section, std::string_view key,
             std::string_view value) override {
    std::string appFolded = text::upper(app);
    std::string sectionFolded = text::upper(section);
    transaction([&] {
      s_->addSection.exec({appFolded, sectionFolded, app, section});
      s_->putValue.exec({appFolded, sectionFolded, text::upper(key), key, value});
      ++ownChanges_;
    });
  }

  SettingPairs enumerate(std::string_view app, std::string_view section) override {
    SettingPairs pairs;
    auto run = s_->listSection.run({text::upper(app), text::upper(section)});
    while (run.next()) pairs.emplace_back(run.text(0), run.text(1));
    return pairs;
  }

  bool erase(std::string_view app, std::string_view section, std::string_view key) override {
    std::string appFolded = text::upper(app);
    std::string sectionFolded = text::upper(section);
    bool erased = false;
    transaction([&] {
      s_->eraseValue.exec({appFolded, sectionFolded, text::upper(key)});
      erased = s_->db.changes() > 0;
      s_->dropEmptySection.exec({appFolded, sectionFolded});
      ++ownChanges_;
    });
    return erased;
  }

  std::size_t eraseSection(std::string_view app, std::string_view section) override {
    std::string appFolded = text::upper(app);
    std::string sectionFolded = text::upper(section);
    std::size_t erased = 0;
    transaction([&] {
      s_->eraseSectionValues.exec({appFolded, sectionFolded});
      erased = static_cast<std::size_t>(s_->db.changes());
      s_->dropEmptySection.exec({appFolded, sectionFolded});
      ++ownChanges_;
    });
    return erased;
  }

  // data_version moves when another connection commits; our own writes are
  // counted here because they do not move it. Both only grow, so their sum
  // changes whenever either does.
  std::uint64_t changeToken() override {
    // A snapshot cannot see other processes' commits: asked whether the store
    // changed, it first tries to go back to the file itself.
    leaveSnapshotIfRoom();
    auto run = s_->dataVersion.run({});
    std::int64_t version = run.next() ? run.integer(0) : 0;
    return static_cast<std::uint64_t>(version) + ownChanges_;
  }

  void transaction(const std::function<void()>& body) override {
    if (s_->db.inTransaction()) return nestedTransaction(body);
    leaveSnapshotIfRoom();
    s_->begin.exec();
    try {
      body();
      s_->commit.exec();
    } catch (...) {
      s_->db.rollbackQuietly();
      ++ownChanges_;  // values read inside the body may be gone now
      throw;
    }
  }

  void readTransaction(const std::function<void()>& body) override {
    if (s_->db.inTransaction()) return body();
    s_->beginRead.exec();
    try {
      body();
      s_->commit.exec();
    } catch (...) {
      s_->db.rollbackQuietly();
      throw;
    }
  }

  std::string describe() const override { return s_->db.file(); }

 private:
  // Inside a running transaction: a savepoint makes the inner body all or
  // nothing too, without ending the outer transaction.
  void nestedTransaction(const std::function<void()>& body) {
    s_->savepoint.exec();
    try {
      body();
      s_->releaseSavepoint.exec();
    } catch (...) {
      undoSavepoint();
      throw;
    }
  }

  void undoSavepoint() noexcept {
    try {
      s_->rollbackToSavepoint.exec();
      s_->releaseSavepoint.exec();
    } catch (...) {
      // The outer transaction sees the original error and rolls back.
    }
    ++ownChanges_;
  }

  // Only between transactions: no statement of the snapshot is running then.
  void leaveSnapshotIfRoom() {
    if (snapshotOf_.empty() || s_->db.inTransaction()) return;
    try {
      s_ = openWritable(snapshotOf_);
    } catch (const sqlite::DiskFull&) {
      return;  // still full: reads go on from the snapshot, writes say so
    }
    snapshotOf_.clear();
    // The file may hold what others wrote since: every cached value is stale.
    ++ownChanges_;
  }

  std::unique_ptr<Session> s_;
  std::filesystem::path snapshotOf_;
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
    return std::make_shared<SqliteStore>(openWritable(path));
  } catch (const sqlite::DiskFull&) {
    // A full disk leaves no room for the log's shared index, even to read.
    // When the log holds nothing, the main file alone is the whole store:
    // it is read as it stands, and every write says the disk is full until
    // there is room again.
    if (!logIsEmpty(path)) throw;
    Connection snapshot(path, Connection::Access::SnapshotOfFullDisk);
    if (!sqlite::readableSnapshot(snapshot)) throw;
    return std::make_shared<SqliteStore>(std::make_unique<Session>(std::move(snapshot)), path);
  }
}

}  // namespace palvex
