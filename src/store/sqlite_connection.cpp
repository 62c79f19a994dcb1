#include "store/sqlite_connection.h"

#include <sqlite3.h>

#include <cerrno>
#include <utility>

#include "palvex/error.h"

namespace palvex::sqlite {

namespace {

// SQLite reports a full disk as SQLITE_FULL, or as an I/O error whose system
// error is ENOSPC (growing the shared-memory index of the log, for one).
bool diskFull(sqlite3* db, int code) {
  if ((code & 0xFF) == SQLITE_FULL) return true;
  const bool systemFailure = (code & 0xFF) == SQLITE_IOERR || (code & 0xFF) == SQLITE_CANTOPEN;
  return db != nullptr && systemFailure && sqlite3_system_errno(db) == ENOSPC;
}

std::string diskFullMessage(const std::string& file) {
  const auto folder = std::filesystem::path(file).parent_path().string();
  return file + ": the disk is full: the settings store needs free space in " + (folder.empty() ? "." : folder) +
         "; free some space there and try again";
}

// "file:" URI of a path: the characters a URI gives a meaning to are escaped.
std::string fileUri(const std::string& path) {
  std::string uri = "file:";
  for (char c : path) {
    if (c == '?' || c == '#' || c == '%') {
      static constexpr char kHex[] = "0123456789ABCDEF";
      const auto byte = static_cast<unsigned char>(c);
      uri += {'%', kHex[byte >> 4], kHex[byte & 0xF]};
    } else {
      uri += c;
    }
  }
  return uri;
}

}  // namespace

Connection::Connection(const std::filesystem::path& file, Access access)
    : file_(file.string()), snapshot_(access == Access::SnapshotOfFullDisk) {
  const int rc = snapshot_ ? sqlite3_open_v2((fileUri(file_) + "?immutable=1").c_str(), &db_,
                                             SQLITE_OPEN_READONLY | SQLITE_OPEN_URI, nullptr)
                           : sqlite3_open_v2(file_.c_str(), &db_, SQLITE_OPEN_READWRITE, nullptr);
  if (rc != SQLITE_OK) {
    const bool full = diskFull(db_, rc);
    std::string message = db_ ? sqlite3_errmsg(db_) : sqlite3_errstr(rc);
    sqlite3_close_v2(db_);
    db_ = nullptr;
    if (full) throw DiskFull(ErrorNumber::Storage, diskFullMessage(file_));
    throw Error(ErrorNumber::Storage, file_ + ": " + message);
  }
  sqlite3_extended_result_codes(db_, 1);
  // Another process may hold the write lock for a moment (a designer saving a
  // theme); wait for it rather than fail.
  sqlite3_busy_timeout(db_, kBusyTimeoutMs);
}

Connection::~Connection() { sqlite3_close_v2(db_); }

Connection::Connection(Connection&& other) noexcept
    : file_(std::move(other.file_)), db_(std::exchange(other.db_, nullptr)), snapshot_(other.snapshot_) {}

void Connection::exec(const char* sql) {
  if (sqlite3_exec(db_, sql, nullptr, nullptr, nullptr) != SQLITE_OK) fail();
}

int Connection::changes() const { return sqlite3_changes(db_); }

bool Connection::inTransaction() const { return sqlite3_get_autocommit(db_) == 0; }

void Connection::rollbackQuietly() noexcept {
  if (inTransaction()) sqlite3_exec(db_, "ROLLBACK", nullptr, nullptr, nullptr);
}

void Connection::fail() const {
  const int code = sqlite3_extended_errcode(db_);
  // A snapshot is only taken of a full disk: that is why it cannot be written.
  if (diskFull(db_, code) || (snapshot_ && (code & 0xFF) == SQLITE_READONLY))
    throw DiskFull(ErrorNumber::Storage, diskFullMessage(file_));
  fail(sqlite3_errmsg(db_));
}

void Connection::fail(std::string_view message) const {
  throw Error(ErrorNumber::Storage, file_ + ": " + std::string(message));
}

Statement::Statement(Connection& db, const char* sql) : db_(db) {
  if (sqlite3_prepare_v3(db.handle(), sql, -1, SQLITE_PREPARE_PERSISTENT, &stmt_, nullptr) != SQLITE_OK)
    db.fail();
}

Statement::~Statement() { sqlite3_finalize(stmt_); }

Statement::Run Statement::run(std::initializer_list<std::string_view> params) {
  int index = 0;
  for (std::string_view p : params) {
    // SQLITE_TRANSIENT: callers may pass temporaries that die before the step.
    // An empty view may have no data at all, which SQLite would bind as NULL.
    const char* bytes = p.data() != nullptr ? p.data() : "";
    if (sqlite3_bind_text64(stmt_, ++index, bytes, p.size(), SQLITE_TRANSIENT, SQLITE_UTF8) != SQLITE_OK)
      db_.fail();
  }
  return Run(db_, stmt_);
}

void Statement::exec(std::initializer_list<std::string_view> params) {
  Run r = run(params);
  while (r.next()) {
  }
}

Statement::Run::~Run() { sqlite3_reset(stmt_); }

bool Statement::Run::next() {
  int rc = sqlite3_step(stmt_);
  if (rc == SQLITE_ROW) return true;
  if (rc == SQLITE_DONE) return false;
  db_.fail();
}

std::string Statement::Run::text(int column) const {
  const auto* bytes = static_cast<const char*>(sqlite3_column_blob(stmt_, column));
  auto size = static_cast<std::size_t>(sqlite3_column_bytes(stmt_, column));
  return bytes ? std::string(bytes, size) : std::string();
}

std::int64_t Statement::Run::integer(int column) const { return sqlite3_column_int64(stmt_, column); }

}  // namespace palvex::sqlite
