#pragma once
// A thin owner of one SQLite connection and its prepared statements. Every
// failure becomes palvex::Error(Storage, "<file>: <sqlite message>"), so a
// message always says which file is at fault.

#include <cstdint>
#include <filesystem>
#include <initializer_list>
#include <string>
#include <string_view>

#include "palvex/error.h"

struct sqlite3;
struct sqlite3_stmt;

namespace palvex::sqlite {

// How long a connection waits for another process's lock before failing.
inline constexpr int kBusyTimeoutMs = 10000;

// A full disk, told apart from other storage failures so that the store can
// still be read from a file it cannot write to.
class DiskFull : public Error {
 public:
  using Error::Error;
};

class Connection {
 public:
  enum class Access {
    ReadWrite,
    // The main file read as it stands: no locks, no log, no shared-memory
    // index (which a full disk has no room for); every write fails as a
    // full disk.
    SnapshotOfFullDisk,
  };

  // Opens an existing file; never creates one, so a path that vanished is
  // reported rather than silently recreated elsewhere.
  explicit Connection(const std::filesystem::path& file, Access access = Access::ReadWrite);
  ~Connection();
  Connection(Connection&& other) noexcept;
  Connection(const Connection&) = delete;
  Connection& operator=(const Connection&) = delete;
  Connection& operator=(Connection&&) = delete;

  sqlite3* handle() const { return db_; }
  const std::string& file() const { return file_; }

  // Runs SQL without parameters (pragmas, schema creation, one-off checks).
  void exec(const char* sql);
  // Rows changed by the last INSERT, UPDATE or DELETE.
  int changes() const;
  // True while an explicit transaction is open on this connection.
  bool inTransaction() const;
  // Abandons the open transaction, if any. Used on the way out of a failure,
  // so it never throws over the error being reported.
  void rollbackQuietly() noexcept;

  // Throws the connection's last SQLite error. A full disk is named as such,
  // with the folder that needs room, whatever SQLite calls it.
  [[noreturn]] void fail() const;
  // Throws a message of our own about the file.
  [[noreturn]] void fail(std::string_view message) const;

 private:
  std::string file_;
  sqlite3* db_ = nullptr;
  bool snapshot_ = false;
};

// A statement prepared once and run many times with text parameters.
class Statement {
 public:
  Statement(Connection& db, const char* sql);
  ~Statement();
  Statement(const Statement&) = delete;
  Statement& operator=(const Statement&) = delete;

  // One execution. Resetting when it ends matters: a statement left mid-way
  // would pin an old read snapshot and hide other processes' commits.
  class Run {
   public:
    Run(Connection& db, sqlite3_stmt* stmt) : db_(db), stmt_(stmt) {}
    ~Run();
    Run(const Run&) = delete;
    Run& operator=(const Run&) = delete;

    // Steps to the next row; false when there are no more.
    bool next();
    std::string text(int column) const;
    std::int64_t integer(int column) const;

   private:
    Connection& db_;
    sqlite3_stmt* stmt_;
  };

  // Binds the parameters ?1, ?2, ... in order.
  Run run(std::initializer_list<std::string_view> params);
  // Runs to completion, ignoring any rows.
  void exec(std::initializer_list<std::string_view> params = {});

 private:
  Connection& db_;
  sqlite3_stmt* stmt_ = nullptr;
};

}  // namespace palvex::sqlite
