#pragma once
// Which settings store a command works on.

#include <filesystem>

namespace palvex::cli {

enum class StoreUse { Read, Write };

// Installs the store at `path` as the engine's store. A missing file is only
// created for a command that writes: a reader sees an empty store and leaves
// nothing behind. A file that is not a usable store throws palvex::Error.
void useStore(const std::filesystem::path& path, StoreUse use);

}  // namespace palvex::cli
