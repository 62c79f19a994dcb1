#include "store/sqlite_schema.h"

#include <sqlite3.h>

#include <chrono>
#include <cstdint>
#include <memory>
#include <string>
#include <thread>

namespace palvex::sqlite {
namespace {

// "PALV": marks the file as ours, so another program's database is never
// mistaken for an old store of ours.
constexpr std::int64_t kApplicationId = 0x50414C56;
constexpr std::int64_t kSchemaVersion = 1;

// Sections and values in two tables: a section keeps the capitalisation it was
// first written with, and a value's id gives its section's creation order.
// The *_folded columns hold the upper-cased names (every letter, not only
// ASCII) so that the unique indexes make names match without regard to case.
constexpr const char* kCreateSchema = R"sql(
CREATE TABLE palvex_section (
  id INTEGER PRIMARY KEY,
  app TEXT NOT NULL,
  name TEXT NOT NULL,
  app_folded TEXT NOT NULL,
  name_folded TEXT NOT NULL
);
CREATE UNIQUE INDEX palvex_section_by_name ON palvex_section (app_folded, name_folded);
CREATE TABLE palvex_value (
  id INTEGER PRIMARY KEY,
  section_id INTEGER NOT NULL REFERENCES palvex_section (id),
  key TEXT NOT NULL,
  key_folded TEXT NOT NULL,
  value TEXT NOT NULL
);
CREATE UNIQUE INDEX palvex_value_by_key ON palvex_value (section_id, key_folded);
)sql";

struct FileFacts {
  std::int64_t objects = 0;  // tables, indexes, views, triggers
  std::int64_t applicationId = 0;
  std::int64_t version = 0;

  bool fresh() const { return objects == 0 && applicationId == 0 && version == 0; }
};

std::string queryText(Connection& db, const char* sql) {
  Statement statement(db, sql);
  auto run = statement.run({});
  return run.next() ? run.text(0) : std::string();
}

// One statement, so one consistent view even while another process is
// creating the tables. Reading the header comes first: a file that is not a
// database, or is cut short, fails here before anything is written.
FileFacts readFacts(Connection& db) {
  Statement statement(db,
                      "SELECT (SELECT count(*) FROM sqlite_master), (SELECT * FROM pragma_application_id()),"
                      " (SELECT * FROM pragma_user_version())");
  auto run = statement.run({});
  FileFacts facts;
  if (run.next()) {
    facts.objects = run.integer(0);
    facts.applicationId = run.integer(1);
    facts.version = run.integer(2);
  }
  return facts;
}

void refuseUnlessOurs(Connection& db, const FileFacts& facts) {
  if (facts.fresh()) return;
  if (facts.applicationId != kApplicationId)
    db.fail("not a Palvex settings store (it holds another application's data); the file was left unchanged");
  if (facts.version > kSchemaVersion)
    db.fail("written by a newer version of Palvex (schema " + std::to_string(facts.version) +
            "); the file was left unchanged");
}

void checkIntact(Connection& db) {
  std::string verdict = queryText(db, "PRAGMA quick_check(1)");
  if (verdict != "ok") db.fail("damaged database (" + verdict + "); the file was left unchanged");
}

// Changing the journal mode needs the file to itself for a moment, and SQLite
// reports "busy" at once instead of waiting: retry up to the busy timeout.
std::string switchJournalToWal(Connection& db) {
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(kBusyTimeoutMs);
  for (;;) {
    sqlite3_stmt* raw = nullptr;
    if (sqlite3_prepare_v2(db.handle(), "PRAGMA journal_mode = WAL", -1, &raw, nullptr) != SQLITE_OK) db.fail();
    std::unique_ptr<sqlite3_stmt, int (*)(sqlite3_stmt*)> statement(raw, sqlite3_finalize);
    int rc = sqlite3_step(raw);
    if (rc == SQLITE_ROW) return reinterpret_cast<const char*>(sqlite3_column_text(raw, 0));
    if ((rc & 0xFF) != SQLITE_BUSY || std::chrono::steady_clock::now() > deadline) db.fail();
    statement.reset();
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
  }
}

void useWriteAheadLog(Connection& db) {
  // Writers then never block readers, and data_version tracks other processes.
  std::string mode = switchJournalToWal(db);
  if (mode != "wal") db.fail("cannot use write-ahead logging here (journal mode stays \"" + mode + "\")");
  // With a write-ahead log, NORMAL loses no integrity, only possibly the last
  // commits at a power cut; settings do not justify a sync on every commit.
  db.exec("PRAGMA synchronous = NORMAL");
}

void createSchema(Connection& db) {
  db.exec(kCreateSchema);
  db.exec(("PRAGMA application_id = " + std::to_string(kApplicationId)).c_str());
  db.exec(("PRAGMA user_version = " + std::to_string(kSchemaVersion)).c_str());
}

// Another process may be creating the same fresh file right now: decide
// again inside a write transaction, which only one of us holds at a time.
void createSchemaOnce(Connection& db) {
  db.exec("BEGIN IMMEDIATE");
  try {
    FileFacts facts = readFacts(db);
    refuseUnlessOurs(db, facts);
    if (facts.fresh()) createSchema(db);
    db.exec("COMMIT");
  } catch (...) {
    db.rollbackQuietly();
    throw;
  }
}

}  // namespace

bool readableSnapshot(Connection& db) {
  FileFacts facts = readFacts(db);
  if (facts.fresh()) return false;
  refuseUnlessOurs(db, facts);
  checkIntact(db);
  return true;
}

void prepareSchema(Connection& db) {
  FileFacts facts = readFacts(db);
  refuseUnlessOurs(db, facts);
  checkIntact(db);
  // The tables are created before the switch to write-ahead logging: a
  // process that finds the main file still empty deletes the log beside it,
  // which would lose a schema committed only to the log.
  if (facts.fresh()) createSchemaOnce(db);
  useWriteAheadLog(db);
}

}  // namespace palvex::sqlite
