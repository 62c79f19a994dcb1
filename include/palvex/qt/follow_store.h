#pragma once
// Following the settings store: a host that opts in re-themes its open
// windows when another process (a designer in another application, palvex
// set, palvex import) saves the theme it shows.
//
//   palvex::qt::install();
//   palvex::qt::followStore();   // once; the engine's store file is watched
//
// The store file and its write-ahead log are watched by the file system, not
// polled. A burst of writes is gathered for a moment (about 150 ms), then the
// store's change token says whether anything was committed at all, and only
// when the current theme's own values differ from what was last seen are the
// elements reloaded and every visible top-level window configured again
// through the first Tema. A change to another theme, or to the catalogue,
// leaves the windows alone.
//
// Reloading replaces the shared elements: edits a designer window of this
// process holds unsaved are dropped, as a theme change drops them.

#include <filesystem>

#include "palvex/qt/export.h"

namespace palvex::qt {

// Starts following `storeFile`; empty: the file of the engine's current store
// (settingsStore().describe()). False, and nothing followed, when there is no
// such file (a memory store). Calling it again switches to the new file.
// Requires a live QApplication.
PALVEX_QT_EXPORT bool followStore(const std::filesystem::path& storeFile = {});
// Stops following; harmless when not following.
PALVEX_QT_EXPORT void stopFollowingStore();

}  // namespace palvex::qt
