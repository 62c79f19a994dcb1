#include "store/sqlite_schema.h"

#include <cstdint>
#include <string>

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

std::int64_t queryInteger(Connection& db, const char* sql) {
  Statement statement(db, sql);
  auto run = statement.run({});
  return run.next() ? run.integer(0) : 0;
}

std::string queryText(Connection& db, const char* sql) {
  Statement statement(db, sql);
  auto run = statement.run({});
  return run.next() ? run.text(0) : std::string();
}

// The first query reads the file's header, so a file that is not a database
// or is cut short fails here, before anything is written.
FileFacts readFacts(Connection& db) {
  FileFacts facts;
  facts.objects = queryInteger(db, "SELECT count(*) FROM sqlite_master");
  facts.applicationId = queryInteger(db, "PRAGMA application_id");
  facts.version = queryInteger(db, "PRAGMA user_version");
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

void useWriteAheadLog(Connection& db) {
  // Writers then never block readers, and data_version tracks other processes.
  std::string mode = queryText(db, "PRAGMA journal_mode = WAL");
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

}  // namespace

void prepareSchema(Connection& db) {
  FileFacts facts = readFacts(db);
  refuseUnlessOurs(db, facts);
  checkIntact(db);
  useWriteAheadLog(db);
  if (!facts.fresh()) return;

  // Another process may be creating the same fresh file right now: decide
  // again inside a write transaction, which only one of us holds at a time.
  db.exec("BEGIN IMMEDIATE");
  try {
    facts = readFacts(db);
    refuseUnlessOurs(db, facts);
    if (facts.fresh()) createSchema(db);
    db.exec("COMMIT");
  } catch (...) {
    db.rollbackQuietly();
    throw;
  }
}

}  // namespace palvex::sqlite
