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
// Reloading replaces the shared elements, so it waits while a
// StoreFollowingHold lives: every designer window of this process holds one,
// and a save elsewhere never drops its unsaved edits. When the window closes
// the store is looked at again, and a change that came meanwhile re-themes
// the windows then.

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

// Holds the follower back for as long as it lives (see above). Holds nest;
// the last one to go lets a change seen meanwhile through.
class PALVEX_QT_EXPORT StoreFollowingHold {
 public:
  StoreFollowingHold();
  ~StoreFollowingHold();
  StoreFollowingHold(const StoreFollowingHold&) = delete;
  StoreFollowingHold& operator=(const StoreFollowingHold&) = delete;
};

}  // namespace palvex::qt
