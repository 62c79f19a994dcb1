#pragma once
// Recognising, and on a fresh file creating, the store's tables.

#include "store/sqlite_connection.h"

namespace palvex::sqlite {

// Makes `db` ready for the store: checks that the file is an intact database
// of ours (or empty), switches it to write-ahead logging and creates the
// tables when they are missing. Anything else (not a database, damaged,
// another application's data, a newer schema) throws palvex::Error (Storage)
// naming the file, and nothing has been written to it.
void prepareSchema(Connection& db);

// The same checks for a snapshot of a full disk, which cannot be changed:
// true when it is an intact store of ours (false for an empty file).
bool readableSnapshot(Connection& db);

}  // namespace palvex::sqlite
